#include "chkrsl/io/file_io.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>
#include <utility>
#include <vector>

#include "chkrsl/io/write_seam.h"

#ifdef _WIN32
#include <io.h>
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

// The streams read ahead, innermost last; a load keeps a few open at once.
thread_local std::vector<ReadAhead*> tReadAheads;
constexpr size_t kFirstFillBytes = size_t{64} * 1024;

ReadAhead* ReadAheadOf(std::FILE* f) {
  for (auto it = tReadAheads.rbegin(); it != tReadAheads.rend(); ++it) {
    if ((*it)->file() == f) return *it;
  }
  return nullptr;
}

}  // namespace

size_t ReadUpTo(std::FILE* f, void* dst, size_t n) {
  if (!f || n == 0) return 0;
  if (ReadAhead* ra = ReadAheadOf(f)) return ra->Read(dst, n);
  return std::fread(dst, 1, n, f);
}

bool ReadExact(std::FILE* f, void* dst, size_t n) { return ReadUpTo(f, dst, n) == n; }

bool ReadI32(std::FILE* f, int32_t& out) {
  uint8_t b[kInt32Bytes];
  if (!ReadExact(f, b, sizeof b)) return false;
  out = DecodeFixed32(b);
  return true;
}

namespace {

int64_t SizeOf(std::FILE* f) {
  CHKRSL_STAT_T st;
  if (CHKRSL_FSTAT(CHKRSL_FILENO(f), &st) != 0) return -1;
  return static_cast<int64_t>(st.st_size);
}

// The streams whose size is taken as known, innermost last.
thread_local std::vector<std::pair<std::FILE*, int64_t>> tKnownSizes;

int64_t CurrentSize(std::FILE* f) {
  for (auto it = tKnownSizes.rbegin(); it != tKnownSizes.rend(); ++it) {
    if (it->first == f) return it->second;
  }
  return SizeOf(f);
}

}  // namespace

KnownFileSize::KnownFileSize(std::FILE* f) : f_(f) {
  if (!f) return;
  const int64_t pos = static_cast<int64_t>(CHKRSL_FTELL(f));
  if (pos >= 0) CHKRSL_FSEEK(f, pos, SEEK_SET);
  tKnownSizes.emplace_back(f, SizeOf(f));
}

KnownFileSize::KnownFileSize(std::FILE* f, int64_t size) : f_(f) {
  if (f && size >= 0) tKnownSizes.emplace_back(f, size);
}

KnownFileSize::~KnownFileSize() {
  if (!f_) return;
  for (auto it = tKnownSizes.end(); it != tKnownSizes.begin();) {
    if ((--it)->first == f_) {
      tKnownSizes.erase(it);
      return;
    }
  }
}

ReadAhead::ReadAhead(std::FILE* f, size_t blockBytes)
    : ReadAhead(f, blockBytes, f ? static_cast<int64_t>(CHKRSL_FTELL(f)) : 0,
                f ? CurrentSize(f) : -1) {}

ReadAhead::ReadAhead(std::FILE* f, size_t blockBytes, int64_t start, int64_t size)
    : f_(f), blockBytes_(blockBytes), blockStart_(start < 0 ? 0 : start), size_(size) {
  if (!f) return;
  if (size_ >= 0 && static_cast<uint64_t>(size_) < blockBytes_) {
    blockBytes_ = static_cast<size_t>(size_) + 1;
  }
  fill_ = std::min(blockBytes_, kFirstFillBytes);
  tReadAheads.push_back(this);
}

ReadAhead::~ReadAhead() {
  if (!f_) return;
  for (auto it = tReadAheads.end(); it != tReadAheads.begin();) {
    if (*--it == this) {
      tReadAheads.erase(it);
      break;
    }
  }
}

