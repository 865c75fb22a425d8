// Readers of the shear-wall files: the wall list "CHKWT" (W wall element
// numbers, then the number of edges E), the wall results "CHKCW" (concrete
// element entries of section type 29) and the edge results "Edge" (an
// entry count, then per edge its number and 145-byte payload). Every
// returned record is the caller's: walls are deleted through CHKRsl, edges
// directly. Running out of memory is a failure after the one message
// "内存不足，操作未完成!": the reads of all walls or edges empty their
// arrays as their other failures do, the list forms write no slot and the
// single reads leave the reference untouched.
#pragma once

#include "chkrsl/export.h"

#include "chkrsl/platform/afx.h"
#include "chkrsl/records/chk_rsl.h"
#include "chkrsl/records/wall.h"

// Appends the records of all walls of the wall list, in its order.
// 1, or 0 after "单元未验算!" (no wall list) or "墙体未验算!" (a wall not
// read, or a wall list whose count is unsound), with `walls` emptied and
// every record in it deleted.
CHKRSL_API int GetAllWallRsl(CTypedPtrArray<CPtrArray, CHKRsl*>& walls);

// Appends the records of edges 1 to E of the wall list. 1, or 0 after
// "单元未验算!" (no wall list) or "边缘构件未验算!", with `edges` emptied.
CHKRSL_API int GetAllEdgeRsl(CTypedPtrArray<CPtrArray, DataForWallEdge*>& edges);

// All walls, then, only when they were read, all edges. When the walls
// fail `edges` is left untouched; when the edges fail both arrays are
// emptied and their records deleted.
CHKRSL_API int GetAllBoardRsl(CTypedPtrArray<CPtrArray, CHKRsl*>& walls,
                   CTypedPtrArray<CPtrArray, DataForWallEdge*>& edges);

// The record of one wall element or one edge; the reference is set only on
// success (1).
CHKRSL_API int GetOneWallRsl(CHKRsl*& wall, int elementNo);
CHKRSL_API int GetOneEdgeRsl(DataForWallEdge*& edge, int edgeNo);

// Sizes the array to the numbers; slot i receives GetOneWallRsl (or
// GetOneEdgeRsl) of number i. Stops with 0 at the first number that fails:
// the slots before it keep their records (the caller's), the later ones
// are not written. Any order of numbers is accepted; the file is read from
// one index of it, whatever the number of walls or edges.
CHKRSL_API int GetAllWallRsl(CTypedPtrArray<CPtrArray, CHKRsl*>& walls, CArray<int, int>& elementNos);
CHKRSL_API int GetAllEdgeRsl(CTypedPtrArray<CPtrArray, DataForWallEdge*>& edges, CArray<int, int>& edgeNos);

namespace chkrsl {

// Deletes every edge record of `edges` and empties it.
CHKRSL_API void DeleteAllEdges(CTypedPtrArray<CPtrArray, DataForWallEdge*>& edges);

}  // namespace chkrsl
