#include "chkrsl/io/output_file.h"

#include <new>

#include "chkrsl/io/file_io.h"
#include "chkrsl/io/write_seam.h"

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
  file_ = OpenForWriting(path.c_str());
  failed_ = file_ == nullptr;
  if (file_) {
    // The records write one block at a time; a large buffer turns them into
    // few writes of the operating system. Without it the file is still
    // written correctly, only in smaller pieces.
    if (!buffer_) buffer_.reset(new (std::nothrow) char[kBufferBytes]);
    if (buffer_) std::setvbuf(file_, buffer_.get(), _IOFBF, kBufferBytes);
  }
  return !failed_;
}

void OutputFile::WriteCount(int32_t count) {
  if (!file_ || !WriteCountAtStart(file_, count)) failed_ = true;
}

void OutputFile::CheckStream() {
  if (StreamFailed(file_)) failed_ = true;
}

bool OutputFile::Finish(int32_t count) {
  if (!file_) return false;
  if (!failed_) WriteCount(count);
  if (!FlushStream(file_)) failed_ = true;
  CheckStream();
  if (!CloseStream(file_)) failed_ = true;
  file_ = nullptr;
  if (failed_) ResetToZeroCount();
  return !failed_;
}

// Truncation frees the partial contents, so the four bytes of the count fit
// even where the disk ran full. If even that fails, the file is at worst
// empty, which the readers also take as no entries.
void OutputFile::ResetToZeroCount() {
  std::FILE* f = OpenForWriting(path_.c_str());
  if (!f) return;
  uint8_t zero[kInt32Bytes] = {};
  WriteBytes(f, zero, sizeof zero);
  CloseStream(f);
}

}  // namespace io
}  // namespace chkrsl
