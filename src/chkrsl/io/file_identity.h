// Which file an open stream is, and in what state: enough to tell whether a
// file is still the very file something was learnt from.
#pragma once

#include <cstdint>
#include <cstdio>

namespace chkrsl {
namespace io {

struct FileIdentity {
  uint64_t device = 0;    // POSIX st_dev; Windows volume serial number
  uint64_t file = 0;      // POSIX st_ino; Windows file index
  int64_t size = -1;
  int64_t modified = 0;   // POSIX mtime in ns; Windows last write time (100 ns)
  bool known = false;

  bool operator==(const FileIdentity& o) const {
    return known && o.known && device == o.device && file == o.file && size == o.size &&
           modified == o.modified;
  }
  bool operator!=(const FileIdentity& o) const { return !(*this == o); }
};

// The identity of an open file; `known` is false when the system cannot say.
FileIdentity IdentityOf(std::FILE* f);

// Whether the file was last written well before `since` (the same clock, in
// the units of `modified`), so that any later write must change its
// modification time even on file systems with coarse timestamps.
bool ModifiedLongBefore(const FileIdentity& id, int64_t since);

// Now, on the clock of FileIdentity::modified.
int64_t FileClockNow();

}  // namespace io
}  // namespace chkrsl
