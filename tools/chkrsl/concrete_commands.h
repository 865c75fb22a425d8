// The tool's commands for walls, wall edges and the display info of
// concrete members, walls and edges. Each returns the exit code.
#pragma once

#include <vector>

#include "commands.h"

namespace chkrsl_cli {

// Every wall of "CHKWT" and every wall edge, one row each.
int ListWalls(const Output& o);

// The whole record of one wall element or one edge.
int ShowWall(int eleNo, const Output& o);
int ShowEdge(int edgeNo, const Output& o);

// What the display info command describes.
enum class InfoKind { kMember, kWall, kEdge };

// The display structures the host would receive for the numbers that have
// one; each other number is named on the error stream with the reason, and
// the exit is then 1.
int PrintDisplayInfo(InfoKind kind, const std::vector<int>& numbers, const Output& o);

}  // namespace chkrsl_cli
