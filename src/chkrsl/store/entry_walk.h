// A walk over every entry of one result file, for tools that check or
// export whole files: each entry with its byte offset, its header and the
// record decoded by the library's own readers (the record table and each
// class's ReadRsl). Unlike the element readers it needs no design document
// and stops only where an entry cannot be passed over; an entry whose body
// does not decode is reported and passed over by the size its header gives.
#pragma once

#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>

#include "chkrsl/store/entry_scanner.h"

class CHKRsl;

namespace chkrsl {

struct WalkedEntry {
  int index = 0;       // 0-based position in the file
  int64_t offset = 0;  // of the entry's header from the start of the file
  EntryHeader header;
  int64_t bodyBytes = 0;  // after the header (and a concrete entry's length word)
  // The decoded record, or null when the body did not decode; it is the
  // walk's and is deleted after the visit.
  const CHKRsl* rec = nullptr;
  // Why rec is null, or "" (also set for a listed code the table reads as
  // a concrete-filled record although no class stores under it).
  std::string problem;
  // Something a reader should know of an entry that reads ("" when none).
  std::string note;
};

// What the walk of a file found apart from its entries.
struct WalkSummary {
  int declared = 0;  // the entry count the file states
  int walked = 0;    // entries handed to the visitor
  int64_t fileBytes = 0;
  // Why the walk ended before the declared count ("" when it did not), and
  // the offset at which it ended.
  std::string stop;
  int64_t stopOffset = 0;
};

// Walks a result file from its start, one entry per Next. Two walkers can
// go side by side (a comparison of two files).
class EntryWalker {
 public:
  // Reads the entry count of `f`, which stays the caller's.
  explicit EntryWalker(std::FILE* f);
  EntryWalker(const EntryWalker&) = delete;
  EntryWalker& operator=(const EntryWalker&) = delete;
  ~EntryWalker();

  // The next entry; its record lives until the next call. False after the
  // last entry, or where the walk has to stop (Summary().stop says why).
  bool Next(WalkedEntry& e);
  const WalkSummary& Summary() const { return s_; }

 private:
  bool Stop(const std::string& why);
  bool Fits(const WalkedEntry& e, int64_t lengthWord);
  bool PassOverUndecoded(WalkedEntry& e);
  int64_t EntryEnd(const WalkedEntry& e) const;
  void NoteDifferingCopies(WalkedEntry& e);
  std::FILE* f_;
  WalkSummary s_;
  int64_t offset_;
  CHKRsl* rec_ = nullptr;
};

// Walks `f` from its start. The visitor may keep nothing of the record.
WalkSummary WalkResultEntries(std::FILE* f, const std::function<void(const WalkedEntry&)>& visit);

// Whether the table of type codes names a class for this stored code
// (every other code is read as a concrete-filled record).
bool IsListedTypeCode(int storedCode);

}  // namespace chkrsl
