// chkrsl verify: every result file of the project walked entry by entry,
// each problem reported on its own line with file, byte offset and element.
#pragma once

#include "commands.h"

namespace chkrsl_cli {

// Exit 0 when nothing is wrong, 1 when problems were found, 2 when the
// element table cannot be read.
int VerifyProject(const Output& o);

}  // namespace chkrsl_cli
