// "CHKTT", the element table: an int32 count n, then n pairs of element
// number and structure kind (written by the checking module, only read
// here). A lookup takes the first pair of a number.
#pragma once

#include <cstdint>

#include "chkrsl/format/reporter.h"
#include "chkrsl/io/coding.h"
#include "chkrsl/platform/afx.h"

namespace chkrsl {
namespace io {
class Source;
}

constexpr int64_t kTablePairBytes = 8;

// Walks the pairs from the start of `in`, which stays the caller's.
class TableCursor {
 public:
  explicit TableCursor(io::Source& in, Reporter* reporter = nullptr);
  TableCursor(io::Source& in, JumpsOnly) : in_(in), reporter_(nullptr) {}
  TableCursor(const TableCursor&) = delete;
  TableCursor& operator=(const TableCursor&) = delete;

  // False when the count cannot be read or the file cannot hold it (told
  // to the reporter): the table is unreadable.
  bool sound() const { return sound_; }
  int declared() const { return declared_; }
  // The next pair; false after the last, or where the file ends first
  // (which makes the table unreadable).
  bool Next();
  // Reads the pair at `offset` (where an index says one is), outside the
  // count.
  bool JumpTo(int64_t offset);
  // Moves forward to the first pair of eleNo. False when there is none.
  bool ScanFor(int eleNo);
  int eleNo() const { return eleNo_; }
  int number() const { return eleNo_; }
  int code() const { return kind_; }
  int kind() const { return kind_; }
  // Of the pair Next read last.
  int64_t offset() const { return io::kInt32Bytes + kTablePairBytes * (index_ - 1); }

 private:
  bool ReadPair();
  io::Source& in_;
  Reporter* reporter_;
  bool sound_ = false;
  int declared_ = 0;
  int index_ = 0;
  int eleNo_ = 0;
  int kind_ = 0;
};

// The whole table as parallel lists. False when it cannot be read whole.
bool ReadElementTable(io::Source& in, CArray<int, int>& elements, CArray<int, int>& kinds,
                      Reporter* reporter = nullptr);

}  // namespace chkrsl
