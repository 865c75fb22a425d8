#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <utility>
#include <vector>

#include "support/project_fixture.h"

namespace {

using chkrsl_test::Bytes;
using chkrsl_test::PutI32;

const char kNotChecked[] = "单元未验算!";
const char kSectionChanged[] = "单元截面类型已改变，请重新验算!";

class ElementReaders : public chkrsl_test::ProjectTest {
 protected:
  using Records = CTypedPtrArray<CPtrArray, CHKRsl*>;

  void TearDown() override {
    chkrsl::DeleteAllRecords(out);
    ProjectTest::TearDown();
  }

  // A steel entry of element `eleNo`; the document gets its section type.
  static std::unique_ptr<DataForSteel> Steel(int eleNo, int secType, int code = 6) {
    auto r = std::make_unique<DataForSteel>();
    r->eleNo = eleNo;
    r->eleType = code;
    r->secType = secType;
    r->dBase[0] = eleNo + 0.5;
    if (JudgeSecCate(secType) == 2) r->pSec = new DataForNewSec;
    if (JudgeSecCate(secType) == 3) r->pSec = new DataForLts;
    return r;
  }

  static Bytes Entry(CHKRsl& rec) { return chkrsl_test::WrittenBytes(rec); }

  static constexpr int kCountOfEntries = INT32_MIN;

  void WriteResults(const std::string& ext, const std::vector<Bytes>& entries,
                    int count = kCountOfEntries) {
    Bytes file;
    PutI32(file, count == kCountOfEntries ? static_cast<int>(entries.size()) : count);
    for (const Bytes& e : entries) file.insert(file.end(), e.begin(), e.end());
    WriteProjectFile(ext, file);
  }

  void WriteTable(const std::vector<std::pair<int, int>>& elementKinds) {
    Bytes file;
    PutI32(file, static_cast<int>(elementKinds.size()));
    for (auto [ele, kind] : elementKinds) {
      PutI32(file, ele);
      PutI32(file, kind);
    }
    WriteProjectFile("CHKTT", file);
  }

  // A project of three steel elements: 1 and 3 plain, 2 a user section.
  void WriteSteelProject() {
    WriteTable({{1, 6}, {2, 6}, {3, 6}});
    WriteResults("CHKST", {Entry(*Steel(1, 1)), Entry(*Steel(3, 42))});
    WriteResults("CHKST_N", {Entry(*Steel(2, 35))});
    doc().SetElementSecType(1, 1);
    doc().SetElementSecType(2, 35);
    doc().SetElementSecType(3, 42);
  }

