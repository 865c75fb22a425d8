// Checked stdio helpers. Result files are trusted for nothing: every count
// or length read from one is measured against the bytes the file still holds
// before it is used to skip, size or allocate.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>

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
template <size_t N>
struct FileBlock {
  uint8_t bytes[N];
  size_t got;
  FileBlock(std::FILE* f, size_t n = N) : got(ReadUpTo(f, bytes, n < N ? n : N)) {}
  ByteReader reader() const { return ByteReader(bytes, got); }
};

}  // namespace io
}  // namespace chkrsl
