#include <gtest/gtest.h>

#include <vector>

#include "support/project_fixture.h"

namespace {

using chkrsl_test::Bytes;
using chkrsl_test::PutF64;
using chkrsl_test::PutI32;

// The eight header parameters, read into n[0..3] and d[0..3] in file order.
struct Params {
  std::vector<int> n = {-7, -7, -7, -7};
  std::vector<double> d = {-7, -7, -7, -7};
  int nArr[3] = {11, 12, 13};
  double dArr[3] = {1.5, 2.5, 3.5};

  Params& Read() {
    ReadLSZD(n[0], d[0], d[1], n[1], d[2], n[2], n[3], d[3], nArr, dArr);
    EXPECT_TRUE(nArr[0] == 11 && nArr[2] == 13 && dArr[0] == 1.5 && dArr[2] == 3.5);
    return *this;
  }
  bool Untouched() const { return n == std::vector<int>(4, -7) && d == std::vector<double>(4, -7); }
};

Bytes Header(int count) {
  chkrsl::io::ByteWriter w;
  w.I32(count).F64(1.25).F64(2.25).I32(3).F64(4.25).I32(5).I32(6).F64(7.25);
  return w.bytes();
}

using Lszd = chkrsl_test::ProjectTest;

TEST_F(Lszd, HeaderFillsTheEightParametersAndNothingElseChangesThem) {
  ASSERT_EQ(Header(0).size(), kLszdHeaderBytes);
  EXPECT_TRUE(Params().Read().Untouched());  // no file
  WriteProjectFile("LSZD", Header(-1));  // stored as it is; cut headers: the damage sweep
  EXPECT_EQ(Params().Read().n[0], -1);
  Bytes withEntries = Header(2);
  PutI32(withEntries, 99);
  PutF64(withEntries, 9.5);
  WriteProjectFile("LSZD", withEntries);
  Params p;
  p.Read();
  EXPECT_EQ(p.n, (std::vector<int>{2, 3, 5, 6}));
  EXPECT_EQ(p.d, (std::vector<double>{1.25, 2.25, 4.25, 7.25}));
  chkrsl::host::CloseProject();
  EXPECT_TRUE(Params().Read().Untouched());
  EXPECT_TRUE(alerts.empty());
}

}  // namespace