bool ReadAhead::Refill() {
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

size_t ReadAhead::Read(void* dst, size_t n) {
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

const uint8_t* ReadAhead::Borrow(size_t n) {
  if (at_ == end_ && !Refill()) return nullptr;
  if (end_ - at_ < n) return nullptr;
  const uint8_t* p = block_.get() + at_;
  at_ += n;
  return p;
}

const uint8_t* BorrowBytes(std::FILE* f, size_t n) {
  ReadAhead* ra = f ? ReadAheadOf(f) : nullptr;
  return ra ? ra->Borrow(n) : nullptr;
}

bool ReadAhead::MoveTo(int64_t pos) {
  if (pos < 0) return false;
  if (pos >= blockStart_ && pos <= blockStart_ + static_cast<int64_t>(end_)) {
    at_ = static_cast<size_t>(pos - blockStart_);
    return true;
  }
  blockStart_ = pos;
  at_ = end_ = 0;
  return true;
}

int64_t BytesLeft(std::FILE* f) {
  if (!f) return -1;
  if (const ReadAhead* ra = ReadAheadOf(f)) {
    if (ra->Size() < 0) return -1;
    return ra->Size() > ra->Position() ? ra->Size() - ra->Position() : 0;
  }
  const int64_t size = CurrentSize(f);
  if (size < 0) return -1;
  const int64_t pos = static_cast<int64_t>(CHKRSL_FTELL(f));
  if (pos < 0) return -1;
  return size > pos ? size - pos : 0;
}

int64_t Tell(std::FILE* f) {
  if (const ReadAhead* ra = ReadAheadOf(f)) return ra->Position();
  return f ? static_cast<int64_t>(CHKRSL_FTELL(f)) : -1;
}

bool SeekTo(std::FILE* f, int64_t pos) {
  if (ReadAhead* ra = ReadAheadOf(f)) return ra->MoveTo(pos);
  return f && pos >= 0 && CHKRSL_FSEEK(f, pos, SEEK_SET) == 0;
}

bool PositionWithinFile(std::FILE* f) {
  if (!f) return false;
  if (const ReadAhead* ra = ReadAheadOf(f)) return ra->Size() >= 0 && ra->Position() <= ra->Size();
  const int64_t size = CurrentSize(f);
  const int64_t pos = static_cast<int64_t>(CHKRSL_FTELL(f));
  return size >= 0 && pos >= 0 && pos <= size;
}

bool SkipForward(std::FILE* f, int64_t n) {
  if (n < 0) return false;
  if (n == 0) return true;
  const int64_t left = BytesLeft(f);
  if (left < n) return false;
  if (ReadAhead* ra = ReadAheadOf(f)) return ra->MoveTo(ra->Position() + n);
  return CHKRSL_FSEEK(f, n, SEEK_CUR) == 0;
}

bool PassOver(std::FILE* f, int64_t n) {
  constexpr int64_t kReadThrough = int64_t{64} * 1024;
  if (n < 0) return false;
  if (ReadAhead* ra = ReadAheadOf(f)) {
    // As a read through the span would: one the file does not hold whole
    // ends at the file's end.
    const int64_t left = BytesLeft(f);
    ra->MoveTo(ra->Position() + std::min(n, std::max<int64_t>(left, 0)));
    return left >= n;
  }
  if (n > kReadThrough) return CHKRSL_FSEEK(f, n, SEEK_CUR) == 0 && PositionWithinFile(f);
  uint8_t scratch[4096];
  while (n > 0) {
    const size_t chunk = static_cast<size_t>(n < 4096 ? n : 4096);
    if (!ReadExact(f, scratch, chunk)) return false;
    n -= static_cast<int64_t>(chunk);
  }
  return true;
}

bool CountFits(std::FILE* f, int64_t count, int64_t itemBytes) {
  if (count < 0) return false;
  if (count == 0) return true;
  const int64_t left = BytesLeft(f);
  return left >= 0 && itemBytes > 0 && count <= left / itemBytes;
}

size_t ReadAt(std::FILE* f, int64_t pos, void* dst, size_t n) {
  if (!f || pos < 0 || n == 0) return 0;
  uint8_t* out = static_cast<uint8_t*>(dst);
#ifndef _WIN32
  if (pos <= std::numeric_limits<off_t>::max() - static_cast<int64_t>(n)) {
    // A regular file reads short only at its end.
    ssize_t got;
    do {
      got = pread(fileno(f), out, n, static_cast<off_t>(pos));
    } while (got < 0 && errno == EINTR);
    return got > 0 ? static_cast<size_t>(got) : 0;
  }
#endif
  if (CHKRSL_FSEEK(f, pos, SEEK_SET) != 0) return 0;
  return std::fread(out, 1, n, f);
}

bool WriteBytes(std::FILE* f, const void* src, size_t n) { return WriteToStream(f, src, n); }

bool WriteWholeFile(const char* path, const void* src, size_t n) {
  std::FILE* f = OpenForWriting(path);
  if (!f) return false;
  const bool written = WriteBytes(f, src, n) && FlushStream(f);
  if (CloseStream(f) && written) return true;
  // Part of the contents would pass for the whole.
  std::remove(path);
  return false;
}

bool WriteCountAtStart(std::FILE* f, int32_t count) {
  if (!f || CHKRSL_FSEEK(f, 0, SEEK_SET) != 0) return false;
  uint8_t b[kInt32Bytes];
  EncodeFixed32(b, count);
  const bool ok = WriteBytes(f, b, sizeof b);
  return CHKRSL_FSEEK(f, 0, SEEK_END) == 0 && ok;
}

}  // namespace io
}  // namespace chkrsl
