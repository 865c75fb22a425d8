#include "concrete_commands.h"

#include <cstdio>

#include "chkrsl/chkrsl.h"
#include "concrete_format.h"
#include "record_format.h"

namespace chkrsl_cli {
namespace {

using WallArray = CTypedPtrArray<CPtrArray, CHKRsl*>;
using EdgeArray = CTypedPtrArray<CPtrArray, DataForWallEdge*>;

void PrintWallRow(std::ostream& out, const CHKRsl& rec) {
  char row[96];
  std::snprintf(row, sizeof row, "wall %7d  %-25s  %6d  ", rec.eleNo,
                RecordClassName(rec).c_str(), rec.checkStatus);
  out << row << SummaryValues(rec) << "\n";
}

void PrintEdgeRow(std::ostream& out, const DataForWallEdge& edge) {
  char row[32];
  std::snprintf(row, sizeof row, "edge %7d  ", edge.edgeNo);
  out << row << EdgeSummary(edge) << "\n";
}

AcIntArray ToAcArray(const std::vector<int>& numbers) {
  AcIntArray out;
  for (int n : numbers) out.append(n);
  return out;
}

template <class Info, class Describe>
int PrintInfo(bool (*get)(AcIntArray&, Info*&), const std::vector<int>& numbers,
              Describe describe, std::ostream& out) {
  AcIntArray ac = ToAcArray(numbers);
  Info* info = nullptr;
  if (!get(ac, info)) return 1;
  for (size_t i = 0; i < numbers.size(); ++i) describe(numbers[i], info[i], out);
  ReleaseChkInfo(info);
  return 0;
}

}  // namespace

int ListWalls(std::ostream& out) {
  WallArray walls;
  EdgeArray edges;
  const int status = GetAllBoardRsl(walls, edges) ? 0 : 1;
  for (INT_PTR i = 0; i < walls.GetSize(); ++i) PrintWallRow(out, *walls[i]);
  for (INT_PTR i = 0; i < edges.GetSize(); ++i) PrintEdgeRow(out, *edges[i]);
  chkrsl::DeleteAllRecords(walls);
  chkrsl::DeleteAllEdges(edges);
  return status;
}

int ShowWall(int eleNo, std::ostream& out) {
  CHKRsl* wall = nullptr;
  if (!GetOneWallRsl(wall, eleNo)) return 1;
  DescribeRecord(*wall, out);
  delete wall;
  return 0;
}

int ShowEdge(int edgeNo, std::ostream& out) {
  DataForWallEdge* edge = nullptr;
  if (!GetOneEdgeRsl(edge, edgeNo)) return 1;
  DescribeEdge(*edge, out);
  delete edge;
  return 0;
}

int PrintDisplayInfo(InfoKind kind, const std::vector<int>& numbers, std::ostream& out) {
  switch (kind) {
    case InfoKind::kMember: return PrintInfo(GetCTMemberChkInfo, numbers, DescribeMemberInfo, out);
    case InfoKind::kWall: return PrintInfo(GetCTWallChkInfo, numbers, DescribeWallInfo, out);
    case InfoKind::kEdge: return PrintInfo(GetCTEdgeChkInfo, numbers, DescribeEdgeInfo, out);
  }
  return 1;
}

}  // namespace chkrsl_cli
