// The tool's element commands, writing their output to a stream (text, or
// JSON with `json`); problems go to `err`. Each returns the exit code.
#pragma once

#include <ostream>

#include "alerts.h"
#include "progress.h"

namespace chkrsl_cli {

struct Output {
  std::ostream& out;
  std::ostream& err;
  bool json = false;
  Alerts& alerts;  // said after the tool's own message
  ProgressOptions progress;
};

// Every element with a result, one row each (in the order of the result
// files), then the elements of "CHKTT" that have none. Exit 1 when one has
// no readable result.
int ListResults(const Output& o);

// The whole record of one element, every field under its name. Exit 1,
// saying whether the element table lists it, when it has no readable result.
int ShowElement(int eleNo, const Output& o);

// Says on the error stream why element eleNo has no readable result: it is
// not in the element table, or its entry cannot be read; then the alerts.
// Returns false when the element table itself cannot be read.
bool SayUnreadable(int eleNo, const Output& o);

}  // namespace chkrsl_cli
