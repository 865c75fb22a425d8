// Concrete records filled with distinct values, and hand-made concrete, wall
// and edge files for the tests. Records are compared by the bytes they write.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "support/project_fixture.h"

namespace chkrsl_test {

// Hands out values that differ from every earlier one; flags run through
// bytes above 127 too.
class SampleValues {
 public:
  explicit SampleValues(int seed) : next_(seed * 1000) {}
  double Dbl() { return ++next_ + 0.25; }
  int Int() { return -(++next_); }
  uint8_t Flag() { return static_cast<uint8_t>(++next_ * 37 + 11); }

 private:
  int next_;
};

// A member kind and section type that select `kind` (kNone: a column of
// section type 30).
void KindAndSection(ConcreteSubKind kind, int& memberKind, int& secType);

// A record of element eleNo whose every field, list item and section value
// is distinct; lists hold 1 to 4 items, the sub-record is the one of `kind`.
std::unique_ptr<DataForConcreteBase> MakeConcrete(ConcreteSubKind kind, int eleNo, int sections,
                                                  int seed);
void FillDistinct(DataForWallEdge& edge, int seed);

// A result file: the entry count, then each record's WriteToCHK.
Bytes ResultFileOf(const std::vector<DataForConcreteBase*>& recs);
// "CHKTT" listing each element with the given structure kind.
Bytes ElementTable(const std::vector<int>& eleNos, int kind);
// "CHKWT": W wall numbers, then E.
Bytes WallList(const std::vector<int>& wallNos, int edgeCount);
// "Edge": the count, then each edge number and its 145-byte payload.
Bytes EdgeFile(const std::vector<DataForWallEdge*>& edges);

}  // namespace chkrsl_test
