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
  ASSERT_EQ(GetAllEleRsl(recs), 1);
  std::vector<CHKRsl*> back(recs.GetData(), recs.GetData() + recs.GetSize());
  for (CHKRsl* r : back) EXPECT_NE(dynamic_cast<DataForConcreteBase*>(r), nullptr);
  EXPECT_EQ(chkrsl_test::ResultFileOf(back), ReadProjectFile("CHKCT"));

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
