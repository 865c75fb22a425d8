// The tool's commands for walls, wall edges and the display info of
// concrete members, walls and edges.
#pragma once

#include <ostream>
#include <vector>

namespace chkrsl_cli {

// Lists every wall of "CHKWT" and every wall edge. Returns the exit code.
int ListWalls(std::ostream& out);

// Shows the whole record of one wall element or one edge.
int ShowWall(int eleNo, std::ostream& out);
int ShowEdge(int edgeNo, std::ostream& out);

// What the display info command describes.
enum class InfoKind { kMember, kWall, kEdge };

// Prints the display structures the host would receive for the numbers.
int PrintDisplayInfo(InfoKind kind, const std::vector<int>& numbers, std::ostream& out);

}  // namespace chkrsl_cli
