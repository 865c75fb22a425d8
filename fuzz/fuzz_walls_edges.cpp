// Wall and edge files. Input: two 16-bit lengths A and B, then A bytes of
// the wall list "CHKWT", B bytes of the wall results "CHKCW" and the rest
// as the edge results "Edge". Oracle: the bulk read succeeds exactly when
// every wall and edge of the list reads on its own (when the list ascends,
// as written lists do), the list forms agree with the one-element reads,
// the display calls succeed with the list forms, and every wall read
// writes back the bytes it was read from.
#include <cstring>

#include "fuzz_project.h"

namespace {

using fuzz::Bytes;

bool SameEdge(const DataForWallEdge* a, const DataForWallEdge* b) {
  return a->edgeNo == b->edgeNo && std::memcmp(a->dRsl, b->dRsl, sizeof a->dRsl) == 0 &&
         a->bFlag[0] == b->bFlag[0] && a->nRsl[0] == b->nRsl[0] && a->nRsl[1] == b->nRsl[1];
}

void Check(const uint8_t* data, size_t size) {
  if (size < 4 || size > 1 << 16) return;
  const fuzz::InputScope input;
  size_t a = data[0] | (data[1] << 8), b = data[2] | (data[3] << 8);
  data += 4;
  size -= 4;
  if (a > size) a = size;
  if (b > size - a) b = size - a;
  const Bytes list(data, data + a), wallFile(data + a, data + a + b);
  fuzz::WriteProjectFile("CHKWT", list);
  fuzz::WriteProjectFile("CHKCW", wallFile);
  fuzz::WriteProjectFile("Edge", data + a + b, size - a - b);
  GetQMpDoc()->SetElementSecType(0, 29);

  // The list as the readers should see it, when it is small and sound.
  const int32_t w = fuzz::I32At(list, 0);
  if (w < 0 || w > 16 || list.size() < 8 + 4 * static_cast<size_t>(w)) return;
  const int32_t e = fuzz::I32At(list, 4 + 4 * static_cast<size_t>(w));
  if (e < 0 || e > 16) return;
  CArray<int, int> wallNos, edgeNos;
  bool ascending = true;
  for (int32_t i = 0; i < w; ++i) {
    wallNos.Add(fuzz::I32At(list, 4 + 4 * static_cast<size_t>(i)));
    ascending = ascending && (i == 0 || wallNos[i] > wallNos[i - 1]);
  }
  for (int32_t i = 1; i <= e; ++i) edgeNos.Add(i);

  std::vector<Bytes> wallBytes;
  bool allWalls = true;
  for (INT_PTR i = 0; i < wallNos.GetSize(); ++i) {
    CHKRsl* rec = nullptr;
    allWalls = allWalls && GetOneWallRsl(rec, wallNos[i]) == 1;
    wallBytes.push_back(rec ? fuzz::RecordBytes(rec) : Bytes());
    if (rec) FUZZ_CHECK(fuzz::Contains(wallFile, wallBytes.back()));
    delete rec;
  }
  CTypedPtrArray<CPtrArray, DataForWallEdge*> singleEdges;
  bool allEdges = true;
  for (INT_PTR i = 0; i < edgeNos.GetSize(); ++i) {
    DataForWallEdge* edge = nullptr;
    allEdges = allEdges && GetOneEdgeRsl(edge, edgeNos[i]) == 1;
    singleEdges.Add(edge);
  }

  CTypedPtrArray<CPtrArray, CHKRsl*> walls, listWalls;
  CTypedPtrArray<CPtrArray, DataForWallEdge*> edges, listEdges;
  const int bulkOk = GetAllBoardRsl(walls, edges);
  const int listWallsOk = GetAllWallRsl(listWalls, wallNos);
  const int listEdgesOk = GetAllEdgeRsl(listEdges, edgeNos);
  fuzz::CheckDisplayCall(GetCTWallChkInfo, wallNos, listWallsOk);
  fuzz::CheckDisplayCall(GetCTEdgeChkInfo, edgeNos, listEdgesOk);
  if (bulkOk) FUZZ_CHECK(allWalls && allEdges);
  if (ascending && allWalls && allEdges) FUZZ_CHECK(bulkOk == 1);
  FUZZ_CHECK(listWallsOk == (allWalls ? 1 : 0));
  FUZZ_CHECK(listEdgesOk == (allEdges ? 1 : 0));
  for (INT_PTR i = 0; i < walls.GetSize(); ++i) FUZZ_CHECK(fuzz::RecordBytes(walls[i]) == wallBytes[i]);
  for (INT_PTR i = 0; i < listWalls.GetSize() && listWalls[i]; ++i)
    FUZZ_CHECK(fuzz::RecordBytes(listWalls[i]) == wallBytes[i]);
  for (INT_PTR i = 0; i < edges.GetSize(); ++i) FUZZ_CHECK(SameEdge(edges[i], singleEdges[i]));
  for (INT_PTR i = 0; i < listEdges.GetSize() && listEdges[i]; ++i)
    FUZZ_CHECK(SameEdge(listEdges[i], singleEdges[i]));
  chkrsl::DeleteAllRecords(walls);
  chkrsl::DeleteAllRecords(listWalls);
  chkrsl::DeleteAllEdges(edges);
  chkrsl::DeleteAllEdges(listEdges);
  chkrsl::DeleteAllEdges(singleEdges);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Check(data, size);
  return 0;
}
