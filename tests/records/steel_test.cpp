#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "support/project_fixture.h"

namespace {

using chkrsl_test::Bytes;
using chkrsl_test::GetF64;
using chkrsl_test::GetI32;
using chkrsl_test::WrittenBytes;

// Every field gets a value of its own; flags take bytes above 127.
void FillDistinct(DataForSteel& r, int seed) {
  r.eleNo = seed;
  r.eleType = 6;
  r.secType = 1;
  for (int i = 0; i < 3; ++i) r.hdrInt[i] = seed * 7 + i;
  r.memberKind = 1;
  r.checkStatus = -1;
  for (int i = 0; i < 45; ++i) r.dBase[i] = seed + i * 0.5;
  for (int i = 0; i < 27; ++i) r.nBase[i] = seed * 1000 + i;
  for (int i = 0; i < 3; ++i) r.bSteel[i] = static_cast<unsigned char>(0xF0 + i);
  for (int i = 0; i < 27; ++i) r.dSteel[i] = -seed - i * 0.25;
  for (int i = 0; i < 6; ++i) r.nSteel[i] = -seed * 10 - i;
}

// Reads an entry written by WriteToCHK the way the scanner does: the header
// first, then the body through ReadRsl.
template <class Rec>
std::unique_ptr<Rec> ReadBack(const Bytes& entry, bool* ok = nullptr) {
  std::FILE* f = chkrsl_test::OpenBytes(entry);
  auto rec = std::make_unique<Rec>();
  uint8_t head[12];
  EXPECT_EQ(std::fread(head, 1, 12, f), 12u);
  rec->eleNo = chkrsl::io::DecodeFixed32(head);
  const int code = chkrsl::io::DecodeFixed32(head + 4);
  rec->eleType = code < 0 ? -code : code;
  rec->secType = chkrsl::io::DecodeFixed32(head + 8);
  switch (JudgeSecCate(rec->secType)) {
    case 2: rec->pSec = new DataForNewSec; break;
    case 3: rec->pSec = new DataForLts; break;
    default: break;
  }
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

TEST(SteelEntry, SizesFollowTypeCodeSectionAndEnergy) {
  DataForSteelBase base;
  base.eleType = 2;
  EXPECT_EQ(WrittenBytes(base).size(), 500u);
  for (int code : {216, 218, 316, 318}) {
    base.eleType = code;
    EXPECT_EQ(WrittenBytes(base).size(), 340u) << code;
  }

  DataForSteel steel;
  steel.eleType = 6;
  EXPECT_EQ(WrittenBytes(steel).size(), 12u + 731u);
  steel.pSec = new DataForNewSec;
  EXPECT_EQ(WrittenBytes(steel).size(), 12u + 1531u);
  delete steel.pSec;
  steel.pSec = new DataForLts;
  EXPECT_EQ(WrittenBytes(steel).size(), 12u + 1943u);
  delete steel.pSec;
  steel.pSec = nullptr;
  steel.memberKind = 6;
  steel.pEnergy = new DataForEnergyConsume;
  EXPECT_EQ(WrittenBytes(steel).size(), 12u + 933u);
}

TEST(SteelEntry, EnergyMemberIsStoredNegatedAndReadsBackPositive) {
  DataForSteel steel;
  FillDistinct(steel, 4);
  steel.memberKind = 6;
  steel.pEnergy = new DataForEnergyConsume;
  steel.pEnergy->dEn[17] = 17.5;
  steel.pEnergy->nEn[13] = 1313;
  steel.pEnergy->bEn[1] = 0xAB;
  const Bytes bytes = WrittenBytes(steel);
  EXPECT_EQ(GetI32(bytes, 4), -6);
  // The energy record closes the entry; its nEn[3] stands at offset 158.
  EXPECT_EQ(GetI32(bytes, 12 + 731 + 158), -1);

  auto back = ReadBack<DataForSteel>(bytes);
  EXPECT_EQ(back->eleType, 6);
  ASSERT_NE(back->pEnergy, nullptr);
  EXPECT_EQ(back->pEnergy->dEn[17], 17.5);
  EXPECT_EQ(back->pEnergy->nEn[13], 1313);
  EXPECT_EQ(back->pEnergy->bEn[1], 0xAB);
  EXPECT_EQ(WrittenBytes(*back), bytes);
}

TEST(SteelEntry, ReadThenWriteGivesTheSameBytesForEverySectionKind) {
  for (int secType : {1, 35, 26, 42}) {
    DataForSteel steel;
    FillDistinct(steel, secType);
    steel.secType = secType;
    if (JudgeSecCate(secType) == 2) steel.pSec = new DataForNewSec;
    if (JudgeSecCate(secType) == 3) steel.pSec = new DataForLts;
    if (steel.pSec) {
      steel.pSec->dHead[13] = 13.25;
      steel.pSec->nDir[5][1] = 51;
    }
    const Bytes bytes = WrittenBytes(steel);
    bool ok = false;
    auto back = ReadBack<DataForSteel>(bytes, &ok);
    EXPECT_TRUE(ok) << secType;
    EXPECT_EQ(WrittenBytes(*back), bytes) << secType;
    EXPECT_EQ(back->dBase[44], steel.dBase[44]);
    EXPECT_EQ(back->nSteel[5], steel.nSteel[5]);
    EXPECT_EQ(back->bSteel[2], 0xF2);
    EXPECT_EQ(back->pEnergy, nullptr);
  }
}

TEST(SteelEntry, ShortBodyCodesLeaveTheOptionalBlockOutBothWays) {
  DataForSteel steel;
  FillDistinct(steel, 3);
  steel.eleType = 216;
  const Bytes bytes = WrittenBytes(steel);
  ASSERT_EQ(bytes.size(), 12u + 328u + 243u);
  // dBase[26] follows dBase[6..7] directly.
  EXPECT_EQ(GetF64(bytes, 112), steel.dBase[26]);
  auto back = ReadBack<DataForSteel>(bytes);
  EXPECT_EQ(back->dBase[8], -0.001);  // not in the file: keeps its cleared value
  EXPECT_EQ(WrittenBytes(*back), bytes);
}

TEST(SteelEntry, TruncatedBodyIsReportedAndFillsOnlyWhatItHolds) {
  DataForSteel steel;
  FillDistinct(steel, 2);
  Bytes bytes = WrittenBytes(steel);
  bytes.resize(12 + 488 + 10);
  bool ok = true;
  auto back = ReadBack<DataForSteel>(bytes, &ok);
  EXPECT_FALSE(ok);
  EXPECT_EQ(back->checkStatus, -1);      // the common body arrived whole
  EXPECT_EQ(back->nSteel[0], -20);       // reached
  EXPECT_EQ(back->dSteel[1], 0.0);       // not reached: as constructed
}

TEST(SteelRecord, ClearResetsResultsAndKeepsIdentity) {
  DataForSteel steel;
  FillDistinct(steel, 9);
  steel.pSec = new DataForLts;
  steel.pSec->dDir[5][0] = 3.0;
  static_cast<DataForLts*>(steel.pSec)->nLtsC[1][2] = 5;
  steel.clear();
  EXPECT_EQ(steel.checkStatus, 2);
  EXPECT_EQ(steel.dBase[33], -101.0);
  EXPECT_EQ(steel.dBase[5], -0.001);
  EXPECT_EQ(steel.nBase[13], -1);
  EXPECT_EQ(steel.nBase[26], 0);
  EXPECT_EQ(steel.pSec->dDir[5][0], -100.0);
  EXPECT_EQ(static_cast<DataForLts*>(steel.pSec)->nLtsC[1][2], -1);
  // Identification, attributes and unlisted fields stay.
  EXPECT_EQ(steel.eleNo, 9);
  EXPECT_EQ(steel.secType, 1);
  EXPECT_EQ(steel.eleType, 6);
  EXPECT_EQ(steel.hdrInt[2], 65);
  EXPECT_EQ(steel.memberKind, 1);
  EXPECT_EQ(steel.nBase[0], 9000);
  EXPECT_EQ(steel.dBase[0], 9.0);
  EXPECT_EQ(steel.dSteel[3], -9.75);
}

TEST(SteelRecord, CopiesOwnTheirSubRecords) {
  auto src = std::make_unique<DataForSteel>();
  FillDistinct(*src, 5);
  src->secType = 26;
  src->pSec = new DataForLts;
  static_cast<DataForLts*>(src->pSec)->dLtsD[3] = 4.5;
  src->memberKind = 6;
  src->pEnergy = new DataForEnergyConsume;
  src->pEnergy->dEn[0] = 7.0;
  const Bytes original = WrittenBytes(*src);

  DataForSteel copy(*src);
  DataForSteel assigned;
  assigned.pSec = new DataForNewSec;           // released by the assignment
  assigned.pEnergy = new DataForEnergyConsume;  // likewise
  assigned = *src;
  ASSERT_NE(copy.pSec, src->pSec);
  ASSERT_NE(assigned.pEnergy, src->pEnergy);
  ASSERT_NE(dynamic_cast<DataForLts*>(assigned.pSec), nullptr);
  src.reset();
  EXPECT_EQ(WrittenBytes(copy), original);
  EXPECT_EQ(WrittenBytes(assigned), original);
  DataForSteel& alias = assigned;
  assigned = alias;  // self-assignment keeps everything
  EXPECT_EQ(WrittenBytes(assigned), original);
}

TEST(SteelRecord, BareRootCopyDuplicatesTheSectionSubRecord) {
  CHKRsl root;
  root.pSec = new DataForNewSec;
  root.pSec->dHead[0] = 1.5;
  CHKRsl copy(root);
  ASSERT_NE(copy.pSec, root.pSec);
  EXPECT_EQ(copy.pSec->dHead[0], 1.5);
}

TEST(SteelRecord, EnergyKindWithoutEnergyRecordStillWritesAReadableEntry) {
  DataForSteel steel;
  steel.eleType = 8;
  steel.memberKind = 6;
  const Bytes bytes = WrittenBytes(steel);
  ASSERT_EQ(bytes.size(), 12u + 933u);
  EXPECT_EQ(GetI32(bytes, 4), -8);
  bool ok = false;
  auto back = ReadBack<DataForSteel>(bytes, &ok);
  EXPECT_TRUE(ok);
  ASSERT_NE(back->pEnergy, nullptr);
  EXPECT_EQ(back->pEnergy->nEn[3], -1);
}

}  // namespace
