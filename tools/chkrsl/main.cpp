// chkrsl: inspect, verify, export and compare the check results of a project.
#include <exception>
#include <iostream>
#include <new>
#include <string>
#include <vector>

#include "cli.h"

#include <cstdio>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#define CHKRSL_ISATTY _isatty
#define CHKRSL_FILENO _fileno
#else
#include <unistd.h>
#define CHKRSL_ISATTY isatty
#define CHKRSL_FILENO fileno
#endif

int main(int argc, char** argv) {
#ifdef _WIN32
  // Binary mode: the output is the same bytes as on every other system, with
  // no CR added before each LF (the report's own CR LF stays as it is).
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
#endif
  // Nothing the library or the commands throw ends the tool unexplained:
  // running out of memory on a large project is an input it cannot use.
  try {
    // The tool writes through iostreams only; unsynced they buffer, which
    // an export of millions of fields needs.
    std::ios::sync_with_stdio(false);
    std::vector<std::string> args(argv + 1, argv + argc);
    // Progress only where someone watches: never into a pipe or a file.
    chkrsl_cli::ProgressOptions progress;
    if (CHKRSL_ISATTY(CHKRSL_FILENO(stderr))) progress.err = &std::cerr;
    return chkrsl_cli::RunCli(args, std::cout, std::cerr, progress);
  } catch (const std::bad_alloc&) {
    std::cout.flush();
    std::cerr << "chkrsl: out of memory: the command needs more memory than is free\n";
  } catch (const std::exception& e) {
    std::cout.flush();
    std::cerr << "chkrsl: " << e.what() << "\n";
  }
  return 2;
}
