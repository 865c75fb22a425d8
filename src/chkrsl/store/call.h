// Every exported reader and writer of the result files is one call (see
// texts/alerts.h):
//
// - Reads share the result files and the library's writers have them alone
//   (a lock of this process), so that a read never takes a record from two
//   writes: a reader gets a whole record or a failure.
// - A call's messages are shown once it has let go of the files, so that a
//   host whose alerts wait on another thread can never wait on a reader
//   that waits on a writer.
#pragma once

#include <mutex>
#include <shared_mutex>

#include "chkrsl/texts/alerts.h"

namespace chkrsl {

std::shared_mutex& ResultFilesLock();

// A call during which the result files are shared.
template <class Body, class Undo>
auto ReadCall(Body body, Undo undo) noexcept {
  return Call(
      [&](Alerts& alerts) {
        std::shared_lock<std::shared_mutex> reading(ResultFilesLock());
        return body(alerts);
      },
      undo);
}

template <class Body>
auto ReadCall(Body body) noexcept {
  return ReadCall(body, [] {});
}

// A call of a writer, which has the result files alone.
template <class Body>
void WriteCall(Body body) noexcept {
  Call([&](Alerts& alerts) {
    std::unique_lock<std::shared_mutex> writing(ResultFilesLock());
    body(alerts);
    return 0;
  });
}

}  // namespace chkrsl
