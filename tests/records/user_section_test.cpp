#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "support/project_fixture.h"

namespace {

using chkrsl_test::Bytes;
using chkrsl_test::GetF64;
using chkrsl_test::GetI32;
using chkrsl_test::WrittenBytes;

TEST(NewSec, ClearedValuesAndFieldsLandAtTheirOffsets) {
  DataForNewSec sec;
  const Bytes fresh = WrittenBytes(sec);
  ASSERT_EQ(fresh.size(), 800u);
  const size_t parts[4] = {144, 304, 464, 560};
  for (int k = 0; k < 4; ++k) {
    const size_t late = k < 2 ? 96 : 64;
    for (size_t at : {size_t{16}, size_t{20}, late, late + 4}) EXPECT_EQ(GetI32(fresh, parts[k] + at), -1) << k;
  }
  for (size_t dir : {656u, 728u}) EXPECT_EQ(GetF64(fresh, dir + 52), -100.0);
  EXPECT_EQ(GetI32(fresh, 56), -1);   // nHead[4]
  EXPECT_EQ(GetI32(fresh, 116), -1);  // nHead[7]

  sec.dHead[13] = 1.25;
  sec.nHead[3] = 33;
  sec.dPart[17][1] = 17.5;  // last field of part 1
  sec.dPart[13][3] = 13.5;  // last field of part 3
  sec.nDir[5][1] = 51;      // last field of direction 1
  const Bytes b = WrittenBytes(sec);
  EXPECT_EQ(GetF64(b, 136), 1.25);
  EXPECT_EQ(GetI32(b, 28), 33);
  EXPECT_EQ(GetF64(b, 304 + 152), 17.5);
  EXPECT_EQ(GetF64(b, 560 + 88), 13.5);
  EXPECT_EQ(GetI32(b, 728 + 68), 51);
}

TEST(Lts, ExtendsTheNewSecLayoutTo1212BytesAndReadsBack) {
  DataForLts lts;
  lts.dLtsA[3][2] = 3.5;
  lts.nLts = 9;
  lts.nLtsC[1][3] = 13;
  lts.dLtsD[3] = 0.75;
  const Bytes b = WrittenBytes(lts);
  ASSERT_EQ(b.size(), 1212u);
  const Bytes head = WrittenBytes(*std::make_unique<DataForNewSec>());
  EXPECT_TRUE(std::equal(head.begin(), head.end(), b.begin()));
  EXPECT_EQ(GetF64(b, 800 + 2 * 32 + 3 * 8), 3.5);
  EXPECT_EQ(GetI32(b, 800 + 200), 9);
  EXPECT_EQ(GetI32(b, 800 + 220 + 3 * 40 + 36), 13);
  EXPECT_EQ(GetF64(b, 800 + 404), 0.75);

  std::FILE* f = chkrsl_test::OpenBytes(b);
  DataForLts back;
  EXPECT_TRUE(back.ReadRsl(f));
  std::fclose(f);
  EXPECT_EQ(WrittenBytes(back), b);
  f = chkrsl_test::OpenBytes(Bytes(b.begin(), b.end() - 1));
  EXPECT_FALSE(back.ReadRsl(f));
  std::fclose(f);
}

TEST(Lts, CopyDataMakesTheWrittenFormsEqual) {
  DataForLts a, b;
  a.dLtsC[2][1] = 8.0;
  a.dPart[16][0] = 4.0;
  b.CopyData(&a);
  EXPECT_EQ(WrittenBytes(b), WrittenBytes(a));
  // From a plain DataForNewSec only the shared part is copied.
  DataForNewSec plain;
  plain.dHead[1] = 6.0;
  b.CopyData(&plain);
  EXPECT_EQ(b.dHead[1], 6.0);
  EXPECT_EQ(b.dLtsC[2][1], 8.0);
}

TEST(Energy, FreshRecordIsZeroButForMinusOneAt158AndNEn1PrecedesDEn9) {
  DataForEnergyConsume e;
  Bytes b = WrittenBytes(e);
  ASSERT_EQ(b.size(), 202u);
  EXPECT_EQ(GetI32(b, 158), -1);
  std::fill(b.begin() + 158, b.begin() + 162, 0);
  EXPECT_EQ(b, Bytes(202, 0));
  e.nEn[1] = 11;
  e.dEn[9] = 9.5;
  e.bEn[0] = 0xFE;
  b = WrittenBytes(e);
  EXPECT_EQ(GetI32(b, 76), 11);
  EXPECT_EQ(GetF64(b, 80), 9.5);
  EXPECT_EQ(b[116], 0xFE);
}

}  // namespace
