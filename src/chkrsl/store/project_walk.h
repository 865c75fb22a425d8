// Walking a project's result files for programs that check, export or
// compare whole projects: every entry with its byte offset and what is
// wrong with it, and every element of the element table, wall and edge
// with the answer the readers give it. Both walk the readers' own cursors, so that what
// they say is what GetOneEleRsl does. Memory does not grow with the
// project: a record lives only while it is visited.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "chkrsl/export.h"
#include "chkrsl/format/entry_header.h"

class CHKRsl;
class DataForWallEdge;

namespace chkrsl {

// One entry of a result file as the walk met it.
struct WalkedEntry {
  int index = 0;       // 0-based position in the file
  int64_t offset = 0;  // of the entry's header from the start of the file
  EntryHeader header;
  // Whether a forward scan for its number stops at this entry: its number is
  // above every earlier one. Readers never reach the others.
  bool reachable = false;
  // The decoded record (with the entry's own section type), or null; it
  // is the walk's and lives until the next entry.
  const CHKRsl* rec = nullptr;
  std::string problem;  // why rec is null
  std::string note;     // something worth knowing of an entry that reads
};

// What the walk of a file found apart from its entries.
struct WalkSummary {
  int declared = 0;  // entries the file's count declares (0 when unsound)
  int walked = 0;    // entries handed out
  int64_t fileBytes = 0;
  // Problems that are no entry's: an unsound count, or why the walk ended
  // before the declared count, and where.
  std::string stop;
  int64_t stopOffset = 0;
};

// Walks one result file (the element result files and "CHKCW") from its
// start, one entry per Next. An entry whose body does not decode is told
// and passed over; the walk stops only where an entry cannot be passed
// over, as the readers' scans do.
class CHKRSL_API EntryWalker {
 public:
  explicit EntryWalker(const std::string& path);
  EntryWalker(const EntryWalker&) = delete;
  EntryWalker& operator=(const EntryWalker&) = delete;
  ~EntryWalker();

  bool opened() const;
  // The next entry; false after the last, or where the walk stops.
  bool Next(WalkedEntry& e);
  // The current entry's bytes as stored, header to end (`n` of them), for
  // comparing entries without decoding them; valid until the next call.
  // Null when they cannot be read.
  const uint8_t* StoredBytes(size_t& n);
  const WalkSummary& Summary() const;

 private:
  struct State;
  std::unique_ptr<State> s_;
};

// What the readers give one element of the element table.
struct ElementResult {
  int eleNo = 0;
  int kind = 0;                // of its first pair in "CHKTT"
  const char* file = nullptr;  // its result file; null when it has none
  int64_t offset = -1;         // of the entry a scan for it stops at; -1 when none
  bool read = false;
  const CHKRsl* rec = nullptr;  // when read; lives during the visit
  std::string problem;          // why not read
};

// Visits every element of "CHKTT" once (the first pair of each number)
// with what GetOneEleRsl gives it, given the document's section types:
// file by file in ascending element number, then the elements without a
// result file. False when "CHKTT" cannot be read.
CHKRSL_API bool WalkElementResults(const std::function<void(const ElementResult&)>& visit);

// What GetOneWallRsl (or GetOneEdgeRsl) gives the number of one entry of
// "CHKCW" (or "Edge").
struct StoredResult {
  int number = 0;
  int64_t offset = 0;  // of the entry from the start of the file
  // Whether the read of `number` hands out this entry's record: not when
  // the entry stands after a higher number, where a scan stops first.
  bool read = false;
  const CHKRsl* wall = nullptr;           // when a wall was read; lives during the visit
  const DataForWallEdge* edge = nullptr;  // when an edge was read; lives during the visit
  std::string problem;                    // why not read
};

// Visit every entry of "CHKCW" (walls) or "Edge" (edges) in file order
// with what the single reader gives its number. `summary` tells what the
// walk found apart from the entries. False when the file cannot be opened.
CHKRSL_API bool WalkWallResults(const std::function<void(const StoredResult&)>& visit, WalkSummary& summary);
CHKRSL_API bool WalkEdgeResults(const std::function<void(const StoredResult&)>& visit, WalkSummary& summary);

}  // namespace chkrsl
