// Where a read takes its bytes from. Every decoder of the library reads
// through a Source: the caller's stdio stream (the public ReadRsl(FILE*)),
// a file the library opened and reads block by block, or bytes in memory.
// A Source is an object its read owns; nothing about it is kept elsewhere,
// so reads on several threads never meet.
//
// Result files are trusted for nothing: every count or length read from one
// is measured against the bytes the source still holds before it is used
// to skip, size or allocate.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

#include "chkrsl/io/coding.h"
#include "chkrsl/io/file_identity.h"

namespace chkrsl {
namespace io {

class Source {
 public:
  virtual ~Source() = default;
  // Copies up to n bytes and returns how many were copied (fewer only at
  // the end or on an error).
  virtual size_t Read(void* dst, size_t n) = 0;
  // The next n bytes in place, consumed; null, with nothing consumed, when
  // the source does not hold them whole in memory.
  virtual const uint8_t* Borrow(size_t) { return nullptr; }
  // Bytes between the position and the end; -1 when unknown.
  virtual int64_t BytesLeft() = 0;
  // The position from the start; -1 when unknown.
  virtual int64_t Position() = 0;
  // Moves to an absolute position; false when that fails.
  virtual bool MoveTo(int64_t pos) = 0;
};

// The caller's stream as it stands. Its size is measured once, when it is
// first needed.
class StdioSource final : public Source {
 public:
  explicit StdioSource(std::FILE* f) : f_(f) {}
  size_t Read(void* dst, size_t n) override;
  int64_t BytesLeft() override;
  int64_t Position() override;
  bool MoveTo(int64_t pos) override;

 private:
  std::FILE* f_;
  int64_t size_ = -2;  // -2: not measured yet
};

// Bytes in memory, which stay the caller's.
class MemorySource final : public Source {
 public:
  MemorySource(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  size_t Read(void* dst, size_t n) override;
  const uint8_t* Borrow(size_t n) override;
  int64_t BytesLeft() override { return static_cast<int64_t>(size_ - at_); }
  int64_t Position() override { return static_cast<int64_t>(at_); }
  bool MoveTo(int64_t pos) override;

 private:
  const uint8_t* data_;
  size_t size_;
  size_t at_ = 0;
};

// A file the library opens itself and reads from a block of its own, filled
// by one positioned read (pread where there is one), so that decoding many
// small fields costs one system call per block and a jump to an entry
// costs no seek. The size and identity are taken when it opens: a file that
// shrinks meanwhile ends reads early, and what is allocated stays bounded
// by the size measured. The block is allocated on the first read, bounded
// by `blockBytes` and by the file's size; refills start at 64 KiB and
// double up to it.
class FileSource final : public Source {
 public:
  // The block of a file read whole, front to back.
  static constexpr size_t kLoadBlockBytes = size_t{1} << 20;

  FileSource() = default;
  FileSource(const FileSource&) = delete;
  FileSource& operator=(const FileSource&) = delete;
  ~FileSource() override;

  // Opens `path` for reading. False when it cannot be opened.
  bool Open(const std::string& path, size_t blockBytes);
  void Close();
  // The identity the file had when it was opened, and has now.
  const FileIdentity& identity() const { return identity_; }
  FileIdentity IdentityNow() const { return f_ ? IdentityOf(f_) : FileIdentity(); }
  int64_t Size() const { return size_; }

  size_t Read(void* dst, size_t n) override;
  const uint8_t* Borrow(size_t n) override;
  int64_t BytesLeft() override;
  int64_t Position() override { return blockStart_ + static_cast<int64_t>(at_); }
  bool MoveTo(int64_t pos) override;

 private:
  bool Refill();
  std::FILE* f_ = nullptr;
  FileIdentity identity_;
  size_t blockBytes_ = 0;
  size_t fill_ = 0;  // bytes the next refill asks for
  std::unique_ptr<uint8_t[]> block_;
  size_t at_ = 0;   // next byte of the block to hand out
  size_t end_ = 0;  // bytes of the block that hold file content
  int64_t blockStart_ = 0;  // file offset of the block's first byte
  int64_t size_ = -1;
};

// Reads `rec` from the caller's stream with its ReadFrom; the stream stands
// where the read ended.
template <class Rec>
bool ReadFromStream(Rec& rec, std::FILE* f) {
  StdioSource in(f);
  return rec.ReadFrom(in);
}

// Reads exactly n bytes; false when the source ends first.
bool ReadExact(Source& in, void* dst, size_t n);

// Reads one int32; on a short read `out` keeps its value and false results.
bool ReadI32(Source& in, int32_t& out);

// Whether `count` items of at least `itemBytes` bytes each can still be in
// the source. Negative counts never fit.
bool CountFits(Source& in, int64_t count, int64_t itemBytes);

// Moves forward by n bytes. False, without moving, when n is negative or
// larger than what is left.
bool SkipForward(Source& in, int64_t n);

// Passes over n bytes that are expected to be there, as a read through
// them would: false when n is negative or the source ends first (it then
// stands at its end).
bool PassOver(Source& in, int64_t n);

// A block of up to N bytes read with one read, and a reader over the bytes
// that arrived: in place when the source holds them whole.
template <size_t N>
struct FileBlock {
  uint8_t bytes[N];
  const uint8_t* data;
  size_t got;
  explicit FileBlock(Source& in, size_t n = N) {
    if (n > N) n = N;
    data = in.Borrow(n);
    if (data) {
      got = n;
    } else {
      got = in.Read(bytes, n);
      data = bytes;
    }
  }
  ByteReader reader() const { return ByteReader(data, got); }
};

}  // namespace io
}  // namespace chkrsl
