// Reads the bundled example project through the installed library.
#include <chkrsl/chkrsl.h>

#include <cstdio>

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  chkrsl::host::OpenProject(argv[1], argv[2]);
  GetQMpDoc()->SetElementSecType(1, 1);
  CHKRsl* rec = nullptr;
  int kind = 0;
  if (!GetOneEleRsl(rec, kind, 1)) return 1;
  std::printf("element %d kind %d type %d\n", rec->eleNo, kind, rec->eleType);
  delete rec;
  return 0;
}
