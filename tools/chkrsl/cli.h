// The command line of the chkrsl tool, in the library so that tests can run
// it with arguments and streams of their own.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "progress.h"

namespace chkrsl_cli {

// Runs the tool with `args` (without the program name). Returns the exit
// code: 0 success, 1 the answer is "no", 2 unusable input, 64 usage.
// Progress is shown as `progress` says (main: on standard error when it is
// a terminal).
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           const ProgressOptions& progress = {});

}  // namespace chkrsl_cli
