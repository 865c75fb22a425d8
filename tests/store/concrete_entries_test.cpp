#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "support/concrete_samples.h"

namespace {

using chkrsl_test::Bytes;
using chkrsl_test::MakeConcrete;
using chkrsl_test::ProjectTest;
using Kind = ConcreteSubKind;

TEST_F(ProjectTest, ConcreteEntriesReadBackThroughTheElementReaders) {
  // Every kind with 0, 1 and several sections, in one file, element numbers ascending.
  std::vector<std::unique_ptr<DataForConcreteBase>> written;
  std::vector<DataForConcreteBase*> recs;
  std::vector<int> eleNos;
  int eleNo = 1;
  for (Kind kind : {Kind::kNone, Kind::kRecCol, Kind::kRoundCol, Kind::kSpecialCol,
                    Kind::kRecBeam, Kind::kRoundBeam, Kind::kWall}) {
    for (int n : {0, 1, 5}) {
      written.push_back(MakeConcrete(kind, eleNo, n, eleNo));
      recs.push_back(written.back().get());
      doc().SetElementSecType(eleNo, written.back()->secType);
      eleNos.push_back(eleNo);
      eleNo += 2;
    }
  }
  const Bytes file = chkrsl_test::ResultFileOf(recs);
  WriteProjectFile("CHKCT", file);
  WriteProjectFile("CHKTT", chkrsl_test::ElementTable(eleNos, 11));

  CTypedPtrArray<CPtrArray, CHKRsl*> out;
  ASSERT_EQ(GetAllEleRsl(out), 1);
  ASSERT_EQ(out.GetSize(), static_cast<INT_PTR>(recs.size()));
  std::vector<DataForConcreteBase*> back;
  for (INT_PTR i = 0; i < out.GetSize(); ++i) {
    auto* rec = dynamic_cast<DataForConcreteBase*>(out[i]);
    ASSERT_NE(rec, nullptr);
    chkrsl_test::ExpectSameConcrete(*recs[static_cast<size_t>(i)], *rec);
    back.push_back(rec);
  }
  EXPECT_EQ(chkrsl_test::ResultFileOf(back), file);
  EXPECT_EQ(chkrsl_test::ResultFileOf(back), file);
  chkrsl::DeleteAllRecords(out);

  // Passing over entries by their length word reaches the last one alone.
  CHKRsl* last = nullptr;
  int kind = 0;
  ASSERT_EQ(GetOneEleRsl(last, kind, eleNos.back()), 1);
  EXPECT_EQ(kind, 11);
  std::unique_ptr<CHKRsl> owned(last);
  EXPECT_NE(dynamic_cast<DataForConcreteBase*>(last)->pWall, nullptr);
  EXPECT_TRUE(alerts.empty());
}

TEST_F(ProjectTest, CorruptConcreteEntryIsNoResult) {
  auto rec = MakeConcrete(Kind::kRoundBeam, 3, 2, 1);
  doc().SetElementSecType(3, rec->secType);
  Bytes file = chkrsl_test::ResultFileOf({rec.get()});
  const size_t countA = 4 + 97 + 16 + 5 + 160;
  chkrsl::io::EncodeFixed32(&file[countA], -2);
  WriteProjectFile("CHKCT", file);
  WriteProjectFile("CHKTT", chkrsl_test::ElementTable({3}, 18));
  CTypedPtrArray<CPtrArray, CHKRsl*> out;
  EXPECT_EQ(GetAllEleRsl(out), 0);
  EXPECT_EQ(out.GetSize(), 0);
  EXPECT_EQ(alerts, std::vector<std::string>{"单元未验算!"});
}

}  // namespace
