#include <gtest/gtest.h>

#include "support/project_fixture.h"

namespace {

using chkrsl_test::Bytes;
using chkrsl_test::PutF64;
using chkrsl_test::PutI32;

struct Params {
  int nCount = -7, nVal1 = -7, nVal2 = -7, nVal3 = -7;
  double d1 = -7, d2 = -7, d3 = -7, d4 = -7;
  int nArr[3] = {11, 12, 13};
  double dArr[3] = {1.5, 2.5, 3.5};

  void Read() { ReadLSZD(nCount, d1, d2, nVal1, d3, nVal2, nVal3, d4, nArr, dArr); }
  bool Untouched() const {
    const Params fresh;
    return nCount == fresh.nCount && nVal1 == fresh.nVal1 && nVal2 == fresh.nVal2 &&
           nVal3 == fresh.nVal3 && d1 == fresh.d1 && d2 == fresh.d2 && d3 == fresh.d3 &&
           d4 == fresh.d4 && ArraysUntouched();
  }
  bool ArraysUntouched() const {
    return nArr[0] == 11 && nArr[2] == 13 && dArr[0] == 1.5 && dArr[2] == 3.5;
  }
};

Bytes Header(int count) {
  Bytes b;
  PutI32(b, count);
  PutF64(b, 1.25);
  PutF64(b, 2.25);
  PutI32(b, 3);
  PutF64(b, 4.25);
  PutI32(b, 5);
  PutI32(b, 6);
  PutF64(b, 7.25);
  return b;
}

using Lszd = chkrsl_test::ProjectTest;

TEST_F(Lszd, HeaderFillsTheEightParametersInFileOrder) {
  const Bytes h = Header(0);
  ASSERT_EQ(h.size(), kLszdHeaderBytes);
  WriteProjectFile("LSZD", h);
  Params p;
  p.Read();
  EXPECT_EQ(p.nCount, 0);
  EXPECT_EQ(p.d1, 1.25);
  EXPECT_EQ(p.d2, 2.25);
  EXPECT_EQ(p.nVal1, 3);
  EXPECT_EQ(p.d3, 4.25);
  EXPECT_EQ(p.nVal2, 5);
  EXPECT_EQ(p.nVal3, 6);
  EXPECT_EQ(p.d4, 7.25);
  EXPECT_TRUE(p.ArraysUntouched());

  Bytes withEntries = Header(2);
  PutI32(withEntries, 99);
  PutF64(withEntries, 9.5);
  WriteProjectFile("LSZD", withEntries);
  Params q;
  q.Read();
  EXPECT_EQ(q.nCount, 2);
  EXPECT_TRUE(q.ArraysUntouched());
}

TEST_F(Lszd, NoFileShortHeaderOrNegativeCountChangeNothing) {
  Params none;
  none.Read();  // no file
  EXPECT_TRUE(none.Untouched());

  const Bytes h = Header(1);
  WriteProjectFile("LSZD", Bytes(h.begin(), h.end() - 1));
  Params shortHeader;
  shortHeader.Read();
  EXPECT_TRUE(shortHeader.Untouched());

  WriteProjectFile("LSZD", Header(-1));
  Params negative;
  negative.Read();
  EXPECT_TRUE(negative.Untouched());

  WriteProjectFile("LSZD", Header(0));
  chkrsl::host::CloseProject();
  Params noPath;
  noPath.Read();
  EXPECT_TRUE(noPath.Untouched());
  EXPECT_TRUE(alerts.empty());
}

}  // namespace
