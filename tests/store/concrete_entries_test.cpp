#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "support/concrete_samples.h"

namespace {

using chkrsl_test::Bytes;
using chkrsl_test::ProjectTest;
using Kind = ConcreteSubKind;

TEST_F(ProjectTest, ConcreteEntriesReadBackThroughTheElementReaders) {
  // Every kind with 0, 1 and several sections, in one file, element numbers ascending.
  std::vector<std::unique_ptr<DataForConcreteBase>> written;
  std::vector<CHKRsl*> stored;
  for (Kind kind : {Kind::kNone, Kind::kRecCol, Kind::kRoundCol, Kind::kSpecialCol,
                    Kind::kRecBeam, Kind::kRoundBeam, Kind::kWall}) {
    for (int n : {0, 1, 5}) {
      const int eleNo = 1 + 2 * static_cast<int>(stored.size());
      written.push_back(chkrsl_test::MakeConcrete(kind, eleNo, n, eleNo));
      stored.push_back(written.back().get());
    }
  }
  StoreResults("CHKCT", stored, 11);
  const Bytes asWritten = ReadProjectFile("CHKCT");
  // Round columns whose first copy of dRsl[23..25] differs from the second
  // read as if both held the second: every reader hands them out.
  Bytes differing = asWritten;
  CArray<int, int> roundCols;
  size_t at = 4;
  for (const auto& rec : written) {
    if (rec->pRoundCol) {
      differing[at + DataForConcreteBase::kSectionValOffset + 8 * rec->SectionCount() + 237] ^= 0x40;
      roundCols.Add(rec->eleNo);
    }
    at += chkrsl_test::WrittenBytes(*rec).size();
  }
  WriteProjectFile("CHKCT", differing);
  ASSERT_EQ(GetAllEleRsl(recs), 1);
  std::vector<CHKRsl*> back(recs.GetData(), recs.GetData() + recs.GetSize());
  for (CHKRsl* r : back) EXPECT_NE(dynamic_cast<DataForConcreteBase*>(r), nullptr);
  EXPECT_EQ(chkrsl_test::ResultFileOf(back), asWritten);
  chkrsl_test::Records list;
  ASSERT_EQ(GetAllEleRsl(list, roundCols), 1);
  for (INT_PTR i = 0; i < list.GetSize(); ++i) {
    CHKRsl* one = nullptr;
    int kind = 0;
    ASSERT_EQ(GetOneEleRsl(one, kind, roundCols[i]), 1);
    const Bytes expected = chkrsl_test::WrittenBytes(*stored[(roundCols[i] - 1) / 2]);
    EXPECT_EQ(chkrsl_test::WrittenBytes(*one), expected);
    EXPECT_EQ(chkrsl_test::WrittenBytes(*list[i]), expected);
    delete one;
  }
  chkrsl::DeleteAllRecords(list);
  AcIntArray shown;
  for (INT_PTR i = 0; i < roundCols.GetSize(); ++i) shown.append(roundCols[i]);
  ShowConcreteFrameStl* info = nullptr;
  EXPECT_TRUE(GetCTMemberChkInfo(shown, info));
  ReleaseChkInfo(info);

  EXPECT_TRUE(alerts.empty());

  // A corrupt entry is no result.
  StoreResults("CHKCT", {stored[16]}, 18);  // round beam, 1 section
  Bytes corrupt = ReadProjectFile("CHKCT");
  chkrsl::io::EncodeFixed32(&corrupt[4 + 97 + 8 + 5 + 80], -2);  // its countA
  WriteProjectFile("CHKCT", corrupt);
  EXPECT_EQ(GetAllEleRsl(recs), 0);
  EXPECT_EQ(recs.GetSize(), 0);
  EXPECT_EQ(alerts, std::vector<std::string>{"单元未验算!"});
}

}  // namespace

TEST_F(ProjectTest, FuzzReproducersReadTheirRoundColumn) {
  // A "CHKCT" after a 3-byte prefix; its round column 14 has copies of
  // dRsl[23..25] that differ.
  for (const char* name : {"element_files-concrete-11-round-trip", "element_files-concrete-18-round-trip"}) {
    const Bytes input = chkrsl_test::ReadFileBytes(std::string(CHKRSL_TESTS_DIR) + "/../fuzz/regressions/" + name);
    WriteProjectFile("CHKCT", Bytes(input.begin() + 3, input.end()));
    WriteProjectFile("CHKTT", chkrsl_test::ElementTable({14}, 11));
    doc().SetElementSecType(14, 24);
    CHKRsl* rec = nullptr;
    int kind = 0;
    EXPECT_EQ(GetOneEleRsl(rec, kind, 14), 1) << name;
    delete rec;
  }
}
