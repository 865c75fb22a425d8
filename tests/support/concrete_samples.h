// Concrete records filled with distinct values, and hand-made wall and edge
// files for the tests. Records are compared by the bytes they write.
#pragma once

#include <memory>
#include <vector>

#include "support/project_fixture.h"

namespace chkrsl_test {

// A record of element eleNo whose every field, list item and section value
// is distinct; lists hold 1 to 4 items, the sub-record is the one of `kind`
// (kNone: a column of section type 30).
std::unique_ptr<DataForConcreteBase> MakeConcrete(ConcreteSubKind kind, int eleNo, int sections,
                                                  int seed);
// "CHKWT": W wall numbers, then E.
Bytes WallList(const std::vector<int>& wallNos, int edgeCount);
// "Edge": the count, then each edge number and its 145-byte payload.
Bytes EdgeFile(const std::vector<DataForWallEdge*>& edges);

}  // namespace chkrsl_test
