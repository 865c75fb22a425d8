#include "chkrsl/io/write_seam.h"

#include <atomic>

namespace chkrsl {
namespace io {
namespace {

// Unarmed, the seam costs one relaxed load per operation. Armed, it is
// meant for one test thread at a time; atomics keep it free of data races
// all the same (no std::mutex, which not every Windows toolchain has).
std::atomic<bool> armed{false};
std::atomic<int64_t> operations{0};
std::atomic<int64_t> opened{0};
std::atomic<int64_t> closed{0};
std::atomic<int64_t> failAt{-1};
std::atomic<std::FILE*> faultedStream{nullptr};  // the stream whose write was failed

bool Armed() { return armed.load(std::memory_order_relaxed); }

// Counts one operation; true when it is the one to fail.
bool FailThisOperation(std::FILE* f) {
  if (!Armed()) return false;
  const bool fail = operations.fetch_add(1) == failAt.load();
  if (fail) faultedStream.store(f);
  return fail;
}

}  // namespace

std::FILE* OpenForWriting(const char* path) {
  std::FILE* f = path ? std::fopen(path, "wb") : nullptr;
  if (f && Armed()) ++opened;
  return f;
}

bool WriteToStream(std::FILE* f, const void* src, size_t n) {
  if (!f) return false;
  if (n == 0) return true;
  if (FailThisOperation(f)) return false;
  return std::fwrite(src, 1, n, f) == n;
}

bool FlushStream(std::FILE* f) {
  if (!f) return false;
  if (FailThisOperation(f)) return false;
  return std::fflush(f) == 0;
}

bool CloseStream(std::FILE* f) {
  if (!f) return false;
  const bool failed = FailThisOperation(f);
  if (Armed()) {
    ++closed;
    std::FILE* expected = f;  // a later stream may get the same address
    faultedStream.compare_exchange_strong(expected, nullptr);
  }
  // A stream that reported a failure is closed all the same: the handle
  // must not outlive the call.
  return std::fclose(f) == 0 && !failed;
}

bool StreamFailed(std::FILE* f) {
  if (!f || std::ferror(f)) return true;
  return Armed() && faultedStream.load() == f;
}

void WriteFaults::Arm(int64_t failAtOperation) {
  operations = 0;
  opened = 0;
  closed = 0;
  failAt = failAtOperation;
  faultedStream = nullptr;
  armed = true;
}

void WriteFaults::Disarm() {
  armed = false;
  failAt = -1;
  faultedStream = nullptr;
}

WriteSeamCounts WriteFaults::Counts() {
  WriteSeamCounts c;
  c.operations = operations.load();
  c.opened = opened.load();
  c.closed = closed.load();
  return c;
}

}  // namespace io
}  // namespace chkrsl
