#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

#include "support/concrete_samples.h"

namespace {

using chkrsl_test::MakeConcrete;
using Kind = ConcreteSubKind;
using Alerts = std::vector<std::string>;

class ConcreteInfoTest : public chkrsl_test::ProjectTest {
 protected:
  // The display info `get` gives for the numbers, released at the end of the
  // test; null when refused, which leaves the caller's pointer untouched.
  template <class Show>
  Show* Info(bool (*get)(AcIntArray&, Show*&), std::initializer_list<int> nos) {
    AcIntArray numbers(nos);
    Show sentinel[1] = {};
    Show* info = sentinel;
    if (!get(numbers, info)) {
      EXPECT_EQ(info, sentinel);
      return nullptr;
    }
    owned.emplace_back(info, [](Show* p) { ReleaseChkInfo(p); });
    return info;
  }
  std::vector<std::shared_ptr<void>> owned;
};

// Each shown value equals the expected one.
void ExpectPairs(std::initializer_list<std::pair<double, double>> shownAndExpected) {
  int k = 0;
  for (const auto& [shown, expected] : shownAndExpected) EXPECT_EQ(shown, expected) << "pair " << k++;
}

// Section i of secDbl[k] holds 100k + i.
template <class Beam>
void NumberSections(Beam& beam, int n) {
  for (int k = 0; k < 7 && k < static_cast<int>(std::size(beam.secDbl)); ++k)
    for (int i = 0; i < n; ++i) beam.secDbl[k][i] = 100.0 * k + i;
}

// A beam without sections keeps its section fields zero.
TEST_F(ConcreteInfoTest, BeamsShowTheirFirstMiddleAndLastSection) {
  std::vector<std::unique_ptr<DataForConcreteBase>> recs;
  const int sections[] = {9, 8, 1, 0, 9};  // the last one a round beam
  for (int j = 0; j < 5; ++j) {
    recs.push_back(MakeConcrete(j < 4 ? Kind::kRecBeam : Kind::kRoundBeam, 1 + j, sections[j], j));
    if (j < 4) NumberSections(*recs.back()->pRecBeam, sections[j]);
  }
  NumberSections(*recs.back()->pRoundBeam, 9);
  StoreResults("CHKCT", {recs[0].get(), recs[1].get(), recs[2].get(), recs[3].get(), recs[4].get()}, 11);

  ShowConcreteFrameStl* info = Info(GetCTMemberChkInfo, {1, 2, 3, 4, 5});
  const double at[4][3] = {{0, 4, 8}, {0, 4, 7}, {0, 0, 0}, {0, 0, 0}};  // first, middle, last
  for (int j = 0; j < 4; ++j) {
    const ShowConcreteFrameStl& s = info[j];
    const DataForConcreteRecBeam& beam = *recs[static_cast<size_t>(j)]->pRecBeam;
    SCOPED_TRACE(sections[j]);
    auto value = [&](int k, int m) { return sections[j] ? 100.0 * k + at[j][m] : 0.0; };
    EXPECT_EQ(s.memberClass, 1);
    for (int m = 0; m < 3; ++m) {
      EXPECT_EQ(s.beamAtSections[m], value(4, m));
      EXPECT_EQ(s.rectBeamAtSections[m], value(5, m));
    }
    ExpectPairs({{s.endsOrPairedMaxima[0], value(6, 0)},  // first, last, middle
                 {s.endsOrPairedMaxima[1], value(6, 2)}, {s.endsOrPairedMaxima[2], value(6, 1)},
                 {s.extraValues[0], beam.dRsl[2]}, {s.extraValues[1], beam.dRsl[3]},
                 {s.columnValues[0], 0.0}});
  }
  const ShowConcreteFrameStl& round = info[4];
  ExpectPairs({{round.beamAtSections[1], 404.0}, {round.endsOrPairedMaxima[1], 508.0},
               {round.rectBeamAtSections[0], 0.0}, {round.extraValues[0], 0.0}});
}

TEST_F(ConcreteInfoTest, ColumnsShowSingleValuesAndPairedMaxima) {
  auto rect = MakeConcrete(Kind::kRecCol, 1, 2, 1);
  double* r = rect->pRecCol->dRsl;
  r[27] = 3.5;
  r[31] = 2.0;
  r[35] = 1.0;
  r[39] = 6.0;
  auto special = MakeConcrete(Kind::kSpecialCol, 2, 2, 2);
  double* s = special->pSpecialCol->dRsl;
  s[15] = s[19] = -1.0;
  auto round = MakeConcrete(Kind::kRoundCol, 3, 2, 3);
  const double* o = round->pRoundCol->dRsl;
  round->checkStatus = -1;
  auto bare = MakeConcrete(Kind::kNone, 4, 2, 4);
  bare->checkStatus = 0;
  StoreResults("CHKCT", {rect.get(), special.get(), round.get(), bare.get()}, 11);
  ShowConcreteFrameStl* info = Info(GetCTMemberChkInfo, {1, 2, 3, 4});

  // Special-shaped and round columns show 0.0 where they have no value; a
  // column without sub-record shows its class and flag only.
  const double columns[4][6] = {{r[7], r[3], r[15], r[11], r[50], r[53]},
                                {s[3], s[41], s[7], 0.0, s[38], 0.0},
                                {0.0, o[3], 0.0, o[7], o[20], 0.0}, {}};
  for (int j = 0; j < 4; ++j) {
    EXPECT_EQ(info[j].memberClass, 2);
    for (int k = 0; k < 6; ++k) EXPECT_EQ(info[j].columnValues[k], columns[j][k]) << j << " " << k;
  }
  const ShowConcreteFrameStl &a = info[0], &b = info[1], &c = info[2], &d = info[3];
  ExpectPairs({{a.endsOrPairedMaxima[0], 3.5}, {a.endsOrPairedMaxima[1], 3.5},
               {a.endsOrPairedMaxima[2], 6.0}, {a.extraValues[0], r[44]},
               {a.extraColumnValues[1], r[48]}, {b.endsOrPairedMaxima[0], -1.0},
               {b.endsOrPairedMaxima[2], s[23] > s[27] ? s[23] : s[27]}, {b.extraValues[1], s[31]},
               {b.extraColumnValues[0], s[37]}, {c.endsOrPairedMaxima[1], o[15]},
               {c.endsOrPairedMaxima[2], o[19]}, {c.extraValues[0], 0.0}});
  EXPECT_EQ(std::vector<int>({a.checked, c.checked, d.checked}), std::vector<int>({1, 0, 1}));
}

TEST_F(ConcreteInfoTest, NonConcreteRecordIsLeftZeroAndAFailedReadGivesNone) {
  StoreResults("CHKST", {chkrsl_test::MakeSteel(2, 1).get()}, 6);
  const ShowConcreteFrameStl& s = Info(GetCTMemberChkInfo, {2})[0];
  EXPECT_EQ(s.memberClass, 0);
  EXPECT_EQ(s.checked, 0);
  EXPECT_NE(Info(GetCTMemberChkInfo, {}), nullptr);  // an empty list gives an empty array
  EXPECT_EQ(Info(GetCTMemberChkInfo, {5}), nullptr);
  EXPECT_EQ(alerts, Alerts{"单元未验算!"});
}

TEST_F(ConcreteInfoTest, WallInfoScalesItsTwoResults) {
  auto wall = MakeConcrete(Kind::kWall, 8, 1, 1);
  wall->pWall->dRsl[2] = 2500000.0;
  wall->pWall->dRsl[6] = -4000.0;
  auto unchecked = MakeConcrete(Kind::kWall, 9, 1, 2);
  unchecked->checkStatus = -1;
  WriteProjectFile("CHKCW", chkrsl_test::ResultFileOf({wall.get(), unchecked.get()}));
  ShowShearWallStl* info = Info(GetCTWallChkInfo, {9, 8});  // any order
  ASSERT_NE(info, nullptr);
  EXPECT_EQ(info[0].checked, 0);
  EXPECT_EQ(info[1].checked, 1);
  EXPECT_EQ(info[1].dRsl2Scaled, 2.5);
  EXPECT_DOUBLE_EQ(info[1].dRsl6Scaled, -0.004);
  EXPECT_EQ(Info(GetCTWallChkInfo, {8, 10}), nullptr);
  EXPECT_EQ(alerts, Alerts{"墙体未验算!"});
}

TEST_F(ConcreteInfoTest, EdgeInfoWidensTheFlagAndScalesByField) {
  DataForWallEdge edge;
  for (int k = 0; k < 17; ++k) edge.dRsl[k] = 1000.0 * (k + 1);
  edge.dRsl[4] = 1500.0;
  edge.bFlag[0] = 200;
  edge.nRsl[1] = -3;
  edge.edgeNo = 1;
  WriteProjectFile("Edge", chkrsl_test::EdgeFile({&edge}));
  ShowBoundMemStl* info = Info(GetCTEdgeChkInfo, {1});
  ASSERT_NE(info, nullptr);
  const ShowBoundMemStl& s = info[0];
  EXPECT_EQ(s.flag, 200);
  EXPECT_EQ(s.code, -3);
  ExpectPairs({{s.dRsl4Scaled, 1.5}, {s.dRsl5Scaled, 6.0}, {s.dRsl2Scaled, 3.0},
               {s.dRsl10Scaled, 11.0}, {s.dRsl11, 12000.0}, {s.dRsl16, 17000.0},
               {s.dRsl14, 15000.0}, {s.dRsl15, 16000.0}});
  EXPECT_DOUBLE_EQ(s.dRsl13Scaled, 0.014);
  EXPECT_DOUBLE_EQ(s.dRsl12Scaled, 0.013);
  EXPECT_EQ(Info(GetCTEdgeChkInfo, {2}), nullptr);
  EXPECT_EQ(alerts, Alerts{"边缘构件未验算!"});
}

}  // namespace
