// Creates each file named on its command line: the viewer test starts it,
// so the test needs no program of the system.
#include <cstdio>

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    std::FILE* f = std::fopen(argv[i], "ab");
    if (!f) return 1;
    std::fclose(f);
  }
  return 0;
}
