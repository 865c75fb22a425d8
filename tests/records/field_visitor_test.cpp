// The named fields of every record class, encoded in the order the visitor
// reports them, are exactly the bytes the class writes; no name repeats.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>
#include <string>

#include "records/family_records.h"
#include "support/concrete_samples.h"

namespace {

using chkrsl_test::Bytes;
using chkrsl_test::Distinct;

class Encoder : public chkrsl::FieldVisitor {
 public:
  void Enter(const chkrsl::FieldName& n) override { path.Enter(n); }
  void Leave() override { path.Leave(); }
  void Int(const chkrsl::FieldName& n, int32_t v) override { Note(n), w.I32(v); }
  void Double(const chkrsl::FieldName& n, double v) override { Note(n), w.F64(v); }
  void Flag(const chkrsl::FieldName& n, uint8_t v) override { Note(n), w.U8(v); }

  chkrsl::io::ByteWriter w;
  std::set<std::string> repeated;

 private:
  void Note(const chkrsl::FieldName& n) {
    if (!names.insert(path.Of(n)).second) repeated.insert(path.Of(n));
  }
  chkrsl::FieldPath path;
  std::set<std::string> names;
};

template <class Rec>
std::unique_ptr<CHKRsl> Family(int eleType, int secType, int memberKind,
                               const std::function<void(Rec&, Distinct&)>& own) {
  auto rec = std::make_unique<Rec>();
  Distinct v(eleType);
  chkrsl_test::FillBase(*rec, 1, eleType, secType, v);
  rec->memberKind = memberKind;
  own(*rec, v);
  return rec;
}

void Expect(const CHKRsl& rec, const std::string& what) {
  CHKRsl& writable = const_cast<CHKRsl&>(rec);
  const Bytes written = chkrsl_test::WrittenBytes(writable);  // sets a concrete dataLength
  Encoder e;
  chkrsl::VisitFields(rec, e);
  EXPECT_EQ(e.w.bytes(), written) << what;
  EXPECT_TRUE(e.repeated.empty()) << what << ": " << *e.repeated.begin();
}

TEST(FieldVisitor, NamesEveryStoredByteOfEveryRecordClassOnce) {
  auto steelOwn = [](DataForSteel& r, Distinct& v) {
    v.Fill(r.bSteel), v.Fill(r.dSteel), v.Fill(r.nSteel);
  };
  std::unique_ptr<CHKRsl> records[] = {
      Family<DataForSteel>(2, 40, 2, steelOwn),
      Family<DataForSteel>(6, 26, 6, steelOwn),  // energy record (a cleared one), section 3
      Family<DataForHighBuild>(8, 1, 6, [&](DataForSteel& r, Distinct& v) {
        steelOwn(r, v), r.pEnergy = new DataForEnergyConsume;
        v.Fill(r.pEnergy->dEn), v.Fill(r.pEnergy->nEn), v.Fill(r.pEnergy->bEn);
      }),
      Family<DataForAluminiumAlloy>(7, 36, 6, [&](DataForAluminiumAlloy& r, Distinct& v) {
        steelOwn(r, v), v.Fill(r.dAl);
      }),
      Family<DataForLightSteel>(1, 1, 2,
          [](auto& r, auto& v) { v.Fill(r.dLight), v.Fill(r.nLight); }),
      Family<DataForGrid>(5, 50, 2, [](auto& r, auto& v) { v.Fill(r.nGrid), v.Fill(r.dGrid); }),
      Family<DataForPoleTower>(3, 1, 2, [](auto& r, auto& v) { v.Fill(r.dPole), v.Fill(r.nPole); }),
      Family<DataForConcreteComposite>(76, 1, 2,
          [](auto& r, auto& v) { v.Fill(r.dComp), v.Fill(r.nComp); }),
      Family<DataForConcreteInside>(216, 32, 2,
          [](auto& r, auto& v) { v.Fill(r.dIn), v.Fill(r.nIn); }),
      Family<DataForConcreteInside>(228, 1, 2, [](auto& r, auto& v) { v.Fill(r.dIn); }),
      Family<DataForOpenTruss>(9, 1, 2, [](auto& r, auto& v) {
        v.Fill(r.member.dMember), r.member.section[4].plate[9].bPlate = v.B();
      }),
  };
  for (auto& rec : records) Expect(*rec, std::to_string(rec->eleType));
  using Kind = ConcreteSubKind;
  for (Kind kind : {Kind::kNone, Kind::kRecCol, Kind::kRoundCol, Kind::kRecBeam, Kind::kRoundBeam,
                    Kind::kWall, Kind::kSpecialCol}) {
    auto rec = chkrsl_test::MakeConcrete(kind, 3, 2, 5);
    Expect(*rec, "concrete " + std::to_string(static_cast<int>(kind)));
  }
}

TEST(FieldVisitor, NamesEdgesAndEffectiveAreaEntries) {
  DataForWallEdge edge;
  edge.edgeNo = 4;
  Distinct v(3);
  v.Fill(edge.dRsl), v.Fill(edge.nRsl), v.Fill(edge.bFlag);
  Encoder e;
  chkrsl::VisitFields(edge, e);
  EXPECT_EQ(e.w.bytes(), chkrsl_test::Tail(chkrsl_test::EdgeFile({&edge}), 4));

  DataForEffArea eff;
  eff.eleNo = 9;
  eff.bEff = 0xC1;
  eff.effCount[2] = 2;
  for (double d : {1.5, 2.5}) eff.effList[2].Add(new EffAreaItem{{d, d + v.D(), v.D(), v.D(), -d}});
  const Bytes written = chkrsl_test::CaptureWrites([&](std::FILE* f) { eff.WriteEffArea(f); });
  Encoder effNames;
  chkrsl::VisitFields(eff, effNames);
  EXPECT_EQ(effNames.w.bytes(), written);
  EXPECT_TRUE(effNames.repeated.empty());
}

}  // namespace
