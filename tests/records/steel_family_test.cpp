#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "records/family_records.h"

namespace {

using chkrsl_test::Bytes;
using chkrsl_test::Distinct;
using chkrsl_test::Expect;
using chkrsl_test::GetI32;
using chkrsl_test::Tail;
using chkrsl_test::WrittenBytes;

constexpr size_t kOwnBlockAt = 12 + 488;  // after header and common body

DataForLightSteel Light(int eleNo, int secType = 1) {
  DataForLightSteel r;
  Distinct v(eleNo);
  chkrsl_test::FillBase(r, eleNo, 1, secType, v);
  v.Fill(r.dLight);
  v.Fill(r.nLight);
  r.dLightX = v.D();
  return r;
}

DataForGrid Grid(int eleNo, int secType = 1) {
  DataForGrid r;
  Distinct v(eleNo);
  chkrsl_test::FillBase(r, eleNo, 5, secType, v);
  v.Fill(r.nGrid);
  v.Fill(r.dGrid);
  return r;
}

DataForPoleTower Pole(int eleNo, int secType = 1) {
  DataForPoleTower r;
  Distinct v(eleNo);
  chkrsl_test::FillBase(r, eleNo, 3, secType, v);
  v.Fill(r.dPole);
  v.Fill(r.nPole);
  return r;
}

template <class Rec>
Rec SteelLike(int eleNo, int eleType, int secType = 1) {
  Rec r;
  Distinct v(eleNo);
  chkrsl_test::FillBase(r, eleNo, eleType, secType, v);
  chkrsl_test::FillSteel(r, v);
  if constexpr (std::is_same_v<Rec, DataForAluminiumAlloy>) v.Fill(r.dAl);
  return r;
}

DataForConcreteComposite Composite(int eleNo) {
  DataForConcreteComposite r;
  Distinct v(eleNo);
  chkrsl_test::FillBase(r, eleNo, 76, 1, v);
  v.Fill(r.dComp);
  v.Fill(r.nComp);
  return r;
}

DataForConcreteInside Inside(int eleNo, int eleType, int secType) {
  DataForConcreteInside r;
  Distinct v(eleNo);
  chkrsl_test::FillBase(r, eleNo, eleType, secType, v);
  v.Fill(r.dIn);
  v.Fill(r.nIn);
  return r;
}

TEST(SteelFamilyLayout, OwnBlocksFollowTheFileOrder) {
  DataForLightSteel light = Light(1);
  const double* d = light.dLight;
  const int* n = light.nLight;
  Expect e;
  e.I(n[0]).D(d[0]).D(d[1]).D(d[2]).D(d[3]).D(d[4]).I(n[1]).I(n[2]).D(d[5]).I(n[3]).I(n[4]);
  e.D(d[6]).I(n[5]).D(d[7]).D(d[8]).D(d[9]).I(n[6]).Ds(light.dLight, 10, 9);
  EXPECT_EQ(Tail(WrittenBytes(light), kOwnBlockAt), e.b);  // dLightX is not stored

  DataForGrid grid = Grid(2);
  EXPECT_EQ(Tail(WrittenBytes(grid), kOwnBlockAt), Expect().Is(grid.nGrid, 0, 3).Ds(grid.dGrid, 0, 24).b);
  DataForPoleTower pole = Pole(3);
  EXPECT_EQ(Tail(WrittenBytes(pole), kOwnBlockAt), Expect().Ds(pole.dPole, 0, 24).I(pole.nPole[0]).b);
  auto al = SteelLike<DataForAluminiumAlloy>(4, 7);
  EXPECT_EQ(Tail(WrittenBytes(al), kOwnBlockAt + 243), Expect().Ds(al.dAl, 0, 3).b);

  DataForConcreteComposite c = Composite(5);
  d = c.dComp;
  n = c.nComp;
  Expect ce;
  ce.D(d[0]).D(d[1]).D(d[2]).D(d[3]).I(n[0]).I(n[1]).D(d[4]).I(n[2]).I(n[3]).I(n[4]);
  ce.D(d[5]).D(d[6]).D(d[7]).D(d[8]).I(n[5]).I(n[6]).D(d[9]).I(n[7]).I(n[8]).I(n[9]);
  ce.D(d[10]).Ds(c.dComp, 11, 4).D(d[15]).Ds(c.dComp, 16, 6);
  EXPECT_EQ(Tail(WrittenBytes(c), kOwnBlockAt), ce.b);
}

TEST(SteelFamilyLayout, ConcreteInsideTailOnlyForSectionType32) {
  DataForConcreteInside tube = Inside(1, 226, 32);
  const Bytes withTail = WrittenBytes(tube);
  EXPECT_EQ(Tail(withTail, 500),
            Expect().Ds(tube.dIn, 0, 22).Is(tube.nIn, 0, 3).Ds(tube.dIn, 22, 3).b);
  // Type 316: short common body, then the DataForLts, then the 32 bytes.
  DataForConcreteInside lts = Inside(2, 316, 26);
  EXPECT_EQ(Tail(WrittenBytes(lts), 12 + 328 + 1212), Expect().Ds(lts.dIn, 0, 4).b);

  // Reading an entry without the tail consumes exactly the body and leaves
  // the tail's fields alone.
  DataForConcreteInside written = Inside(1, 226, 31);
  DataForConcreteInside target = Inside(9, 226, 31);
  const DataForConcreteInside untouched = target;
  std::FILE* f = chkrsl_test::OpenBytes(Tail(WrittenBytes(written), 12));
  ASSERT_TRUE(target.ReadRsl(f));
  EXPECT_EQ(std::fgetc(f), EOF);
  std::fclose(f);
  for (int k = 0; k < 25; ++k) EXPECT_EQ(target.dIn[k], (k < 4 ? written : untouched).dIn[k]) << k;
  for (int k = 0; k < 3; ++k) EXPECT_EQ(target.nIn[k], untouched.nIn[k]) << k;
}

// Written sizes are exact, and the scanner passes over each entry by what
// it takes, whatever sub-records it carries.
TEST(SteelFamilyLayout, EntrySizesAndTheSizesEntriesArePassedOverBy) {
  std::vector<std::pair<std::unique_ptr<CHKRsl>, size_t>> cases;
  auto add = [&](auto rec, size_t size) {
    cases.emplace_back(std::make_unique<decltype(rec)>(std::move(rec)), size);
  };
  for (auto [secType, size] : {std::pair{1, 743u}, {42, 743u}, {35, 1543u}, {26, 1955u}}) {
    add(SteelLike<DataForSteel>(1, 6, secType), size);
    auto energy = SteelLike<DataForSteel>(1, 2, secType);  // header code -2
    energy.memberKind = 6;
    energy.pEnergy = new DataForEnergyConsume;
    add(std::move(energy), size + 202);
  }
  auto damper = SteelLike<DataForSteel>(1, 8, 1);
  damper.memberKind = 6;  // no energy record: a default one is written
  add(std::move(damper), 12 + 933);
  auto high = SteelLike<DataForHighBuild>(1, 8, 35);
  high.memberKind = 6;
  high.pEnergy = new DataForEnergyConsume;
  add(std::move(high), 12 + 488 + 800 + 243 + 202);
  for (auto [secType, sub] : {std::pair{1, 0u}, {35, 800u}, {26, 1212u}}) {
    add(Light(1, secType), 12 + 668 + sub);
    add(Grid(1, secType), 12 + 692 + sub);
    add(Pole(1, secType), 12 + 684 + sub);
    add(SteelLike<DataForAluminiumAlloy>(1, 7, secType), 12 + 755 + sub);
  }
  auto negatedGrid = Grid(1);
  negatedGrid.memberKind = 6;
  add(std::move(negatedGrid), 12 + 692);
  add(Composite(1), 12 + 704);
  add(Inside(1, 226, 32), 712);
  add(Inside(1, 226, 31), 532);
  add(Inside(1, 316, 26), 12 + 328 + 1212 + 32);
  add(Inside(1, 216, 32), 12 + 328 + 212);
  for (auto& [rec, size] : cases) {
    const Bytes b = WrittenBytes(*rec);
    SCOPED_TRACE(testing::Message() << "code " << GetI32(b, 4) << " section " << rec->secType);
    EXPECT_EQ(b.size(), size);
    EXPECT_EQ(chkrsl::EntryBodyBytes(GetI32(b, 4), rec->secType), static_cast<int64_t>(size) - 12);
  }
  // Code 4 is light steel too; concrete entries are passed over by their length word.
  EXPECT_EQ(chkrsl::EntryBodyBytes(4, 1), 668);
  EXPECT_EQ(chkrsl::EntryBodyBytes(11, 29), -1);
  EXPECT_EQ(chkrsl::EntryBodyBytes(18, 24), -1);
}

using SteelFamily = chkrsl_test::FamilyTest;

TEST_F(SteelFamily, EveryClassReadsBackThroughTheReaders) {
  ExpectReadsBack(Light(11, 26), 1, "CHKLS");
  ExpectReadsBack(Grid(12, 35), 5, "CHKGS_N");
  DataForPoleTower pole = Pole(13);
  pole.eleType = 10;
  ExpectReadsBack(pole, 10, "CHKPT");
  ExpectReadsBack(SteelLike<DataForAluminiumAlloy>(14, 7), 7, "CHKAL");
  ExpectReadsBack(Composite(15), 2, "CHKCM");
  for (int code : {218, 228, 318}) ExpectReadsBack(Inside(16, code, code == 228 ? 32 : 27), 2, "CHKCM");
  EXPECT_TRUE(alerts.empty());
}

// A member kind 6 negates the code of any steel-family record; the entry
// still names its class, and the aluminium record keeps its energy record.
TEST_F(SteelFamily, NegatedCodesReadAsTheirClass) {
  auto high = SteelLike<DataForHighBuild>(5, 8, 35);
  high.memberKind = 6;
  high.pEnergy = new DataForEnergyConsume;
  EXPECT_EQ(GetI32(WrittenBytes(high), 4), -8);
  ExpectReadsBack(high, 8, "CHKHB_N");

  auto al = SteelLike<DataForAluminiumAlloy>(6, 7);
  al.memberKind = 6;
  al.pEnergy = new DataForEnergyConsume;
  al.pEnergy->dEn[17] = 4.5;
  EXPECT_EQ(GetI32(WrittenBytes(al), 4), -7);
  auto a = StoreAndRead(al, 7, "CHKAL");
  ASSERT_TRUE(a);
  ASSERT_NE(a->pEnergy, nullptr);
  EXPECT_EQ(WrittenBytes(*a), WrittenBytes(al));

  DataForGrid grid = Grid(7);
  grid.memberKind = 6;
  ExpectReadsBack(grid, 5, "CHKGS");
}

TEST(SteelFamilyRecord, ClearLeavesOwnFieldsAndCopiesAreDeep) {
  DataForLightSteel light = Light(1, 26);
  DataForConcreteComposite comp = Composite(2);
  const Bytes lightOwn = Tail(WrittenBytes(light), kOwnBlockAt + 1212);
  const Bytes compOwn = Tail(WrittenBytes(comp), kOwnBlockAt);
  const double lightX = light.dLightX;
  light.clear();
  comp.clear();
  EXPECT_EQ(light.dBase[5], -0.001);
  EXPECT_EQ(Tail(WrittenBytes(light), kOwnBlockAt + 1212), lightOwn);
  EXPECT_EQ(light.dLightX, lightX);
  EXPECT_EQ(Tail(WrittenBytes(comp), kOwnBlockAt), compOwn);

  chkrsl_test::ExpectDeepCopies(std::make_unique<DataForPoleTower>(Pole(2, 26)));
  chkrsl_test::ExpectDeepCopies(std::make_unique<DataForLightSteel>(Light(3, 35)));
  auto composite = std::make_unique<DataForConcreteComposite>(Composite(5));
  composite->secType = 35;
  composite->pSec = new DataForNewSec;
  chkrsl_test::ExpectDeepCopies(std::move(composite));
  auto al = std::make_unique<DataForAluminiumAlloy>(SteelLike<DataForAluminiumAlloy>(4, 7, 26));
  al->memberKind = 6;
  al->pEnergy = new DataForEnergyConsume;
  al->pEnergy->nEn[13] = 77;
  chkrsl_test::ExpectDeepCopies(std::move(al));
  DataForConcreteInside fresh;
  EXPECT_EQ(fresh.nIn[0], -1);
}

}  // namespace
