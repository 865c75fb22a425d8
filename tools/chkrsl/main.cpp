// chkrsl: inspect, verify, export and compare the check results of a project.
#include <iostream>
#include <string>
#include <vector>

#include "cli.h"

int main(int argc, char** argv) {
  // The tool writes through iostreams only; unsynced they buffer, which
  // an export of millions of fields needs.
  std::ios::sync_with_stdio(false);
  std::vector<std::string> args(argv + 1, argv + argc);
  return chkrsl_cli::RunCli(args, std::cout, std::cerr);
}
