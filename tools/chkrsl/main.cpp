// chkrsl: inspect, verify, export and compare the check results of a project.
#include <iostream>
#include <string>
#include <vector>

#include "cli.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  return chkrsl_cli::RunCli(args, std::cout, std::cerr);
}
