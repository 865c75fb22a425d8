// "CHKFF", the writer's plan: an int32 count, then per record its element
// number, the code of the result file it goes to and its type code.
#pragma once

#include <cstdint>

namespace chkrsl {
namespace io {
class Source;
}

constexpr int64_t kFileCodeEntryBytes = 12;

struct FileCodeEntry {
  int32_t eleNo = 0;
  int32_t fileCode = 0;
  int32_t typeCode = 0;
};

// Walks the entries from the start of `in`, which stays the caller's.
class FileCodeCursor {
 public:
  explicit FileCodeCursor(io::Source& in);
  int declared() const { return declared_; }
  // The next entry; false after the last declared one or where the file
  // ends first.
  bool Next();
  const FileCodeEntry& entry() const { return entry_; }

 private:
  io::Source& in_;
  int declared_ = 0;
  int consumed_ = 0;
  FileCodeEntry entry_;
};

}  // namespace chkrsl
