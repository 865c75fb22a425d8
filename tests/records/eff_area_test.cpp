#include <gtest/gtest.h>

#include "records/family_records.h"

namespace {

using chkrsl_test::Bytes;
using chkrsl_test::GetF64;
using chkrsl_test::GetI32;

// A record of element eleNo with counts[k] items in list k; item values
// encode element, list and position.
DataForEffArea* MakeRecord(int eleNo, std::initializer_list<int> counts) {
  auto* r = new DataForEffArea;
  r->eleNo = eleNo;
  r->bEff = 0xA5;
  int k = 0;
  for (int n : counts) {
    r->effCount[k] = n;
    for (int i = 0; i < n; ++i) {
      auto* item = new EffAreaItem;
      for (int v = 0; v < 5; ++v) item->val[v] = eleNo * 100 + k * 10 + i + v * 0.125;
      r->effList[k].Add(item);
    }
    ++k;
  }
  return r;
}

class EffArea : public chkrsl_test::ProjectTest {
 protected:
  void TearDown() override {
    for (INT_PTR i = 0; i < effs.GetSize(); ++i) delete effs[i];
    ProjectTest::TearDown();
  }
  void WriteElements(std::initializer_list<int> eleNos) {
    for (int e : eleNos) effs.Add(MakeRecord(e, {1, 0, 2, 0, e % 3}));
    WriteAlEffArea(effs);
  }
  CTypedPtrArray<CPtrArray, DataForEffArea*> effs;
};

TEST_F(EffArea, EntryLayoutLengthWordAndFieldNames) {
  effs.Add(MakeRecord(7, {2, 0, 1, 0, 0}));
  WriteAlEffArea(effs);
  const Bytes file = ReadProjectFile("EFFAL");
  ASSERT_EQ(file.size(), 4u + 149u);
  EXPECT_EQ(GetI32(file, 8), 141);
  EXPECT_EQ(effs[0]->dataLength, 141);
  EXPECT_EQ(file[12], 0xA5);
  EXPECT_EQ(GetI32(file, 13), 2);
  EXPECT_EQ(GetF64(file, 17 + 40 + 32), effs[0]->Item(0, 1)->val[4]);
  EXPECT_EQ(GetI32(file, 101), 1);
  EXPECT_EQ(GetF64(file, 105), effs[0]->Item(2, 0)->val[0]);
  chkrsl_test::ExpectFieldsAreTheBytes(*effs[0]);
}

TEST_F(EffArea, ForwardSearchFindsOnlyTheAskedElement) {
  WriteElements({3, 5, 9});
  DataForEffArea* got = nullptr;
  ASSERT_EQ(ReadEffectiveArea(5, got), 1);
  std::unique_ptr<DataForEffArea> owned(got);
  EXPECT_EQ(chkrsl_test::WrittenBytes(*got), chkrsl_test::WrittenBytes(*effs[1]));
  DataForEffArea* untouched = got;
  EXPECT_EQ(ReadEffectiveArea(4, untouched), 0);
  EXPECT_EQ(untouched, got);
  EXPECT_TRUE(alerts.empty());

  // Only the declared entries are looked at.
  Bytes file = ReadProjectFile("EFFAL");
  chkrsl_test::PutI32(file, 12);
  WriteProjectFile("EFFAL", file);
  EXPECT_EQ(ReadEffectiveArea(12, untouched), 0);
  chkrsl::host::CloseProject();
  EXPECT_EQ(ReadEffectiveArea(5, untouched), 0);
  EXPECT_EQ(alerts, std::vector<std::string>{"单元未验算!"});
}

TEST_F(EffArea, CorruptCountsAndTruncatedEntriesGiveNoRecord) {
  WriteElements({3, 5});
  const Bytes good = ReadProjectFile("EFFAL");
  const size_t secondCounts = 4 + (8 + 21 + 3 * 40) + 9;
  const struct {
    size_t at;
    int32_t value;
    int eleNo;
  } cases[] = {{0, -1, 3}, {0, INT32_MAX, 3}, {secondCounts, -2, 5}, {secondCounts, 1 << 28, 5}};
  DataForEffArea* got = nullptr;
  for (const auto& c : cases) {
    Bytes b = good;
    chkrsl::io::EncodeFixed32(b.data() + c.at, c.value);
    WriteProjectFile("EFFAL", b);
    EXPECT_EQ(ReadEffectiveArea(c.eleNo, got), 0) << c.at << " = " << c.value;
  }
  EXPECT_EQ(got, nullptr);
  EXPECT_TRUE(alerts.empty());
}

TEST(EffAreaRecord, CopiesOwnTheirItemsAndCountsBeyondTheListAreNotWritten) {
  std::unique_ptr<DataForEffArea> target(MakeRecord(3, {0, 2, 0, 0, 1}));
  chkrsl_test::ExpectDeepCopies(std::unique_ptr<DataForEffArea>(MakeRecord(2, {1, 3})), target.get());
  DataForEffArea copy(*target);
  copy.effCount[1] = 50;  // holds 2
  copy.effCount[4] = -4;
  const Bytes b = chkrsl_test::WrittenBytes(copy);
  EXPECT_EQ(b.size(), 8u + 21u + 2 * 40u);
  EXPECT_EQ(GetI32(b, 13), 2);
}

}  // namespace
