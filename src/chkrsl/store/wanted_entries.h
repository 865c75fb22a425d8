// Many wanted entries of one file served from one index of it: each gives
// exactly what a fresh forward scan for it alone would give, without the
// file being scanned once per entry. Nothing is shown here; callers show
// their messages in the order of their requests.
#pragma once

#include <vector>

#include "chkrsl/records/chk_rsl.h"
#include "chkrsl/records/wall.h"
#include "chkrsl/store/entry_scanner.h"

namespace chkrsl {

struct WantedEntry {
  int eleNo = 0;
  int expectedSecType = 0;
  CHKRsl* rec = nullptr;  // set when outcome is kRead; the caller's
  EntryOutcome outcome = EntryOutcome::kMissing;
};

// Reads every wanted entry of the result file `ext` as ScanForEntry would
// from the file's start. A file that cannot be opened leaves them missing.
void ReadWantedEntries(const char* ext, const std::vector<WantedEntry*>& wanted);

struct WantedEdge {
  int edgeNo = 0;
  DataForWallEdge* edge = nullptr;  // set when found whole; the caller's
};

// Reads every wanted edge of "Edge" as a forward scan for it would. False
// when the file cannot be opened.
bool ReadWantedEdges(const std::vector<WantedEdge*>& wanted);

// The structure kind of the first pair of eleNo in "CHKTT"; false when the
// table cannot be read or does not list it.
bool LookUpKindIndexed(int eleNo, int& kind);

}  // namespace chkrsl
