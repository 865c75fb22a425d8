// Every exported reader and writer of the result files is one call:
//
// - Reads share the result files and the library's writers have them alone
//   (a lock of this process), so that a read never takes a record from two
//   writes: a reader gets a whole record or a failure.
// - A call's messages are kept while it works and shown once it has let go
//   of the files, so that a host whose alerts wait on another thread can
//   never wait on a reader that waits on a writer.
#pragma once

#include <mutex>
#include <shared_mutex>
#include <vector>

namespace chkrsl {

// The messages of one call (UTF-8 texts of texts/messages.h).
class Alerts {
 public:
  void Add(const char* utf8) { texts_.push_back(utf8); }
  bool empty() const { return texts_.empty(); }
  // Shows each through acedAlert, in order, and forgets them.
  void Show();

 private:
  std::vector<const char*> texts_;
};

std::shared_mutex& ResultFilesLock();

// Runs `body(alerts)` while the result files are shared, then shows its
// messages; returns what the body returned.
template <class Body>
auto ReadCall(Body body) {
  Alerts alerts;
  std::shared_lock<std::shared_mutex> reading(ResultFilesLock());
  auto result = body(alerts);
  reading.unlock();
  alerts.Show();
  return result;
}

// The same for a writer, which has the result files alone.
template <class Body>
void WriteCall(Body body) {
  Alerts alerts;
  std::unique_lock<std::shared_mutex> writing(ResultFilesLock());
  body(alerts);
  writing.unlock();
  alerts.Show();
}

}  // namespace chkrsl