  Records out;
};

TEST_F(ElementReaders, BulkLoadReadsEachElementFromTheFileOfItsCategory) {
  WriteSteelProject();
  ASSERT_EQ(GetAllEleRsl(out), 1);
  ASSERT_EQ(out.GetSize(), 3);
  EXPECT_EQ(out[0]->eleNo, 1);
  EXPECT_EQ(out[0]->pSec, nullptr);
  EXPECT_EQ(out[1]->eleNo, 2);
  EXPECT_NE(out[1]->pSec, nullptr);
  EXPECT_EQ(out[2]->eleNo, 3);  // category 4: the plain file
  EXPECT_EQ(static_cast<DataForSteel*>(out[2])->dBase[0], 3.5);
  EXPECT_TRUE(alerts.empty());
}

TEST_F(ElementReaders, ElementListAndSingleReadsReturnTheRecordAndItsKind) {
  WriteSteelProject();
  CArray<int, int> wanted;
  wanted.Add(3);
  wanted.Add(2);  // any order: every element is read anew
  ASSERT_EQ(GetAllEleRsl(out, wanted), 1);
  ASSERT_EQ(out.GetSize(), 2);
  EXPECT_EQ(out[0]->eleNo, 3);
  EXPECT_EQ(out[1]->eleNo, 2);

  CHKRsl* rec = nullptr;
  int kind = 99;
  ASSERT_EQ(GetOneEleRsl(rec, kind, 2), 1);
  EXPECT_EQ(kind, 6);
  EXPECT_EQ(rec->secType, 35);
  delete rec;

  // A kind given by the caller is used as it is: kind 2 names "CHKCM".
  rec = nullptr;
  kind = 2;
  EXPECT_EQ(GetOneEleRsl_Code(rec, kind, 1), 0);
  EXPECT_EQ(rec, nullptr);
  EXPECT_EQ(alerts, std::vector<std::string>{kNotChecked});
}

TEST_F(ElementReaders, EnergyConcreteAndGridEntriesArePassedOverByTheirOwnSizes) {
  auto damper = Steel(1, 35);  // an energy member with a user section
  damper->memberKind = 6;
  damper->pEnergy = new DataForEnergyConsume;
  Bytes concrete;  // a concrete entry: header, length word, 50 bytes
  PutI32(concrete, 2);
  PutI32(concrete, 11);
  PutI32(concrete, 29);
  PutI32(concrete, 50);
  concrete.resize(concrete.size() + 50, 0xEE);
  Bytes grid;  // a grid entry: code 5, 692 bytes of body
  PutI32(grid, 4);
  PutI32(grid, 5);
  PutI32(grid, 1);
  grid.resize(grid.size() + 692, 0);
  WriteResults("CHKST_N", {Entry(*damper), concrete, grid, Entry(*Steel(5, 35))});
  WriteTable({{1, 6}, {5, 6}});
  doc().SetElementSecType(1, 35);
  doc().SetElementSecType(5, 35);

  CHKRsl* rec = nullptr;
  int kind = 0;
  ASSERT_EQ(GetOneEleRsl(rec, kind, 5), 1);
  EXPECT_EQ(rec->eleNo, 5);
  delete rec;

  ASSERT_EQ(GetOneEleRsl(rec, kind, 1), 1);
  auto* steel = dynamic_cast<DataForSteel*>(rec);
  ASSERT_NE(steel, nullptr);
  EXPECT_EQ(steel->eleType, 6);
  EXPECT_NE(steel->pEnergy, nullptr);
  delete rec;
}

TEST_F(ElementReaders, ChangedSectionIsRefusedWithBothMessages) {
  WriteSteelProject();
  doc().SetElementSecType(2, 36);  // still category 2, but not what was checked
  EXPECT_EQ(GetAllEleRsl(out), 0);
  EXPECT_EQ(out.GetSize(), 0);
  EXPECT_EQ(alerts, (std::vector<std::string>{kSectionChanged, kNotChecked}));
}

TEST_F(ElementReaders, MissingElementEndsTheLoadAndEmptiesTheArray) {
  WriteTable({{1, 6}, {2, 6}, {3, 6}});
  WriteResults("CHKST", {Entry(*Steel(1, 1)), Entry(*Steel(3, 1))});
  for (int e = 1; e <= 3; ++e) doc().SetElementSecType(e, 1);
  out.Add(new DataForSteel);  // held before the call: deleted too
  EXPECT_EQ(GetAllEleRsl(out), 0);
  EXPECT_EQ(out.GetSize(), 0);
  EXPECT_EQ(alerts, std::vector<std::string>{kNotChecked});
}

TEST_F(ElementReaders, UnlistedUnknownOrAbsentElementsAreNotChecked) {
  WriteTable({});  // an empty table or list succeeds with nothing
  EXPECT_EQ(GetAllEleRsl(out), 1);
  CArray<int, int> none;
  EXPECT_EQ(GetAllEleRsl(out, none), 1);
  EXPECT_EQ(out.GetSize(), 0);
  EXPECT_TRUE(alerts.empty());

  std::remove(PathOf("CHKTT").c_str());
  EXPECT_EQ(GetAllEleRsl(out), 0);  // no table
  WriteSteelProject();
  CHKRsl* rec = nullptr;
  int kind = 0;
  EXPECT_EQ(GetOneEleRsl(rec, kind, 7), 0);  // not in the table
  EXPECT_EQ(rec, nullptr);
  doc().Clear();  // the document no longer knows the elements
  EXPECT_EQ(GetAllEleRsl(out), 0);
  WriteTable({{1, 12}});  // a kind without result files
  doc().SetElementSecType(1, 1);
  EXPECT_EQ(GetAllEleRsl(out), 0);
  EXPECT_EQ(alerts, std::vector<std::string>(4, kNotChecked));

  // The loader leaves out wanted elements the table does not list.
  WriteSteelProject();
  CArray<int, int> eles, kinds, wanted;
  for (int e : {1, 3}) {
    eles.Add(e);
    kinds.Add(6);
  }
  for (int e : {1, 2, 3}) wanted.Add(e);
  ASSERT_EQ(chkrsl::GetEleRslByKind(out, eles, kinds, wanted), 1);
  ASSERT_EQ(out.GetSize(), 2);
  EXPECT_EQ(out[1]->eleNo, 3);
}

// Corrupt files end the load like a missing element: no crash, no huge
// allocation, no record.
TEST_F(ElementReaders, CorruptCountsAndLengthsAreMissingResults) {
  doc().SetElementSecType(2, 1);
  Bytes hugeTable;
  PutI32(hugeTable, 0x7FFFFFFF);
  WriteProjectFile("CHKTT", hugeTable);
  EXPECT_EQ(GetAllEleRsl(out), 0);

  WriteTable({{2, 6}});
  for (int count : {-1, 0x7FFFFFFF}) {
    WriteResults("CHKST", {Entry(*Steel(2, 1))}, count);
    EXPECT_EQ(GetAllEleRsl(out), 0) << count;
  }

  Bytes negativeLength;
  PutI32(negativeLength, 1);
  PutI32(negativeLength, 18);
  PutI32(negativeLength, 29);
  PutI32(negativeLength, -16);
  WriteResults("CHKST", {negativeLength, Entry(*Steel(2, 1))});
  EXPECT_EQ(GetAllEleRsl(out), 0);

  Bytes cut = Entry(*Steel(2, 1));
  cut.pop_back();
  WriteResults("CHKST", {cut});
  EXPECT_EQ(GetAllEleRsl(out), 0);
  EXPECT_EQ(out.GetSize(), 0);
  EXPECT_EQ(alerts.size(), 5u);
}

}  // namespace
