#include <gtest/gtest.h>

#include <algorithm>
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
  for (Kind kind : {Kind::kNone, Kind::kRecCol, Kind::kRoundCol, Kind::kSpecialCol,
                    Kind::kRecBeam, Kind::kRoundBeam, Kind::kWall}) {
    for (int n : {0, 1, 5}) {
      const int eleNo = 1 + 2 * static_cast<int>(eleNos.size());
      written.push_back(MakeConcrete(kind, eleNo, n, eleNo));
      recs.push_back(written.back().get());
      doc().SetElementSecType(eleNo, written.back()->secType);
      eleNos.push_back(eleNo);
    }
  }
  const Bytes file = chkrsl_test::ResultFileOf(recs);
  WriteProjectFile("CHKCT", file);
  WriteProjectFile("CHKTT", chkrsl_test::ElementTable(eleNos, 11));

  CTypedPtrArray<CPtrArray, CHKRsl*> out;
  ASSERT_EQ(GetAllEleRsl(out), 1);
  std::vector<DataForConcreteBase*> back;
  for (INT_PTR i = 0; i < out.GetSize(); ++i) back.push_back(dynamic_cast<DataForConcreteBase*>(out[i]));
  ASSERT_EQ(back.size(), recs.size());
  ASSERT_EQ(std::count(back.begin(), back.end(), nullptr), 0);
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

  // A corrupt entry is no result.
  Bytes corrupt = chkrsl_test::ResultFileOf({recs[16]});  // round beam, 1 section
  chkrsl::io::EncodeFixed32(&corrupt[4 + 97 + 8 + 5 + 80], -2);  // its countA
  WriteProjectFile("CHKCT", corrupt);
  WriteProjectFile("CHKTT", chkrsl_test::ElementTable({recs[16]->eleNo}, 18));
  EXPECT_EQ(GetAllEleRsl(out), 0);
  EXPECT_EQ(out.GetSize(), 0);
  EXPECT_EQ(alerts, std::vector<std::string>{"单元未验算!"});
}

}  // namespace
