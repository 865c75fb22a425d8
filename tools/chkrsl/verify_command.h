// chkrsl verify: every result file of the project walked entry by entry,
// each problem reported on its own line with file, byte offset and element.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "commands.h"

namespace chkrsl_cli {

// The wall list "CHKWT" of the open project: its wall numbers and edge count.
struct WallList {
  bool present = false;  // the file could be opened
  bool read = false;     // and read whole
  std::vector<int> walls;
  int edges = 0;
  std::string problem;  // why it was not read whole, at problemOffset
  int64_t problemOffset = 0;
};
WallList ReadWallList();

// Exit 0 when nothing is wrong, 1 when problems were found, 2 when the
// element table cannot be read.
int VerifyProject(const Output& o);

}  // namespace chkrsl_cli
