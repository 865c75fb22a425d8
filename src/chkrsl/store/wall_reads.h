// The bodies of the wall and edge readers, for the calls that read (see
// call.h).
#pragma once

#include "chkrsl/platform/afx.h"
#include "chkrsl/records/chk_rsl.h"
#include "chkrsl/records/wall.h"
#include "chkrsl/store/wall_readers.h"

namespace chkrsl {

class Alerts;

// Every wall of "CHKCW" is stored with this section type.
constexpr int kWallSecType = 29;

// Whether a record read from "CHKCW" is a wall: the file holds concrete
// records only.
bool IsWallRecord(const CHKRsl* rec);

// The shared reader: the walls of wallNos from "CHKCW", then, if they were
// all read, the edges of edgeNos from "Edge", appended to the arrays. Both
// lists must ascend, as the files do. On failure (after one alert) every
// record of both arrays is deleted, those held before the call too, and
// both are emptied.
int ReadWallsAndEdges(const CArray<int, int>& wallNos, const CArray<int, int>& edgeNos,
                      CTypedPtrArray<CPtrArray, CHKRsl*>& walls,
                      CTypedPtrArray<CPtrArray, DataForWallEdge*>& edges, Alerts& alerts);

// The bodies of the exported readers, for calls that read more than one.
int ReadAllWalls(CTypedPtrArray<CPtrArray, CHKRsl*>& walls, Alerts& alerts);
int ReadAllEdges(CTypedPtrArray<CPtrArray, DataForWallEdge*>& edges, Alerts& alerts);
int ReadWallsOf(CTypedPtrArray<CPtrArray, CHKRsl*>& walls, const CArray<int, int>& elementNos,
               Alerts& alerts);
int ReadEdgesOf(CTypedPtrArray<CPtrArray, DataForWallEdge*>& edges, const CArray<int, int>& edgeNos,
               Alerts& alerts);

}  // namespace chkrsl
