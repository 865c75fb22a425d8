#include "chkrsl/io/file_identity.h"

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <sys/stat.h>
#include <time.h>
#endif

namespace chkrsl {
namespace io {
namespace {

// Timestamps of some file systems are two seconds coarse; a file written
// less than this before an index was built may be written again without a
// visible change of its time.
#ifdef _WIN32
constexpr int64_t kTicksPerSecond = 10000000;  // 100 ns
#else
constexpr int64_t kTicksPerSecond = 1000000000;  // 1 ns
#endif
constexpr int64_t kCoarsestTimestamp = 2 * kTicksPerSecond;

}  // namespace

#ifdef _WIN32

FileIdentity IdentityOf(std::FILE* f) {
  FileIdentity id;
  if (!f) return id;
  const HANDLE h = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(f)));
  BY_HANDLE_FILE_INFORMATION info;
  if (h == INVALID_HANDLE_VALUE || !GetFileInformationByHandle(h, &info)) return id;
  id.device = info.dwVolumeSerialNumber;
  id.file = (static_cast<uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
  id.size = static_cast<int64_t>((static_cast<uint64_t>(info.nFileSizeHigh) << 32) |
                                 info.nFileSizeLow);
  id.modified = static_cast<int64_t>(
      (static_cast<uint64_t>(info.ftLastWriteTime.dwHighDateTime) << 32) |
      info.ftLastWriteTime.dwLowDateTime);
  id.known = true;
  return id;
}

int64_t FileClockNow() {
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  return static_cast<int64_t>((static_cast<uint64_t>(now.dwHighDateTime) << 32) |
                              now.dwLowDateTime);
}

#else

FileIdentity IdentityOf(std::FILE* f) {
  FileIdentity id;
  struct stat st;
  if (!f || fstat(fileno(f), &st) != 0) return id;
  id.device = static_cast<uint64_t>(st.st_dev);
  id.file = static_cast<uint64_t>(st.st_ino);
  id.size = static_cast<int64_t>(st.st_size);
#ifdef __APPLE__
  const struct timespec& m = st.st_mtimespec;
#else
  const struct timespec& m = st.st_mtim;
#endif
  id.modified = static_cast<int64_t>(m.tv_sec) * kTicksPerSecond + m.tv_nsec;
  id.known = true;
  return id;
}

int64_t FileClockNow() {
  struct timespec now;
  clock_gettime(CLOCK_REALTIME, &now);
  return static_cast<int64_t>(now.tv_sec) * kTicksPerSecond + now.tv_nsec;
}

#endif

bool ModifiedLongBefore(const FileIdentity& id, int64_t since) {
  return id.known && id.modified < since - kCoarsestTimestamp;
}

}  // namespace io
}  // namespace chkrsl
