// "EFFAL", the effective areas of aluminium-alloy members: an int32 entry
// count, then entries in ascending element number, each the element
// number, a length word L and L bytes (bEff and five counted lists of
// five doubles). An entry must fill its length word exactly: the length
// passes over earlier entries, so one that disagrees would leave a scan
// inside it.
#pragma once

#include <cstdint>

#include "chkrsl/format/reporter.h"

class DataForEffArea;

namespace chkrsl {
namespace io {
class Source;
}

class EffAreaCursor {
 public:
  // A count the file cannot hold reads as no entries.
  explicit EffAreaCursor(io::Source& in, Reporter* reporter = nullptr);
  EffAreaCursor(const EffAreaCursor&) = delete;
  EffAreaCursor& operator=(const EffAreaCursor&) = delete;

  int declared() const { return declared_; }
  // Passes over the current entry by its length word and reads the next
  // element number and length word. False after the last entry, or where
  // the file ends first or a length word is unsound.
  bool Next();
  // ScanForward (scan.h): on to the first entry whose number is not below.
  bool ScanFor(int eleNo);
  int number() const { return eleNo_; }
  int64_t offset() const { return offset_; }
  // The current entry's record (the caller's), or null when the file does
  // not hold it whole or it does not fill its length word.
  DataForEffArea* Read();

 private:
  io::Source& in_;
  Reporter* reporter_;
  bool current_ = false;
  int declared_ = 0;
  int consumed_ = 0;
  int eleNo_ = 0;
  int32_t length_ = 0;
  int64_t offset_ = 0;
};

}  // namespace chkrsl
