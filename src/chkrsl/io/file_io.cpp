#include "chkrsl/io/file_io.h"

#include <cstdio>

#include "chkrsl/io/write_seam.h"

#ifdef _WIN32
#define CHKRSL_FSEEK _fseeki64
#else
#define CHKRSL_FSEEK fseeko
#endif

namespace chkrsl {
namespace io {

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
