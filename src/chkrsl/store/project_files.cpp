#include "chkrsl/store/project_files.h"

#include "chkrsl/platform/qmbaseform.h"

namespace chkrsl {

std::string ProjectPath(const char* ext) {
  char path[kProjPathBufferSize];
  if (GetProjFileName(path, ext, true, true, false, 0) != 1) return std::string();
  return path;
}

bool OpenProjectFile(const char* ext, io::FileSource& file, size_t blockBytes) {
  const std::string path = ProjectPath(ext);
  return !path.empty() && file.Open(path, blockBytes);
}

}  // namespace chkrsl
