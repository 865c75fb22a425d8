// The per-element readers as first built: every element opens and scans its
// files from the start. The reference the one-pass readers are held to.
#pragma once

#include "chkrsl/internal.h"

namespace chkrsl_test {

int GetOneEleRslByScan(CHKRsl*& rec, int& kind, int eleNo);
int GetAllEleRslByScan(CTypedPtrArray<CPtrArray, CHKRsl*>& out, CArray<int, int>& eleNos);
int GetOneWallRslByScan(CHKRsl*& wall, int elementNo);
int GetOneEdgeRslByScan(DataForWallEdge*& edge, int edgeNo);
int GetAllWallRslByScan(CTypedPtrArray<CPtrArray, CHKRsl*>& walls, CArray<int, int>& elementNos);
int GetAllEdgeRslByScan(CTypedPtrArray<CPtrArray, DataForWallEdge*>& edges, CArray<int, int>& edgeNos);

}  // namespace chkrsl_test
