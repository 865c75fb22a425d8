#include "chkrsl/io/output_file.h"

#include "chkrsl/io/file_io.h"

namespace chkrsl {
namespace io {

OutputFile::~OutputFile() {
  if (file_) {
    failed_ = true;
    Finish(0);
  }
}

bool OutputFile::Open(const std::string& path) {
  path_ = path;
  file_ = std::fopen(path.c_str(), "wb");
  failed_ = file_ == nullptr;
  return !failed_;
}

void OutputFile::WriteCount(int32_t count) {
  if (!file_ || !WriteCountAtStart(file_, count)) failed_ = true;
}

void OutputFile::CheckStream() {
  if (!file_ || std::ferror(file_)) failed_ = true;
}

bool OutputFile::Finish(int32_t count) {
  if (!file_) return false;
  if (!failed_) WriteCount(count);
  if (std::fflush(file_) != 0) failed_ = true;
  CheckStream();
  if (std::fclose(file_) != 0) failed_ = true;
  file_ = nullptr;
  if (failed_) ResetToZeroCount();
  return !failed_;
}

// Truncation frees the partial contents, so the four bytes of the count fit
// even where the disk ran full. If even that fails, the file is at worst
// empty, which the readers also take as no entries.
void OutputFile::ResetToZeroCount() {
  std::FILE* f = std::fopen(path_.c_str(), "wb");
  if (!f) return;
  uint8_t zero[kInt32Bytes] = {};
  WriteBytes(f, zero, sizeof zero);
  std::fclose(f);
}

}  // namespace io
}  // namespace chkrsl
