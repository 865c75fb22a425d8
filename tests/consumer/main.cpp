// Reads one element's check result of a project, without a host document.
#include <chkrsl/chkrsl.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  if (argc != 4) return 2;  // <folder> <name> <element>
  chkrsl::host::OpenProject(argv[1], argv[2]);
  chkrsl::host::AdoptStoredSectionTypes();  // the stored section types stand for the document's
  CHKRsl* rec = nullptr;
  int kind = 0;
  if (!GetOneEleRsl(rec, kind, std::atoi(argv[3]))) return 1;
  std::printf("element %d: structure kind %d, type code %d, section type %d, check status %d\n",
              rec->eleNo, kind, rec->eleType, rec->secType, rec->checkStatus);
  delete rec;
  return 0;
}
