// Where the entries of a file are, learnt in one walk of its cursor, so that
// a list of wanted elements and repeated single reads need not scan the file
// again. An index answers only for the very file it was built from (same
// identity, size and modification time); find_entry.h checks every entry it
// points to before it is read.
//
// Kept indexes are shared between threads as immutable snapshots: a reader
// holds its snapshot while a write or DropEntryIndexes replaces or drops
// the kept one.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "chkrsl/store/host_controls.h"
#include "chkrsl/io/file_identity.h"

namespace chkrsl {

// An entry at which the numbers reach a new maximum: a scan for any number
// n stops at the first such entry whose number is not below n. (In
// "CHKTT" the first pair of each number, sorted.)
struct EntryMark {
  int64_t pos = 0;  // of the entry's first byte
  int32_t eleNo = 0;
  int32_t code = 0;  // stored type code; the structure kind in "CHKTT"; 0 in "Edge"
};

struct EntryIndex {
  io::FileIdentity identity;
  std::vector<EntryMark> marks;  // ascending in number

  // The entry a scan for eleNo stops at; null when the scan ends first.
  const EntryMark* StopFor(int eleNo) const;
};

// Which cursor walks a file.
enum class EntryLayout {
  kResult,  // element and wall result files
  kEdge,    // "Edge"
  kTable,   // "CHKTT"
};

// The index of the file at `path`, which the caller has open with
// `identity`: the kept one while it is for that identity (unless `fresh`),
// else one built now by a walk of its own (`built` says which). Null when
// the file at `path` is no longer the caller's file: nothing can be known.
// An index is kept only when the file was written well before the walk
// began, so that a later write must change its identity.
std::shared_ptr<const EntryIndex> IndexOf(const std::string& path, const io::FileIdentity& identity,
                                          EntryLayout layout, bool fresh, bool& built);

// Forgets the index of the file at `path`; writers call it before they
// rewrite a file.
void ForgetEntryIndex(const std::string& path);

// Whether every kept index has its place in the order of use, and the
// marks counted are theirs (for tests).
bool KeptIndexesConsistent();

// Marks kept for all files together (16 bytes each); beyond it the least
// recently used indexes go.
size_t KeptMarksBound();

}  // namespace chkrsl
