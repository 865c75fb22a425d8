#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

#include "records/family_records.h"

namespace {

using chkrsl_test::Bytes;
using chkrsl_test::GetI32;
using chkrsl_test::WrittenBytes;

// Every field gets a value of its own; flags take bytes above 127.
void FillDistinct(DataForSteel& r, int seed, int secType = 1) {
  chkrsl_test::Distinct v(seed);
  chkrsl_test::FillBase(r, seed, 6, secType, v);
  r.memberKind = 1;
  v.Fill(r.bSteel);
  v.Fill(r.dSteel);
  v.Fill(r.nSteel);
}

// Reads an entry written by WriteToCHK the way the scanner does: the header
// first, then the body through ReadRsl.
std::unique_ptr<DataForSteel> ReadBack(const Bytes& entry, bool* ok = nullptr) {
  std::FILE* f = chkrsl_test::OpenBytes(entry);
  auto rec = std::make_unique<DataForSteel>();
  uint8_t head[12];
  EXPECT_EQ(std::fread(head, 1, 12, f), 12u);
  rec->eleNo = chkrsl::io::DecodeFixed32(head);
  rec->eleType = std::abs(chkrsl::io::DecodeFixed32(head + 4));
  rec->secType = chkrsl::io::DecodeFixed32(head + 8);
  if (JudgeSecCate(rec->secType) == 2) rec->pSec = new DataForNewSec;
  if (JudgeSecCate(rec->secType) == 3) rec->pSec = new DataForLts;
  const bool read = rec->ReadRsl(f);
  if (ok) *ok = read;
  std::fclose(f);
  return rec;
}

TEST(JudgeSecCate, ClassifiesInTheOrderOfItsRules) {
  for (int t : {26, 27, 50, 60, 68}) EXPECT_EQ(JudgeSecCate(t), 3) << t;
  for (int t : {42, 48, 49}) EXPECT_EQ(JudgeSecCate(t), 4) << t;
  for (int t : {35, 41, 43, 47}) EXPECT_EQ(JudgeSecCate(t), 2) << t;
  for (int t : {34, 69, 0, -1, -35, 28, 32}) EXPECT_EQ(JudgeSecCate(t), 1) << t;
}

TEST(SteelEntry, ReadThenWriteGivesTheSameBytesForEverySectionKind) {
  for (int secType : {1, 35, 26, 42}) {
    DataForSteel steel;
    FillDistinct(steel, secType, secType);
    if (steel.pSec) steel.pSec->nDir[5][1] = 51;
    const Bytes bytes = WrittenBytes(steel);
    bool ok = false;
    auto back = ReadBack(bytes, &ok);
    EXPECT_TRUE(ok) << secType;
    EXPECT_EQ(WrittenBytes(*back), bytes) << secType;
    EXPECT_EQ(back->pEnergy, nullptr);
  }
}

TEST(SteelEntry, EnergyMemberIsStoredNegatedAndReadsBackPositive) {
  DataForSteel steel;
  FillDistinct(steel, 4);
  steel.memberKind = 6;
  steel.pEnergy = new DataForEnergyConsume;
  steel.pEnergy->dEn[17] = 17.5;
  steel.pEnergy->bEn[1] = 0xAB;
  const Bytes bytes = WrittenBytes(steel);
  EXPECT_EQ(GetI32(bytes, 4), -6);
  // The energy record closes the entry; its nEn[3] stands at offset 158.
  EXPECT_EQ(GetI32(bytes, 12 + 731 + 158), -1);
  auto back = ReadBack(bytes);
  EXPECT_EQ(back->eleType, 6);
  ASSERT_NE(back->pEnergy, nullptr);
  EXPECT_EQ(WrittenBytes(*back), bytes);

  // Without an energy record a default one is written, and read back.
  DataForSteel bare;
  bare.eleType = 8;
  bare.memberKind = 6;
  auto read = ReadBack(WrittenBytes(bare));
  ASSERT_NE(read->pEnergy, nullptr);
  EXPECT_EQ(read->pEnergy->nEn[3], -1);
}

TEST(SteelEntry, ShortBodyCodesLeaveTheOptionalBlockOutBothWays) {
  DataForSteelBase base;
  base.eleType = 2;
  EXPECT_EQ(WrittenBytes(base).size(), 500u);
  for (int code : {216, 218, 316, 318}) {
    base.eleType = code;
    EXPECT_EQ(WrittenBytes(base).size(), 340u) << code;
  }
  DataForSteel steel;
  FillDistinct(steel, 3);
  steel.eleType = 216;
  const Bytes bytes = WrittenBytes(steel);
  ASSERT_EQ(bytes.size(), 12u + 328u + 243u);
  EXPECT_EQ(chkrsl_test::GetF64(bytes, 112), steel.dBase[26]);  // follows dBase[6..7] directly
  auto back = ReadBack(bytes);
  EXPECT_EQ(back->dBase[8], -0.001);  // not in the file: keeps its cleared value
  EXPECT_EQ(WrittenBytes(*back), bytes);
}

TEST(SteelRecord, ClearResetsResultsKeepsIdentityAndCopiesAreDeep) {
  DataForSteel steel;
  FillDistinct(steel, 9, 26);
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
    auto src = std::make_unique<DataForSteel>();
    FillDistinct(*src, 5, secType);
    src->memberKind = 6;
    src->pEnergy = new DataForEnergyConsume;
    src->pEnergy->dEn[0] = 7.0;
    chkrsl_test::ExpectDeepCopies(std::move(src));
  }
}

}  // namespace
