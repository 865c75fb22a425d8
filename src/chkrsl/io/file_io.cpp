#include "chkrsl/io/file_io.h"

#include <sys/stat.h>

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
#define CHKRSL_FSTAT fstat
#define CHKRSL_STAT_T struct stat
#define CHKRSL_FILENO fileno
#define CHKRSL_FTELL ftello
#define CHKRSL_FSEEK fseeko
#endif

namespace chkrsl {
namespace io {

size_t ReadUpTo(std::FILE* f, void* dst, size_t n) {
  if (!f || n == 0) return 0;
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

int64_t BytesLeft(std::FILE* f) {
  if (!f) return -1;
  const int64_t size = CurrentSize(f);
  if (size < 0) return -1;
  const int64_t pos = static_cast<int64_t>(CHKRSL_FTELL(f));
  if (pos < 0) return -1;
  return size > pos ? size - pos : 0;
}

int64_t Tell(std::FILE* f) { return f ? static_cast<int64_t>(CHKRSL_FTELL(f)) : -1; }

bool SeekTo(std::FILE* f, int64_t pos) {
  return f && pos >= 0 && CHKRSL_FSEEK(f, pos, SEEK_SET) == 0;
}

bool PositionWithinFile(std::FILE* f) {
  if (!f) return false;
  const int64_t size = CurrentSize(f);
  const int64_t pos = static_cast<int64_t>(CHKRSL_FTELL(f));
  return size >= 0 && pos >= 0 && pos <= size;
}

bool SkipForward(std::FILE* f, int64_t n) {
  if (n < 0) return false;
  if (n == 0) return true;
  const int64_t left = BytesLeft(f);
  if (left < n) return false;
  return CHKRSL_FSEEK(f, n, SEEK_CUR) == 0;
}

bool PassOver(std::FILE* f, int64_t n) {
  constexpr int64_t kReadThrough = int64_t{64} * 1024;
  if (n < 0) return false;
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
