#include "support/scan_readers.h"

#include "chkrsl/format/element_table.h"
#include "chkrsl/store/call.h"
#include "chkrsl/store/project_files.h"

namespace chkrsl_test {
namespace {

using Walls = CTypedPtrArray<CPtrArray, CHKRsl*>;
using Edges = CTypedPtrArray<CPtrArray, DataForWallEdge*>;

bool LookUpKindByScan(int eleNo, int& kind) {
  chkrsl::io::FileSource table;
  if (!chkrsl::OpenProjectFile("CHKTT", table, 64)) return false;
  chkrsl::TableCursor pairs(table);
  if (!pairs.ScanFor(eleNo)) return false;
  kind = pairs.kind();
  return true;
}

int ReadBoth(const CArray<int, int>& wallNos, const CArray<int, int>& edgeNos, Walls& walls, Edges& edges) {
  chkrsl::Alerts alerts;
  const int read = chkrsl::ReadWallsAndEdges(wallNos, edgeNos, walls, edges, alerts);
  alerts.Show();
  return read;
}

template <class Array, class Read>
int EachOrStop(Array& out, CArray<int, int>& nos, Read read) {
  out.SetSize(nos.GetSize());
  for (INT_PTR i = 0; i < nos.GetSize(); ++i) {
    if (!read(out[i], nos[i])) return 0;
  }
  return 1;
}

}  // namespace

int GetOneEleRslByScan(CHKRsl*& rec, int& kind, int eleNo) {
  if (kind == 0 && !LookUpKindByScan(eleNo, kind)) {
    chkrsl::AlertUtf8(chkrsl::msg::kNotChecked);
    return 0;
  }
  CArray<int, int> one, kinds;
  one.Add(eleNo);
  kinds.Add(kind);
  Walls got;
  chkrsl::Alerts alerts;
  const int read = chkrsl::GetEleRslByKind(got, one, kinds, one, alerts);
  alerts.Show();
  if (!read || got.GetSize() != 1) {
    chkrsl::DeleteAllRecords(got);
    return 0;
  }
  rec = got[0];
  return 1;
}

int GetAllEleRslByScan(Walls& out, CArray<int, int>& eleNos) {
  out.SetSize(eleNos.GetSize());
  int result = 1;
  for (INT_PTR i = 0; i < eleNos.GetSize(); ++i) {
    int scratch = 0;
    if (!GetOneEleRslByScan(out[i], scratch, eleNos[i])) result = 0;
  }
  return result;
}

int GetOneWallRslByScan(CHKRsl*& wall, int elementNo) {
  CArray<int, int> one;
  one.Add(elementNo);
  Walls walls;
  Edges noEdges;
  if (!ReadBoth(one, CArray<int, int>(), walls, noEdges)) return 0;
  wall = walls[0];
  return 1;
}

int GetOneEdgeRslByScan(DataForWallEdge*& edge, int edgeNo) {
  CArray<int, int> one;
  one.Add(edgeNo);
  Walls noWalls;
  Edges edges;
  if (!ReadBoth(CArray<int, int>(), one, noWalls, edges)) return 0;
  edge = edges[0];
  return 1;
}

int GetAllWallRslByScan(Walls& walls, CArray<int, int>& elementNos) {
  return EachOrStop(walls, elementNos, GetOneWallRslByScan);
}

int GetAllEdgeRslByScan(Edges& edges, CArray<int, int>& edgeNos) {
  return EachOrStop(edges, edgeNos, GetOneEdgeRslByScan);
}

}  // namespace chkrsl_test
