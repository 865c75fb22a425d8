// What a cursor says of the file it walks: each problem with the byte
// offset it concerns, the element where there is one, and why. The
// library's readers walk without a reporter (a problem is then a missing
// result); the tool's verify prints what it is told.
#pragma once

#include <cstdint>
#include <string>

namespace chkrsl {

constexpr int kNoElement = -1;

// Makes a cursor for JumpTo alone, as a reader led by an index wants it: the
// entry count at the file's start is not read, and Next finds nothing.
struct JumpsOnly {};

class Reporter {
 public:
  virtual ~Reporter() = default;
  // Something that makes an entry (or what follows it) unreadable.
  virtual void Problem(int64_t offset, int element, const std::string& reason) = 0;
  // Something that reads, but is worth knowing.
  virtual void Note(int64_t, int, const std::string&) {}
};

// Tells `r`, when there is one, a problem whose reason `why()` composes
// only then.
template <class Why>
void Report(Reporter* r, int64_t offset, int element, Why why) {
  if (r) r->Problem(offset, element, why());
}

}  // namespace chkrsl
