// chkrsl: inspect, verify, export and compare the check results of a project.
#include <iostream>
#include <string>
#include <vector>

#include "cli.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#endif

int main(int argc, char** argv) {
#ifdef _WIN32
  // Binary mode: the output is the same bytes as on every other system, with
  // no CR added before each LF (the report's own CR LF stays as it is).
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
#endif
  // The tool writes through iostreams only; unsynced they buffer, which
  // an export of millions of fields needs.
  std::ios::sync_with_stdio(false);
  std::vector<std::string> args(argv + 1, argv + argc);
  return chkrsl_cli::RunCli(args, std::cout, std::cerr);
}
