// The header of an entry of an element result file, as stored: element
// number, type code (negated for an energy-dissipating steel member) and
// section type, 12 bytes after the file's int32 entry count.
#pragma once

#include <cstdint>

namespace chkrsl {

constexpr int64_t kCountBytes = 4;
constexpr int64_t kEntryHeaderBytes = 12;

struct EntryHeader {
  int eleNo = 0;
  int storedCode = 0;
  int secType = 0;
};

// What reading an entry gave.
enum class EntryOutcome { kMissing, kSectionChanged, kRead };

}  // namespace chkrsl
