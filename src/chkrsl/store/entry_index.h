// Where the entries of a result file are, learnt in one pass over it, so
// that a list of wanted elements and repeated single reads need not scan
// the file again. An index answers only for the very file it was built
// from (same identity, size and modification time), and every entry it
// points to is checked (number, type code) before it is read.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "chkrsl/export.h"
#include "chkrsl/io/file_identity.h"

namespace chkrsl {

// An entry at which the element numbers reach a new maximum: a scan for
// any number n stops at the first such entry whose number is not below n.
// (In "CHKTT" the first pair of each number.)
struct EntryMark {
  int64_t pos = 0;  // of the entry's first byte
  int32_t eleNo = 0;
  int32_t code = 0;  // stored type code (0 in files whose entries have none)
};

struct EntryIndex {
  io::FileIdentity identity;
  std::vector<EntryMark> marks;  // ascending in position and number

  // The entry a forward scan for eleNo stops at; null when it ends first.
  const EntryMark* StopFor(int eleNo) const;
};

// How the entries of a file are laid out.
enum class EntryLayout {
  kResult,  // count, then 12-byte headers and bodies (element result files)
  kEdge,    // count, then element number and a fixed payload ("Edge")
  kTable,   // "CHKTT": count, then element number and structure kind; a
            // mark for the first pair of every number, its kind as code
};

// The index of the file at `path` whose open stream has `identity`: the
// kept one while it still matches, else one built now by a pass from the
// file's start (`built` tells which). `fresh` forces a new pass.
// Indexes of files written moments before are used but not kept, since a
// second write within the file system's timestamp granularity could go
// unnoticed.
// The reference stays valid until the next call.
const EntryIndex& IndexOf(const std::string& path, const io::FileIdentity& identity,
                          EntryLayout layout, bool fresh, bool* built);

// Reads the first 8 bytes of the entry `m` points to and checks that they
// still hold its number (and type code); the stream then stands after them.
bool EntryStillThere(std::FILE* f, const EntryMark& m, EntryLayout layout);

// Forgets the index of the file at `path`; writers call it before they
// rewrite a file.
void ForgetEntryIndex(const std::string& path);

namespace host {

// Drops every kept entry index; the next read scans again. For hosts that
// want the memory back or rewrite result files behind the library's back
// with timestamps the file system cannot tell apart.
CHKRSL_API void DropEntryIndexes();

}  // namespace host
}  // namespace chkrsl
