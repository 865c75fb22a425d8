#include <gtest/gtest.h>

#include <vector>

#include "support/project_fixture.h"

namespace {

using chkrsl_test::Bytes;
using chkrsl_test::PutF64;
using chkrsl_test::PutI32;

struct Params {
  int n[4] = {-7, -7, -7, -7};  // count, then the three integers
  double d[4] = {-7, -7, -7, -7};
  int nArr[3] = {11, 12, 13};
  double dArr[3] = {1.5, 2.5, 3.5};

  void Read() { ReadLSZD(n[0], d[0], d[1], n[1], d[2], n[2], n[3], d[3], nArr, dArr); }
  bool ArraysUntouched() const {
    return nArr[0] == 11 && nArr[2] == 13 && dArr[0] == 1.5 && dArr[2] == 3.5;
  }
  bool Untouched() const {
    return ArraysUntouched() && n[0] == -7 && n[1] == -7 && n[2] == -7 && n[3] == -7 &&
           d[0] == -7 && d[1] == -7 && d[2] == -7 && d[3] == -7;
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
  ASSERT_EQ(Header(0).size(), kLszdHeaderBytes);
  Bytes withEntries = Header(2);
  PutI32(withEntries, 99);
  PutF64(withEntries, 9.5);
  WriteProjectFile("LSZD", withEntries);
  Params p;
  p.Read();
  EXPECT_EQ(std::vector<int>(p.n, p.n + 4), (std::vector<int>{2, 3, 5, 6}));
  EXPECT_EQ(std::vector<double>(p.d, p.d + 4), (std::vector<double>{1.25, 2.25, 4.25, 7.25}));
  EXPECT_TRUE(p.ArraysUntouched());
}

TEST_F(Lszd, NoFileShortHeaderOrNegativeCountChangeNothing) {
  Params none;
  none.Read();  // no file
  EXPECT_TRUE(none.Untouched());
  const Bytes h = Header(1);
  for (const Bytes& file : {Bytes(h.begin(), h.end() - 1), Header(-1)}) {
    WriteProjectFile("LSZD", file);
    Params p;
    p.Read();
    EXPECT_TRUE(p.Untouched()) << file.size();
  }
  WriteProjectFile("LSZD", Header(0));
  chkrsl::host::CloseProject();
  Params noPath;
  noPath.Read();
  EXPECT_TRUE(noPath.Untouched());
  EXPECT_TRUE(alerts.empty());
}

}  // namespace
