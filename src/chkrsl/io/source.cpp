#include "chkrsl/io/source.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>

#ifdef _WIN32
#define CHKRSL_FSTAT _fstat64
#define CHKRSL_STAT_T struct __stat64
#define CHKRSL_FILENO _fileno
#define CHKRSL_FTELL _ftelli64
#define CHKRSL_FSEEK _fseeki64
#else
#include <unistd.h>
#define CHKRSL_FSTAT fstat
#define CHKRSL_STAT_T struct stat
#define CHKRSL_FILENO fileno
#define CHKRSL_FTELL ftello
#define CHKRSL_FSEEK fseeko
#endif

namespace chkrsl {
namespace io {
namespace {

constexpr size_t kFirstFillBytes = size_t{64} * 1024;

int64_t SizeOf(std::FILE* f) {
  CHKRSL_STAT_T st;
  if (CHKRSL_FSTAT(CHKRSL_FILENO(f), &st) != 0) return -1;
  return static_cast<int64_t>(st.st_size);
}

// Up to n bytes at offset `pos`, without the stream's buffer where the
// system has a positioned read; otherwise the stream is moved and read.
size_t ReadAt(std::FILE* f, int64_t pos, void* dst, size_t n) {
  if (!f || pos < 0 || n == 0) return 0;
#ifndef _WIN32
  if (pos <= std::numeric_limits<off_t>::max() - static_cast<int64_t>(n)) {
    // A regular file reads short only at its end.
    ssize_t got;
    do {
      got = pread(fileno(f), dst, n, static_cast<off_t>(pos));
    } while (got < 0 && errno == EINTR);
    return got > 0 ? static_cast<size_t>(got) : 0;
  }
#endif
  if (CHKRSL_FSEEK(f, pos, SEEK_SET) != 0) return 0;
  return std::fread(dst, 1, n, f);
}

}  // namespace

size_t StdioSource::Read(void* dst, size_t n) { return n ? std::fread(dst, 1, n, f_) : 0; }

int64_t StdioSource::BytesLeft() {
  if (size_ == -2) size_ = SizeOf(f_);
  const int64_t pos = Position();
  if (size_ < 0 || pos < 0) return -1;
  return size_ > pos ? size_ - pos : 0;
}

int64_t StdioSource::Position() { return static_cast<int64_t>(CHKRSL_FTELL(f_)); }

bool StdioSource::MoveTo(int64_t pos) { return pos >= 0 && CHKRSL_FSEEK(f_, pos, SEEK_SET) == 0; }

size_t MemorySource::Read(void* dst, size_t n) {
  n = std::min(n, size_ - at_);
  if (n) std::memcpy(dst, data_ + at_, n);
  at_ += n;
  return n;
}

const uint8_t* MemorySource::Borrow(size_t n) {
  if (size_ - at_ < n) return nullptr;
  const uint8_t* p = data_ + at_;
  at_ += n;
  return p;
}

bool MemorySource::MoveTo(int64_t pos) {
  if (pos < 0) return false;
  at_ = static_cast<size_t>(std::min<int64_t>(pos, static_cast<int64_t>(size_)));
  return true;
}

FileSource::~FileSource() { Close(); }

bool FileSource::Open(const std::string& path, size_t blockBytes) {
  Close();
  f_ = std::fopen(path.c_str(), "rb");
  if (!f_) return false;
  identity_ = IdentityOf(f_);
  size_ = identity_.known ? identity_.size : SizeOf(f_);
  blockBytes_ = blockBytes;
  if (size_ >= 0 && static_cast<uint64_t>(size_) < blockBytes_) {
    blockBytes_ = static_cast<size_t>(size_) + 1;
  }
  fill_ = std::min(blockBytes_, kFirstFillBytes);
  return true;
}

void FileSource::Close() {
  if (f_) std::fclose(f_);
  f_ = nullptr;
  block_.reset();
  at_ = end_ = 0;
  blockStart_ = 0;
  size_ = -1;
  identity_ = FileIdentity();
}

bool FileSource::Refill() {
  if (!f_) return false;
  if (!block_) block_.reset(new uint8_t[blockBytes_]);
  blockStart_ += static_cast<int64_t>(end_);
  at_ = end_ = 0;
  // Reads grow from a small first block, so that a read that wants only
  // the first entries does not pay for a large one.
  size_t want = fill_;
  fill_ = std::min(blockBytes_, fill_ * 2);
  if (size_ >= 0) {
    if (blockStart_ >= size_) return false;
    want = static_cast<size_t>(std::min<int64_t>(static_cast<int64_t>(want), size_ - blockStart_));
  }
  end_ = ReadAt(f_, blockStart_, block_.get(), want);
  return end_ > 0;
}

size_t FileSource::Read(void* dst, size_t n) {
  uint8_t* out = static_cast<uint8_t*>(dst);
  size_t done = 0;
  while (done < n) {
    if (at_ == end_ && !Refill()) break;
    const size_t chunk = std::min(n - done, end_ - at_);
    std::memcpy(out + done, block_.get() + at_, chunk);
    at_ += chunk;
    done += chunk;
  }
  return done;
}

const uint8_t* FileSource::Borrow(size_t n) {
  if (at_ == end_ && !Refill()) return nullptr;
  if (end_ - at_ < n) return nullptr;
  const uint8_t* p = block_.get() + at_;
  at_ += n;
  return p;
}

int64_t FileSource::BytesLeft() {
  if (size_ < 0) return -1;
  return size_ > Position() ? size_ - Position() : 0;
}

bool FileSource::MoveTo(int64_t pos) {
  if (pos < 0) return false;
  if (pos >= blockStart_ && pos <= blockStart_ + static_cast<int64_t>(end_)) {
    at_ = static_cast<size_t>(pos - blockStart_);
    return true;
  }
  blockStart_ = pos;
  at_ = end_ = 0;
  return true;
}

bool ReadExact(Source& in, void* dst, size_t n) { return n == 0 || in.Read(dst, n) == n; }

bool ReadI32(Source& in, int32_t& out) {
  uint8_t b[kInt32Bytes];
  if (!ReadExact(in, b, sizeof b)) return false;
  out = DecodeFixed32(b);
  return true;
}

bool CountFits(Source& in, int64_t count, int64_t itemBytes) {
  if (count < 0) return false;
  if (count == 0) return true;
  const int64_t left = in.BytesLeft();
  return left >= 0 && itemBytes > 0 && count <= left / itemBytes;
}

bool SkipForward(Source& in, int64_t n) {
  if (n < 0) return false;
  if (n == 0) return true;
  const int64_t left = in.BytesLeft();
  if (left < n) return false;
  return in.MoveTo(in.Position() + n);
}

bool PassOver(Source& in, int64_t n) {
  if (n < 0) return false;
  const int64_t left = in.BytesLeft();
  if (left < 0) return false;
  in.MoveTo(in.Position() + std::min(n, left));
  return left >= n;
}

}  // namespace io
}  // namespace chkrsl
