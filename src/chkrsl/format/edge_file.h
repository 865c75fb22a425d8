// "Edge", the wall edge results: an int32 entry count, then per edge its
// int32 number and a 145-byte payload (DataForWallEdge), numbers ascending.
#pragma once

#include <cstdint>

#include "chkrsl/format/reporter.h"
#include "chkrsl/io/coding.h"
#include "chkrsl/records/wall.h"

namespace chkrsl {
namespace io {
class Source;
}

constexpr int64_t kEdgeEntryBytes = io::kInt32Bytes + DataForWallEdge::kPayloadBytes;

// Walks the edges from the start of `in`, which stays the caller's.
class EdgeCursor {
 public:
  // A count the file cannot hold reads as no edges.
  explicit EdgeCursor(io::Source& in, Reporter* reporter = nullptr);
  EdgeCursor(io::Source& in, JumpsOnly) : in_(in), reporter_(nullptr) {}
  EdgeCursor(const EdgeCursor&) = delete;
  EdgeCursor& operator=(const EdgeCursor&) = delete;

  bool sound() const { return sound_; }
  int declared() const { return declared_; }
  // Reads the next edge number; false after the last or where the file
  // ends first.
  bool Next();
  // ScanForward (scan.h): on to the first entry whose number is not below.
  bool ScanFor(int edgeNo);
  // Makes the entry at `offset` the current one, outside the count.
  bool JumpTo(int64_t offset);
  int number() const { return number_; }
  int code() const { return 0; }
  int64_t offset() const { return offset_; }
  // The current edge's record (the caller's), or null when its payload is
  // not whole.
  DataForWallEdge* Read();

 private:
  bool ReadNumberAt(int64_t offset);
  io::Source& in_;
  Reporter* reporter_;
  bool sound_ = false;
  int declared_ = 0;
  int consumed_ = 0;
  int number_ = 0;
  int64_t offset_ = 0;
  bool current_ = false;
};

}  // namespace chkrsl
