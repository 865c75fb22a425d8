// Many wanted entries of one file, each read as a forward scan for it alone
// would read it, through find_entry.h. Nothing is shown here; callers show
// their messages in the order of their requests.
#pragma once

#include <memory>
#include <vector>

#include "chkrsl/format/result_file.h"
#include "chkrsl/records/chk_rsl.h"
#include "chkrsl/records/wall.h"

namespace chkrsl {

struct WantedEntry {
  int eleNo = 0;
  int expectedSecType = 0;
  std::unique_ptr<CHKRsl> rec;  // set when outcome is kRead
  EntryOutcome outcome = EntryOutcome::kMissing;
};

// Reads every wanted entry of the result file `ext`. A file that cannot be
// opened leaves them missing.
void ReadWantedEntries(const char* ext, const std::vector<WantedEntry*>& wanted);

struct WantedEdge {
  int edgeNo = 0;
  std::unique_ptr<DataForWallEdge> edge;  // set when found whole
};

// Reads every wanted edge of "Edge". False when the file cannot be opened.
bool ReadWantedEdges(std::vector<WantedEdge>& wanted);

// The structure kind of the first pair of eleNo in "CHKTT"; false when the
// table cannot be read or does not list it.
bool LookUpKind(int eleNo, int& kind);

}  // namespace chkrsl
