// The one place where the files the library writes are opened, written,
// flushed and closed. Production code goes straight through to stdio; a test
// can arm the seam to make one chosen write, flush or close fail the way a
// full disk or a lost network share does, and can count the files opened
// and closed to see that none is left open. Plain standard C, so it works
// the same on every platform.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>

namespace chkrsl {
namespace io {

// fopen(path, "wb"); null when it cannot be created.
std::FILE* OpenForWriting(const char* path);
// fwrite of all n bytes; false on a short write.
bool WriteToStream(std::FILE* f, const void* src, size_t n);
// fflush; false when it fails.
bool FlushStream(std::FILE* f);
// fclose; the stream is gone afterwards even when false is returned.
bool CloseStream(std::FILE* f);
// Whether a write on the stream has failed (its error indicator, or a
// failure the seam made).
bool StreamFailed(std::FILE* f);

// Control of the seam, for tests. Operations are the writes, flushes and
// closes that pass through it, counted from 0 since the last Arm.
struct WriteSeamCounts {
  int64_t operations = 0;
  int64_t opened = 0;
  int64_t closed = 0;
};
class WriteFaults {
 public:
  // Starts counting; operation `failAt` will fail (-1: none fails).
  static void Arm(int64_t failAt);
  // Stops counting and failing.
  static void Disarm();
  static WriteSeamCounts Counts();
};

}  // namespace io
}  // namespace chkrsl
