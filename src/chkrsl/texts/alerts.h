// The boundary of every exported function a host calls, and the messages
// it shows.
//
// Nothing thrown inside a call leaves it. An exception that leaves the DLL
// is undefined when host and library come from different compilers, and a
// host whose message loop catches only its framework's exceptions ends with
// the engineer's model unsaved. Running out of memory (or any other
// exception of the standard library) ends the call instead: what the call
// made is freed as the stack unwinds, its `undo` leaves its outputs as its
// other failures do, "内存不足，操作未完成!" is the one message shown, and
// the call returns its failure value (0, false).
//
// A call's messages are kept while it works and shown when it ends, so
// that a call that gives up shows only why.
#pragma once

#include <vector>

namespace chkrsl {

// The messages of one call (UTF-8 texts of texts/messages.h).
class Alerts {
 public:
  void Add(const char* utf8) { texts_.push_back(utf8); }
  // The call could not finish: only the out-of-memory message is shown.
  void Abandon() noexcept { abandoned_ = true; }
  // Shows each through acedAlert, in order, and forgets them. A message
  // that cannot be shown (not even the memory to convert it is left) is
  // dropped.
  void Show() noexcept;

 private:
  std::vector<const char*> texts_;
  bool abandoned_ = false;
};

// Runs `body(alerts)` as one call and shows its messages; returns what the
// body returned, or, when anything was thrown, runs `undo` (which must not
// throw) and returns the value-initialised result.
template <class Body, class Undo>
auto Call(Body body, Undo undo) noexcept {
  Alerts alerts;
  decltype(body(alerts)) result{};
  try {
    result = body(alerts);
  } catch (...) {
    undo();
    alerts.Abandon();
  }
  alerts.Show();
  return result;
}

template <class Body>
auto Call(Body body) noexcept {
  return Call(body, [] {});
}

}  // namespace chkrsl
