#include "project_loader.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <set>

#include "chkrsl/internal.h"

namespace chkrsl_cli {

bool OpenProjectPath(std::string projectPath) {
  constexpr char kTable[] = ".CHKTT";
  const size_t table = projectPath.size() - std::min(projectPath.size(), sizeof kTable - 1);
  if (projectPath.compare(table, std::string::npos, kTable) == 0) projectPath.resize(table);
  const size_t slash = projectPath.find_last_of("/\\");
  const std::string folder = slash == std::string::npos ? "." : projectPath.substr(0, slash);
  const std::string name = slash == std::string::npos ? projectPath : projectPath.substr(slash + 1);
  if (name.empty()) return false;
  chkrsl::host::OpenProject(folder, name);
  return true;
}

std::string ProjectFile(const std::string& ext) {
  return chkrsl::host::ProjectFilePath(ext.c_str());
}

std::vector<std::string> ProjectFiles(const std::vector<std::string>& exts) {
  std::vector<std::string> paths;
  paths.reserve(exts.size());
  for (const std::string& ext : exts) paths.push_back(ProjectFile(ext));
  return paths;
}

bool CheckReadable(const std::string& path, std::ostream& err) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (f) {
    std::fclose(f);
    return true;
  }
  err << "chkrsl: cannot open " << path << ": " << std::strerror(errno) << "\n";
  return false;
}

const std::vector<std::string>& ResultFileExts() {
  static const std::vector<std::string> exts = [] {
    std::vector<std::string> v;
    v.reserve(static_cast<size_t>(chkrsl::ResultFileId::kCount) + 1);
    for (int i = 0; i < static_cast<int>(chkrsl::ResultFileId::kCount); ++i)
      v.push_back(chkrsl::ResultFileName(static_cast<chkrsl::ResultFileId>(i)));
    v.push_back("CHKCW");
    return v;
  }();
  return exts;
}

namespace {

// Type codes and structure kinds stay below this in every file the suite
// writes; the tables beyond it repeat their "any other" rows.
constexpr int kCodesProbed = 1000;

}  // namespace

const std::vector<std::string>& RecordClasses() {
  static const std::vector<std::string> classes = [] {
    std::set<std::string> names{"DataForWallEdge"};
    for (int code = 1; code < kCodesProbed; ++code) {
      const chkrsl::RecordKind& kind = chkrsl::RecordKindOf(code);
      if (!kind.create) continue;
      std::unique_ptr<CHKRsl> rec(kind.create());
      names.insert(chkrsl::RecordClassName(*rec));
    }
    return std::vector<std::string>(names.begin(), names.end());
  }();
  return classes;
}

const std::vector<int>& StructureKinds() {
  static const std::vector<int> kinds = [] {
    std::vector<int> v;
    chkrsl::KindFiles files;
    for (int kind = 1; kind < kCodesProbed; ++kind)
      if (chkrsl::FilesOfKind(kind, files)) v.push_back(kind);
    return v;
  }();
  return kinds;
}

bool LoadElementTable(ElementTable& table, std::ostream& err) {
  CArray<int, int> elements, kinds;
  if (!chkrsl::ReadElementTable(elements, kinds)) {
    err << "chkrsl: " << ProjectFile("CHKTT")
        << ": not a readable element table (count or pairs cut short)\n";
    return false;
  }
  for (INT_PTR i = 0; i < elements.GetSize(); ++i) {
    table.elements.push_back(elements[i]);
    table.kinds.push_back(kinds[i]);
    table.kindOf.emplace(elements[i], kinds[i]);
  }
  return true;
}

}  // namespace chkrsl_cli
