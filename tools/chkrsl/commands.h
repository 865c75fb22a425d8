// The tool's commands, writing their output to a stream; messages the
// library shows go to the alert handler (standard error by default).
#pragma once

#include <ostream>

namespace chkrsl_cli {

// Lists every element of "CHKTT": element, structure kind, record class,
// section category, check status and a few stored values. Returns the
// process exit code.
int ListResults(std::ostream& out);

// Shows the whole record of one element.
int ShowElement(int eleNo, std::ostream& out);

}  // namespace chkrsl_cli
