#include <gtest/gtest.h>

#include "records/family_records.h"

namespace {

using chkrsl_test::Distinct;
using chkrsl_test::Expect;
using chkrsl_test::Same;
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

DataForAluminiumAlloy Aluminium(int eleNo) {
  DataForAluminiumAlloy r;
  Distinct v(eleNo);
  chkrsl_test::FillBase(r, eleNo, 7, 1, v);
  chkrsl_test::FillSteel(r, v);
  v.Fill(r.dAl);
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

  DataForAluminiumAlloy al = Aluminium(4);
  EXPECT_EQ(Tail(WrittenBytes(al), kOwnBlockAt + 243), Expect().Ds(al.dAl, 0, 3).b);
}

TEST(SteelFamilyLayout, EntrySizesCarryTheSectionSubRecord) {
  DataForGrid grid = Grid(1, 35);
  DataForLightSteel light = Light(1);
  DataForPoleTower pole = Pole(1, 26);
  DataForAluminiumAlloy al = Aluminium(1);
  EXPECT_EQ(WrittenBytes(grid).size(), 1504u);
  EXPECT_EQ(WrittenBytes(light).size(), 12u + 668u);
  EXPECT_EQ(WrittenBytes(pole).size(), 12u + 1896u);
  EXPECT_EQ(WrittenBytes(al).size(), 12u + 755u);
  // Entries are passed over by exactly what they take.
  for (int secType : {1, 35, 26}) {
    DataForLightSteel l = Light(2, secType);
    DataForGrid g = Grid(2, secType);
    DataForPoleTower p = Pole(2, secType);
    DataForAluminiumAlloy a = Aluminium(2);
    a.secType = secType;
    a.pSec = secType == 35 ? new DataForNewSec : secType == 26 ? new DataForLts : nullptr;
    for (CHKRsl* r : std::initializer_list<CHKRsl*>{&l, &g, &p, &a}) {
      EXPECT_EQ(static_cast<int64_t>(WrittenBytes(*r).size()) - 12,
                chkrsl::EntryBodyBytes(r->eleType, secType))
          << r->eleType << " " << secType;
    }
  }
}

using SteelFamily = chkrsl_test::FamilyTest;

TEST_F(SteelFamily, EveryClassReadsBackThroughTheReadersWithEqualFields) {
  DataForLightSteel light = Light(11, 26);
  auto l = StoreAndRead(light, 1, "CHKLS");
  ASSERT_TRUE(l);
  chkrsl_test::ExpectSameBase(*l, light);
  EXPECT_TRUE(Same(l->dLight, light.dLight));
  EXPECT_TRUE(Same(l->nLight, light.nLight));
  EXPECT_EQ(WrittenBytes(*l), WrittenBytes(light));

  DataForGrid grid = Grid(12, 35);
  auto g = StoreAndRead(grid, 5, "CHKGS_N");
  ASSERT_TRUE(g);
  chkrsl_test::ExpectSameBase(*g, grid);
  EXPECT_TRUE(Same(g->nGrid, grid.nGrid));
  EXPECT_TRUE(Same(g->dGrid, grid.dGrid));
  EXPECT_EQ(WrittenBytes(*g), WrittenBytes(grid));

  DataForPoleTower pole = Pole(13);
  pole.eleType = 10;
  auto p = StoreAndRead(pole, 10, "CHKPT");
  ASSERT_TRUE(p);
  chkrsl_test::ExpectSameBase(*p, pole);
  EXPECT_TRUE(Same(p->dPole, pole.dPole));
  EXPECT_EQ(p->nPole[0], pole.nPole[0]);
  EXPECT_EQ(WrittenBytes(*p), WrittenBytes(pole));

  DataForAluminiumAlloy al = Aluminium(14);
  auto a = StoreAndRead(al, 7, "CHKAL");
  ASSERT_TRUE(a);
  chkrsl_test::ExpectSameSteel(*a, al);
  EXPECT_TRUE(Same(a->dAl, al.dAl));
  EXPECT_EQ(WrittenBytes(*a), WrittenBytes(al));
  EXPECT_TRUE(alerts.empty());
}

TEST_F(SteelFamily, HighRiseEnergyMemberIsStoredUnderMinusEight) {
  DataForHighBuild hb;
  Distinct v(5);
  chkrsl_test::FillBase(hb, 5, 8, 35, v);
  chkrsl_test::FillSteel(hb, v);
  hb.memberKind = 6;
  hb.pEnergy = new DataForEnergyConsume;
  v.Fill(hb.pEnergy->dEn);
  const chkrsl_test::Bytes entry = WrittenBytes(hb);
  EXPECT_EQ(chkrsl_test::GetI32(entry, 4), -8);
  EXPECT_EQ(entry.size(), 12u + 488u + 800u + 243u + 202u);

  auto back = StoreAndRead(hb, 8, "CHKHB_N");
  ASSERT_TRUE(back);
  EXPECT_EQ(back->eleType, 8);
  chkrsl_test::ExpectSameSteel(*back, hb);
  EXPECT_EQ(WrittenBytes(*back), entry);
}

// A member kind 6 negates the code of any steel-family record; the entry
// still names its class, and the aluminium record keeps its energy record.
TEST_F(SteelFamily, NegatedCodesOfOtherClassesReadAsTheirClass) {
  DataForAluminiumAlloy al = Aluminium(6);
  al.memberKind = 6;
  al.pEnergy = new DataForEnergyConsume;
  al.pEnergy->dEn[17] = 4.5;
  EXPECT_EQ(chkrsl_test::GetI32(WrittenBytes(al), 4), -7);
  auto a = StoreAndRead(al, 7, "CHKAL");
  ASSERT_TRUE(a);
  ASSERT_NE(a->pEnergy, nullptr);
  EXPECT_EQ(a->pEnergy->dEn[17], 4.5);
  EXPECT_TRUE(Same(a->dAl, al.dAl));

  DataForGrid grid = Grid(7);
  grid.memberKind = 6;
  EXPECT_EQ(chkrsl::EntryBodyBytes(-5, 1), 692);
  auto g = StoreAndRead(grid, 5, "CHKGS");
  ASSERT_TRUE(g);
  EXPECT_TRUE(Same(g->dGrid, grid.dGrid));
}

TEST(SteelFamilyRecord, ClearLeavesOwnFieldsAndCopiesAreDeep) {
  DataForLightSteel light = Light(1, 26);
  const DataForLightSteel before = light;
  light.clear();
  EXPECT_EQ(light.dBase[5], -0.001);
  EXPECT_TRUE(Same(light.dLight, before.dLight));
  EXPECT_TRUE(Same(light.nLight, before.nLight));
  EXPECT_EQ(light.dLightX, before.dLightX);

  auto source = std::make_unique<DataForPoleTower>(Pole(2, 26));
  DataForPoleTower copy(*source);
  DataForPoleTower assigned = Pole(3, 35);
  assigned = *source;
  const double poleLast = source->dPole[23];
  const double section = source->pSec->dHead[0];
  source.reset();  // the copies own their sub-records
  for (const DataForPoleTower* c : {&copy, &assigned}) {
    EXPECT_EQ(c->dPole[23], poleLast);
    ASSERT_NE(dynamic_cast<DataForLts*>(c->pSec), nullptr);
    EXPECT_EQ(c->pSec->dHead[0], section);
  }

  auto al = std::make_unique<DataForAluminiumAlloy>(Aluminium(4));
  al->memberKind = 6;
  al->pEnergy = new DataForEnergyConsume;
  al->pEnergy->nEn[13] = 77;
  DataForAluminiumAlloy alCopy(*al);
  al.reset();
  ASSERT_NE(alCopy.pEnergy, nullptr);
  EXPECT_EQ(alCopy.pEnergy->nEn[13], 77);
}

}  // namespace
