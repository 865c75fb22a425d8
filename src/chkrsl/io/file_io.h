// Checked stdio helpers. Result files are trusted for nothing: every count
// or length read from one is measured against the bytes the file still holds
// before it is used to skip, size or allocate.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>

#include "chkrsl/io/coding.h"

namespace chkrsl {
namespace io {

// Reads up to n bytes and returns how many were read (fewer only at the end
// of the file or on an error).
size_t ReadUpTo(std::FILE* f, void* dst, size_t n);

// Reads exactly n bytes; false when the file ends first.
bool ReadExact(std::FILE* f, void* dst, size_t n);

// Reads one int32; on a short read `out` keeps its value and false results.
bool ReadI32(std::FILE* f, int32_t& out);

// Bytes between the current position and the end of the file; -1 when the
// file's size or position cannot be known.
int64_t BytesLeft(std::FILE* f);

// While it lives, the size of `f` is taken as it was when it was made, so
// that measuring counts against the file costs no system call per entry.
// A file that shrinks meanwhile ends reads early; what is allocated stays
// bounded by the size measured. Also makes the position known to the
// stream, so that telling it needs no system call either.
class KnownFileSize {
 public:
  explicit KnownFileSize(std::FILE* f);
  // With a size the caller has just measured; the position is left alone.
  KnownFileSize(std::FILE* f, int64_t size);
  KnownFileSize(const KnownFileSize&) = delete;
  KnownFileSize& operator=(const KnownFileSize&) = delete;
  ~KnownFileSize();

 private:
  std::FILE* f_;
};

// While it lives, the helpers here read `f` from a block of its own, filled
// by one positioned read (pread where there is one), so that decoding many
// small fields costs one system call per block, not a stdio call per field,
// and a jump to an entry costs no seek of its own. Positions, skips and the
// bytes left are answered from memory, against the size the file had when
// it was made (as with KnownFileSize). Only the helpers here may read or
// move `f` meanwhile, and afterwards the stream is only to be closed. The
// block is allocated on the first read, bounded by `blockBytes` and by the
// file's size; refills start at 64 KiB and double up to it.
// The block of a ReadAhead over a file read whole, front to back.
constexpr size_t kLoadBlockBytes = size_t{1} << 20;

class ReadAhead {
 public:
  ReadAhead(std::FILE* f, size_t blockBytes);
  // For a stream at `start` whose size the caller has just measured.
  ReadAhead(std::FILE* f, size_t blockBytes, int64_t start, int64_t size);
  ReadAhead(const ReadAhead&) = delete;
  ReadAhead& operator=(const ReadAhead&) = delete;
  ~ReadAhead();

  size_t Read(void* dst, size_t n);
  // The next n bytes in place, consumed, or null when the block (refilled
  // if it is used up) does not hold them whole.
  const uint8_t* Borrow(size_t n);
  int64_t Position() const { return blockStart_ + static_cast<int64_t>(at_); }
  int64_t Size() const { return size_; }
  // Moves to an absolute position; false when it is negative.
  bool MoveTo(int64_t pos);
  std::FILE* file() const { return f_; }

 private:
  bool Refill();
  std::FILE* f_;
  size_t blockBytes_;
  size_t fill_ = 0;  // bytes the next refill asks for
  std::unique_ptr<uint8_t[]> block_;
  size_t at_ = 0;   // next byte of the block to hand out
  size_t end_ = 0;  // bytes of the block that hold file content
  int64_t blockStart_ = 0;  // file offset of the block's first byte
  int64_t size_ = -1;
};

// The current position, or -1 when it cannot be known.
int64_t Tell(std::FILE* f);

// Moves to an absolute position; false when that fails.
bool SeekTo(std::FILE* f, int64_t pos);

// Whether the position is not beyond the end of the file (a seek may go
// past it).
bool PositionWithinFile(std::FILE* f);

// Moves forward by n bytes. False, without moving, when n is negative or
// larger than what is left of the file.
bool SkipForward(std::FILE* f, int64_t n);

// Passes over n bytes that are expected to be in the file. Small spans are
// read through the stream's buffer, which costs no system call, larger ones
// are seeked over. False when n is negative or the file ends first (for a
// seek: when the new position lies beyond the end).
bool PassOver(std::FILE* f, int64_t n);

// Whether `count` items of at least `itemBytes` bytes each can still be in
// the file. Negative counts never fit.
bool CountFits(std::FILE* f, int64_t count, int64_t itemBytes);

// Reads up to n bytes at offset `pos` without the stream's buffer, and
// returns how many were read. Where the system has no positioned read, the
// stream is moved and read unbuffered-alike; either way its position is
// afterwards unspecified.
size_t ReadAt(std::FILE* f, int64_t pos, void* dst, size_t n);

// Writes all bytes; false on a short write. Through the write seam.
bool WriteBytes(std::FILE* f, const void* src, size_t n);
inline bool WriteBytes(std::FILE* f, const ByteWriter& w) { return WriteBytes(f, w.data(), w.size()); }

// Creates (or empties) the file at `path` and writes all bytes to it. False
// when it cannot be created, a write fails or it cannot be closed; a file
// that could not be written whole is removed.
bool WriteWholeFile(const char* path, const void* src, size_t n);

// Writes one int32 at offset 0 of the file and returns to the end; the
// result files keep their entry count there.
bool WriteCountAtStart(std::FILE* f, int32_t count);

// Reads a block of up to N bytes with one read and hands a reader over the
// bytes that arrived.
// The next n bytes of `f` in place, consumed, when a read-ahead holds them
// whole; otherwise null and nothing is consumed.
const uint8_t* BorrowBytes(std::FILE* f, size_t n);

template <size_t N>
struct FileBlock {
  uint8_t bytes[N];
  const uint8_t* data;
  size_t got;
  FileBlock(std::FILE* f, size_t n = N) {
    if (n > N) n = N;
    data = BorrowBytes(f, n);
    if (data) {
      got = n;
    } else {
      got = ReadUpTo(f, bytes, n);
      data = bytes;
    }
  }
  ByteReader reader() const { return ByteReader(data, got); }
};

}  // namespace io
}  // namespace chkrsl
