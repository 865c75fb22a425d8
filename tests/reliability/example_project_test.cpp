#include "reliability/example_project_test.h"

#include <filesystem>

namespace chkrsl_test {

void ExampleProjectTest::SetUp() {
  ProjectTest::SetUp();
  for (const auto& entry : std::filesystem::directory_iterator(CHKRSL_EXAMPLE_DIR)) {
    const std::string name = entry.path().filename().string();
    if (name.rfind("example.", 0) != 0) continue;  // the wall purlin project is another
    files.push_back(name.substr(name.find('.') + 1));
    WriteProjectFile(files.back(), ReadFileBytes(entry.path().string()));
  }
  AdoptStoredSections();
}

void ExampleProjectTest::AdoptStoredSections() {
  std::vector<const char*> names = {"CHKCW"};
  for (int i = 0; i < static_cast<int>(chkrsl::ResultFileId::kCount); ++i)
    names.push_back(chkrsl::ResultFileName(static_cast<chkrsl::ResultFileId>(i)));
  for (const char* ext : names) {
    std::FILE* f = chkrsl::OpenProjectFile(ext);
    if (!f) continue;
    chkrsl::WalkEntryHeaders(f, [](const chkrsl::EntryHeader& h) {
      if (h.eleNo >= 0 && h.eleNo < (1 << 20)) GetQMpDoc()->SetElementSecType(h.eleNo, h.secType);
    });
    std::fclose(f);
  }
}

}  // namespace chkrsl_test
