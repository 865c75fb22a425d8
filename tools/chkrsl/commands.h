// The tool's element commands, writing their output to a stream (text, or
// JSON with `json`); problems go to `err`. Each returns the exit code.
#pragma once

#include <ostream>

namespace chkrsl_cli {

struct Output {
  std::ostream& out;
  std::ostream& err;
  bool json = false;
};

// Every element with a result, one row each (in the order of the result
// files), then the elements of "CHKTT" that have none. Exit 1 when one has
// no readable result.
int ListResults(const Output& o);

// The whole record of one element, every field under its name.
int ShowElement(int eleNo, const Output& o);

}  // namespace chkrsl_cli
