#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "records/family_records.h"

namespace {

using chkrsl_test::Bytes;
using chkrsl_test::GetI32;
using chkrsl_test::WrittenBytes;

TEST(JudgeSecCate, ClassifiesInTheOrderOfItsRules) {
  for (int t : {26, 27, 50, 60, 68}) EXPECT_EQ(JudgeSecCate(t), 3) << t;
  for (int t : {42, 48, 49}) EXPECT_EQ(JudgeSecCate(t), 4) << t;
  for (int t : {35, 41, 43, 47}) EXPECT_EQ(JudgeSecCate(t), 2) << t;
  for (int t : {34, 69, 0, -1, -35, 28, 32}) EXPECT_EQ(JudgeSecCate(t), 1) << t;
}

// A member of kind 6 without an energy record still writes one: a default
// record, whose nEn[3] (offset 158) alone is not zero.
TEST(SteelEntry, EnergyMemberWithoutItsRecordWritesADefaultOne) {
  DataForSteel bare;
  bare.eleType = 8;
  bare.memberKind = 6;
  const Bytes b = WrittenBytes(bare);
  ASSERT_EQ(b.size(), 12u + 731u + 202u);
  EXPECT_EQ(GetI32(b, 4), -8);
  Bytes energy(b.begin() + 743, b.end());
  EXPECT_EQ(GetI32(energy, 158), -1);
  std::fill(energy.begin() + 158, energy.begin() + 162, 0);
  EXPECT_EQ(energy, Bytes(202, 0));
}

TEST(SteelRecord, ClearResetsResultsKeepsIdentityAndCopiesAreDeep) {
  DataForSteel steel = chkrsl_test::Make<DataForSteel>(9, 6, 26);
  steel.pSec->dDir[5][0] = 3.0;
  static_cast<DataForLts*>(steel.pSec)->nLtsC[1][2] = 5;
  DataForSteel before = steel;
  steel.clear();
  EXPECT_EQ(steel.checkStatus, 2);
  EXPECT_EQ(steel.dBase[33], -101.0);
  EXPECT_EQ(steel.nBase[13], -1);
  EXPECT_EQ(steel.pSec->dDir[5][0], -100.0);
  EXPECT_EQ(static_cast<DataForLts*>(steel.pSec)->nLtsC[1][2], -1);
  // The header, attributes and unlisted fields stay.
  const Bytes after = WrittenBytes(steel), earlier = WrittenBytes(before);
  EXPECT_TRUE(std::equal(after.begin(), after.begin() + 32, earlier.begin()));
  EXPECT_EQ(steel.dBase[0], before.dBase[0]);
  EXPECT_EQ(steel.dSteel[3], before.dSteel[3]);

  for (int secType : {35, 26}) {
    auto src = std::make_unique<DataForSteel>(chkrsl_test::Make<DataForSteel>(5, 6, secType));
    src->memberKind = 6;
    src->pEnergy = new DataForEnergyConsume;
    src->pEnergy->dEn[0] = 7.0;
    chkrsl_test::ExpectDeepCopies(std::move(src));
  }
}

}  // namespace
