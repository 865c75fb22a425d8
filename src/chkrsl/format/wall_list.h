// "CHKWT", the wall list: an int32 count W, W wall element numbers, then
// the number of wall edges E (edges are numbered 1 to E in "Edge").
#pragma once

#include <cstdint>

#include "chkrsl/format/reporter.h"
#include "chkrsl/platform/afx.h"

namespace chkrsl {
namespace io {
class Source;
}

struct WallList {
  CArray<int, int> walls;
  bool wallsRead = false;  // W and the W numbers are whole and sound
  int edges = 0;
  bool edgesRead = false;  // and E after them, not negative
};

// Reads the wall list from the start of `in`; what cannot be read is told
// to the reporter and left unread.
void ReadWallList(io::Source& in, WallList& list, Reporter* reporter = nullptr);

}  // namespace chkrsl
