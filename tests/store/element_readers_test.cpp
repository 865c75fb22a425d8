#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <vector>

#include "support/project_fixture.h"

namespace {

using namespace chkrsl_test;

const char kNotChecked[] = "单元未验算!";

class ElementReaders : public ProjectTest {
 protected:
  // A steel record of element `eleNo`; the document gets its section type.
  std::unique_ptr<DataForSteel> Steel(int eleNo, int secType) {
    doc().SetElementSecType(eleNo, secType);
    return MakeSteel(eleNo, secType);
  }

  // `count` (the number of entries unless given), then the entries.
  void WriteResults(const std::string& ext, const std::vector<Bytes>& entries, int count = -2) {
    Bytes file;
    PutI32(file, count == -2 ? static_cast<int>(entries.size()) : count);
    for (const Bytes& e : entries) file.insert(file.end(), e.begin(), e.end());
    WriteProjectFile(ext, file);
  }

  // Three steel elements: 1 and 3 (category 4: the plain file) plain, 2 a user section.
  void WriteSteelProject() {
    WriteProjectFile("CHKTT", ElementTable({1, 2, 3}, 6));
    WriteResults("CHKST", {WrittenBytes(*Steel(1, 1)), WrittenBytes(*Steel(3, 42))});
    WriteResults("CHKST_N", {WrittenBytes(*Steel(2, 35))});
  }
};

// A program without a document takes each element's section type from the
// entry in a file of its kind: element 2 of kind 2 would be read from
// "CHKCM", so its entry in "CHKST_N" is not its own.
TEST_F(ElementReaders, StoredSectionTypesStandForTheDocument) {
  WriteSteelProject();
  Bytes table = ElementTable({1, 2, 3}, 6);
  table[4 + 8 + 4] = 2;  // element 2 of kind 2
  WriteProjectFile("CHKTT", table);
  doc().Clear();
  EXPECT_EQ(chkrsl::host::AdoptStoredSectionTypes(), 2);
  EXPECT_EQ(doc().FindElement(2), nullptr);
  CHKRsl* rec = nullptr;
  int kind = 0;
  ASSERT_EQ(GetOneEleRsl(rec, kind, 3), 1);
  EXPECT_EQ(rec->secType, 42);
  delete rec;
}

// The kind comes from "CHKTT" unless the caller gives one.
TEST_F(ElementReaders, TheKindNamesTheResultFiles) {
  WriteSteelProject();
  CHKRsl* rec = nullptr;
  int kind = 99;
  ASSERT_EQ(GetOneEleRsl(rec, kind, 2), 1);
  EXPECT_EQ(kind, 6);
  delete rec;
  // A kind given by the caller is used as it is: kind 2 names "CHKCM".
  rec = nullptr;
  kind = 2;
  EXPECT_EQ(GetOneEleRsl_Code(rec, kind, 1), 0);
  EXPECT_EQ(rec, nullptr);
  EXPECT_EQ(alerts, std::vector<std::string>{kNotChecked});
}

// Both end the load and empty the array, records held before the call included.
TEST_F(ElementReaders, ChangedSectionOrMissingElementEmptiesTheArray) {
  WriteSteelProject();
  doc().SetElementSecType(2, 36);  // still category 2, but not what was checked
  EXPECT_EQ(GetAllEleRsl(recs), 0);
  EXPECT_EQ(recs.GetSize(), 0);
  EXPECT_EQ(alerts, (std::vector<std::string>{"单元截面类型已改变，请重新验算!", kNotChecked}));
  alerts.clear();
  doc().SetElementSecType(2, 1);  // now looked for in the plain file, which lacks it
  recs.Add(new DataForSteel);
  EXPECT_EQ(GetAllEleRsl(recs), 0);
  EXPECT_EQ(recs.GetSize(), 0);
  EXPECT_EQ(alerts, std::vector<std::string>{kNotChecked});
}

TEST_F(ElementReaders, UnlistedUnknownOrAbsentElementsAreNotChecked) {
  WriteProjectFile("CHKTT", ElementTable({}, 6));  // an empty table succeeds
  EXPECT_EQ(GetAllEleRsl(recs), 1);
  EXPECT_EQ(recs.GetSize(), 0);
  EXPECT_TRUE(alerts.empty());

  std::remove(PathOf("CHKTT").c_str());
  EXPECT_EQ(GetAllEleRsl(recs), 0);  // no table
  WriteSteelProject();
  CHKRsl* rec = nullptr;
  int kind = 0;
  EXPECT_EQ(GetOneEleRsl(rec, kind, 7), 0);  // not in the table
  doc().Clear();  // the document no longer knows the elements
  EXPECT_EQ(GetAllEleRsl(recs), 0);
  WriteProjectFile("CHKTT", ElementTable({1}, 12));  // a kind without result files
  doc().SetElementSecType(1, 1);
  EXPECT_EQ(GetAllEleRsl(recs), 0);
  EXPECT_EQ(alerts, std::vector<std::string>(4, kNotChecked));
}

// Corrupt files end the load like a missing element: no crash, no huge
// allocation, no record.
TEST_F(ElementReaders, CorruptCountsAndLengthsAreMissingResults) {
  const Bytes steel = WrittenBytes(*Steel(2, 1));
  WriteProjectFile("CHKTT", Bytes{0xFF, 0xFF, 0xFF, 0x7F});
  EXPECT_EQ(GetAllEleRsl(recs), 0);
  WriteProjectFile("CHKTT", ElementTable({2}, 6));
  for (int count : {-1, 0x7FFFFFFF}) {
    WriteResults("CHKST", {steel}, count);
    EXPECT_EQ(GetAllEleRsl(recs), 0) << count;
  }
  Bytes negativeLength;
  for (int v : {1, 18, 29, -16}) PutI32(negativeLength, v);
  WriteResults("CHKST", {negativeLength, steel});
  EXPECT_EQ(GetAllEleRsl(recs), 0);
  EXPECT_EQ(recs.GetSize(), 0);
  EXPECT_EQ(alerts.size(), 4u);
}

}  // namespace
