#include <gtest/gtest.h>

#include <algorithm>

#include "support/project_fixture.h"

namespace {

using chkrsl_test::Bytes;
using chkrsl_test::GetF64;
using chkrsl_test::GetI32;
using chkrsl_test::WrittenBytes;

TEST(UserSection, NewSecIs800BytesWithItsFieldsAtTheirOffsets) {
  DataForNewSec sec;
  const Bytes fresh = WrittenBytes(sec);
  ASSERT_EQ(fresh.size(), 800u);
  EXPECT_EQ(GetI32(fresh, 56), -1);  // nHead[4]
  for (size_t dir : {656u, 728u}) EXPECT_EQ(GetF64(fresh, dir + 52), -100.0);
  sec.dHead[13] = 1.25;
  sec.dPart[17][1] = 17.5;  // last field of part 1
  sec.dPart[13][3] = 13.5;  // last field of part 3
  sec.nDir[5][1] = 51;      // last field of direction 1
  const Bytes b = WrittenBytes(sec);
  EXPECT_EQ(GetF64(b, 136), 1.25);
  EXPECT_EQ(GetF64(b, 304 + 152), 17.5);
  EXPECT_EQ(GetF64(b, 560 + 88), 13.5);
  EXPECT_EQ(GetI32(b, 728 + 68), 51);
}

TEST(UserSection, LtsExtendsTheNewSecLayoutTo1212BytesAndReadsBack) {
  DataForLts lts;
  lts.dLtsA[3][2] = 3.5;
  lts.nLtsC[1][3] = 13;
  lts.dLtsD[3] = 0.75;
  const Bytes b = WrittenBytes(lts);
  ASSERT_EQ(b.size(), 1212u);
  DataForNewSec plain;
  const Bytes head = WrittenBytes(plain);
  EXPECT_TRUE(std::equal(head.begin(), head.end(), b.begin()));
  EXPECT_EQ(GetF64(b, 800 + 2 * 32 + 3 * 8), 3.5);
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

  // From a plain DataForNewSec only the shared part is copied.
  plain.dHead[1] = 6.0;
  back.CopyData(&plain);
  EXPECT_EQ(back.dHead[1], 6.0);
  EXPECT_EQ(back.dLtsA[3][2], 3.5);
  DataForLts other;
  other.CopyData(&back);
  EXPECT_EQ(WrittenBytes(other), WrittenBytes(back));
}

TEST(UserSection, EnergyIsZeroButForMinusOneAt158) {
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
