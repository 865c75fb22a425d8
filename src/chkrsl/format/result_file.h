// The element result files ("CHKLS" ... "CHKCT") and the wall results
// "CHKCW": an int32 entry count, then the entries in ascending element
// number, each a 12-byte header and a body.
//
//   entry header: 0 element number, 4 type code as stored (negated for an
//   energy-dissipating steel member), 8 section type
//   body: as many bytes as the record table gives the code and section
//   type, or, for the concrete codes, an int32 length word L and L bytes
//
// ResultCursor is the one way to walk such a file: the element readers,
// the entry index and the tool all go through it, so that every one of them
// judges an entry alike. The entry rule: an entry is read exactly as it is
// passed over, or it is corrupt.
#pragma once

#include <cstdint>

#include "chkrsl/format/entry_header.h"
#include "chkrsl/format/reporter.h"

class CHKRsl;

namespace chkrsl {
namespace io {
class Source;
}

class ResultCursor {
 public:
  // Reads the entry count at the start of `in`, which stays the caller's. A
  // count the file cannot hold reads as no entries.
  explicit ResultCursor(io::Source& in, Reporter* reporter = nullptr);
  ResultCursor(io::Source& in, JumpsOnly);
  ResultCursor(const ResultCursor&) = delete;
  ResultCursor& operator=(const ResultCursor&) = delete;

  int declared() const { return declared_; }
  // Headers read so far; the current entry is number consumed() - 1.
  int consumed() const { return consumed_; }
  // Where the walk ended: after the last entry, or where it stopped.
  int64_t endOffset() const { return stopped_ ? offset_ : next_; }

  // Passes over the current entry and reads the next header. False after
  // the last declared entry, or where the walk stops: a header the file does
  // not hold whole, an entry that cannot be passed over.
  bool Next();
  // ScanForward (scan.h): on to the first entry whose number is not below.
  bool ScanFor(int eleNo);
  // Makes the entry at `offset` (where an index says one starts) the
  // current one, outside the count. False when its header is not there.
  bool JumpTo(int64_t offset);

  const EntryHeader& header() const { return header_; }
  int number() const { return header_.eleNo; }
  int code() const { return header_.storedCode; }
  int64_t offset() const { return offset_; }
  // Bytes of the current entry, header included; -1 when it cannot be
  // passed over (told to the reporter).
  int64_t EntryBytes();

  // Reads the current entry. kSectionChanged, reading nothing, when its
  // section type is not `expectedSecType`; kMissing when it is corrupt or
  // not whole (told to the reporter); kRead with `rec` set, the caller's.
  EntryOutcome Read(int expectedSecType, CHKRsl*& rec);
  // Reads the current entry with its own section type.
  CHKRsl* Decode();

 private:
  bool Stop();
  bool ReadHeaderAt(int64_t offset);
  void NoteDifferingCopies(const CHKRsl& rec);
  io::Source& in_;
  Reporter* reporter_;
  int declared_ = 0;
  int consumed_ = 0;
  bool stopped_ = false;
  bool current_ = false;
  int64_t fileBytes_ = 0;
  int64_t offset_ = 0;   // of the current entry
  int64_t next_ = 0;     // where the next entry starts, once known
  int64_t entryBytes_ = 0;  // of the current entry, once known (0: not yet)
  EntryHeader header_;
};

}  // namespace chkrsl
