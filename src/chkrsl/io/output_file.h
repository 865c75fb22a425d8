// A project file written whole, that starts with an int32 entry count.
// The stream writes through a large buffer, so the records' many small
// writes reach the operating system in few calls. Any write that fails
// marks the file; a file that cannot be finished is
// left holding a count of 0, so that no partial or stale contents are read
// as current results.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

namespace chkrsl {
namespace io {

class OutputFile {
 public:
  OutputFile() = default;
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;
  // A file still open here was not finished: it is emptied to count 0.
  ~OutputFile();

  // Opens `path` for binary writing, emptying it. False when it cannot be
  // created; the file then counts as failed.
  bool Open(const std::string& path);
  bool IsOpen() const { return file_ != nullptr; }
  bool Failed() const { return failed_; }
  // The stream, for the records' own writers; null unless open.
  std::FILE* stream() const { return file_; }

  // Writes the count at offset 0 and returns to the end.
  void WriteCount(int32_t count);
  // Notes a failure of the writes made so far on the stream.
  void CheckStream();

  // Writes the final count, flushes and closes. When anything failed, the
  // file is emptied to a count of 0 instead. True when the file was
  // finished as written.
  bool Finish(int32_t count);

 private:
  void ResetToZeroCount();

  static constexpr size_t kBufferBytes = 1 << 20;

  std::FILE* file_ = nullptr;
  std::unique_ptr<char[]> buffer_;  // the stream's buffer; outlives it
  std::string path_;
  bool failed_ = false;
};

// Writes a counted file into `out`, opened: the count, then each record of
// `recs` that is set (null slots are passed over), in order, by
// `write(record, stream)`, stopping at the first failure. True when the file
// was finished as written.
template <class Records, class Write>
bool WriteRecords(OutputFile& out, Records& recs, Write write) {
  int32_t written = 0;
  out.WriteCount(0);
  for (decltype(recs.GetSize()) i = 0; i < recs.GetSize() && !out.Failed(); ++i) {
    if (!recs[i]) continue;
    write(*recs[i], out.stream());
    out.CheckStream();
    ++written;
  }
  return out.Finish(written);
}

}  // namespace io
}  // namespace chkrsl
