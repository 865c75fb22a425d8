#include "project_loader.h"

#include <cstdio>

#include "chkrsl/chkrsl.h"

namespace chkrsl_cli {

bool OpenProjectPath(const std::string& projectPath) {
  const size_t slash = projectPath.find_last_of('/');
  const std::string folder = slash == std::string::npos ? "." : projectPath.substr(0, slash);
  const std::string name = slash == std::string::npos ? projectPath : projectPath.substr(slash + 1);
  if (name.empty()) return false;
  chkrsl::host::OpenProject(folder, name);
  return true;
}

namespace {

void AdoptFrom(const char* ext) {
  std::FILE* f = chkrsl::OpenProjectFile(ext);
  if (!f) return;
  MyPerDocData* doc = GetQMpDoc();
  chkrsl::WalkEntryHeaders(f, [doc](const chkrsl::EntryHeader& h) {
    // Element numbers far beyond any real table are left out rather than
    // growing the document without bound.
    if (h.eleNo >= 0 && h.eleNo < (1 << 24)) doc->SetElementSecType(h.eleNo, h.secType);
  });
  std::fclose(f);
}

}  // namespace

void AdoptStoredSections() {
  for (int i = 0; i < static_cast<int>(chkrsl::ResultFileId::kCount); ++i) {
    AdoptFrom(chkrsl::ResultFileName(static_cast<chkrsl::ResultFileId>(i)));
  }
  AdoptFrom("CHKCW");
}

}  // namespace chkrsl_cli
