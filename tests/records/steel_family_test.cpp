#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "chkrsl/format/record_table.h"
#include "records/family_records.h"

namespace {

using namespace chkrsl_test;

constexpr size_t kOwnBlockAt = 12 + 488;  // after header and common body

// Reading a concrete-filled entry without the section-32 tail consumes
// exactly the body and leaves the tail's fields alone.
TEST(SteelFamilyLayout, EntryWithoutTheTailLeavesTheTailFieldsAlone) {
  auto written = Make<DataForConcreteInside>(1, 226, 31);
  auto target = Make<DataForConcreteInside>(9, 226, 31);
  const DataForConcreteInside untouched = target;
  std::FILE* f = OpenBytes(Tail(WrittenBytes(written), 12));
  ASSERT_TRUE(target.ReadRsl(f));
  EXPECT_EQ(std::fgetc(f), EOF);
  std::fclose(f);
  for (int k = 0; k < 25; ++k) EXPECT_EQ(target.dIn[k], (k < 4 ? written : untouched).dIn[k]) << k;
  for (int k = 0; k < 3; ++k) EXPECT_EQ(target.nIn[k], untouched.nIn[k]) << k;
}

// Written sizes are exact, the scanner passes over each entry by what it
// takes, whatever sub-records it carries, and the visitor names every field.
TEST(SteelFamilyLayout, EntrySizesAndTheSizesEntriesArePassedOverBy) {
  std::vector<std::pair<std::unique_ptr<CHKRsl>, size_t>> cases;
  enum { kPlain, kNegated, kEnergy };  // kNegated: member kind 6 without an energy record
  auto add = [&](auto rec, size_t size, int member = kPlain) {
    if (member != kPlain) rec.memberKind = 6;
    if constexpr (std::is_base_of_v<DataForSteel, decltype(rec)>) {
      if (member == kEnergy) {
        rec.pEnergy = new DataForEnergyConsume;
        Distinct v(7);
        v.Fill(rec.pEnergy->dEn), v.Fill(rec.pEnergy->nEn), v.Fill(rec.pEnergy->bEn);
      }
    }
    cases.emplace_back(std::make_unique<decltype(rec)>(std::move(rec)), size);
  };
  for (auto [secType, size] : {std::pair{1, 743u}, {42, 743u}, {35, 1543u}, {26, 1955u}}) {
    add(Make<DataForSteel>(1, 6, secType), size);
    add(Make<DataForSteel>(1, 2, secType), size + 202, kEnergy);  // header code -2
  }
  add(Make<DataForSteel>(1, 8, 1), 12 + 933, kNegated);  // a default energy record is written
  add(Make<DataForHighBuild>(1, 8, 35), 12 + 488 + 800 + 243 + 202, kEnergy);
  for (auto [secType, sub] : {std::pair{1, 0u}, {35, 800u}, {26, 1212u}}) {
    add(Make<DataForLightSteel>(1, 1, secType), 12 + 668 + sub);
    add(Make<DataForGrid>(1, 5, secType), 12 + 692 + sub);
    add(Make<DataForPoleTower>(1, 3, secType), 12 + 684 + sub);
    add(Make<DataForAluminiumAlloy>(1, 7, secType), 12 + 755 + sub);
  }
  add(Make<DataForGrid>(1, 5), 12 + 692, kNegated);
  add(Make<DataForConcreteComposite>(1, 76), 12 + 704);
  add(Make<DataForConcreteInside>(1, 226, 32), 712);
  add(Make<DataForConcreteInside>(1, 226, 31), 532);
  add(Make<DataForConcreteInside>(1, 316, 26), 12 + 328 + 1212 + 32);
  add(Make<DataForConcreteInside>(1, 216, 32), 12 + 328 + 212);
  for (auto& [rec, size] : cases) {
    const Bytes b = WrittenBytes(*rec);
    const int code = GetI32(b, 4);
    SCOPED_TRACE(testing::Message() << "code " << code << " section " << rec->secType);
    EXPECT_EQ(b.size(), size);
    EXPECT_EQ(chkrsl::EntryBodyBytes(code, rec->secType), static_cast<int64_t>(size) - 12);
    ExpectFieldsAreTheBytes(*rec);
  }
  // Code 4 is light steel too; concrete entries are passed over by their length word.
  EXPECT_EQ(chkrsl::EntryBodyBytes(4, 1), 668);
  EXPECT_EQ(chkrsl::EntryBodyBytes(11, 29), -1);
  EXPECT_EQ(chkrsl::EntryBodyBytes(18, 24), -1);
}

using SteelFamily = FamilyTest;

// Member kind 6 negates the code of any steel-family record; the entry
// still names its class, and records derived from DataForSteel keep their
// energy record.
TEST_F(SteelFamily, EveryClassReadsBackThroughTheReadersAlsoWithNegatedCodes) {
  ExpectReadsBack(Make<DataForLightSteel>(11, 1, 26), 1, "CHKLS");
  ExpectReadsBack(Make<DataForGrid>(12, 5, 35), 5, "CHKGS_N");
  ExpectReadsBack(Make<DataForPoleTower>(13, 10), 10, "CHKPT");
  ExpectReadsBack(Make<DataForAluminiumAlloy>(14, 7), 7, "CHKAL");
  ExpectReadsBack(Make<DataForConcreteComposite>(15, 76), 2, "CHKCM");
  for (int code : {218, 228, 318})
    ExpectReadsBack(Make<DataForConcreteInside>(16, code, code == 228 ? 32 : 27), 2, "CHKCM");

  auto high = Make<DataForHighBuild>(5, 8, 35);
  auto al = Make<DataForAluminiumAlloy>(6, 7);
  for (DataForSteel* r : std::initializer_list<DataForSteel*>{&high, &al}) {
    r->memberKind = 6;
    r->pEnergy = new DataForEnergyConsume;
    r->pEnergy->dEn[17] = 4.5;
  }
  EXPECT_EQ(GetI32(WrittenBytes(high), 4), -8);
  ExpectReadsBack(high, 8, "CHKHB_N");
  ExpectReadsBack(al, 7, "CHKAL");
  EXPECT_TRUE(alerts.empty());
}

TEST(SteelFamilyRecord, ClearLeavesOwnFieldsAndCopiesAreDeep) {
  auto light = Make<DataForLightSteel>(1, 1, 26);
  auto comp = Make<DataForConcreteComposite>(2, 76);
  const Bytes lightOwn = Tail(WrittenBytes(light), kOwnBlockAt + 1212);
  const Bytes compOwn = Tail(WrittenBytes(comp), kOwnBlockAt);
  const double lightX = light.dLightX;
  light.clear();
  comp.clear();
  EXPECT_EQ(light.dBase[5], -0.001);
  EXPECT_EQ(Tail(WrittenBytes(light), kOwnBlockAt + 1212), lightOwn);
  EXPECT_EQ(light.dLightX, lightX);
  EXPECT_EQ(Tail(WrittenBytes(comp), kOwnBlockAt), compOwn);

  // Steel members with their sub-records: the steel record tests.
  ExpectDeepCopies(std::make_unique<DataForLightSteel>(Make<DataForLightSteel>(3, 1, 35)));
  ExpectDeepCopies(std::make_unique<DataForConcreteComposite>(Make<DataForConcreteComposite>(5, 76, 35)));
  DataForConcreteInside fresh;
  EXPECT_EQ(fresh.nIn[0], -1);
}

}  // namespace
