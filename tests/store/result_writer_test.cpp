#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "support/project_fixture.h"

namespace {

using namespace chkrsl_test;

const char kWriteError[] = "写文件时发生错误!";

class ResultWriter : public ProjectTest {
 protected:
  void AddSteel(int eleNo, int secType) {
    auto r = MakeSteel(eleNo, secType);
    r->eleType = 2;
    r->dSteel[0] = eleNo * 1.5;
    doc().SetElementSecType(eleNo, secType);
    recs.Add(r.release());
  }

  // "CHKFF": n (the number of codes unless given), then element, file code
  // and type code of each.
  void WriteCodes(const std::vector<std::vector<int>>& codes, int n = -1) {
    Bytes b;
    PutI32(b, n < 0 ? static_cast<int>(codes.size()) : n);
    for (const auto& c : codes)
      for (int v : c) PutI32(b, v);
    WriteProjectFile("CHKFF", b);
  }

  // A result file of `count` followed by the entries of records `which`.
  Bytes ResultOf(std::initializer_list<int> which) {
    std::vector<CHKRsl*> picked;
    for (int i : which) picked.push_back(recs[i]);
    return ResultFileOf(picked);
  }
};

TEST_F(ResultWriter, FileCodesChooseTheFileAndTheStoredTypeCode) {
  AddSteel(1, 35);
  AddSteel(2, 26);
  AddSteel(3, 1);
  WriteCodes({{1, 26, 6}, {2, 26, 6}, {3, 6, 6}});
  WriteCHKResult(recs);
  EXPECT_EQ(recs[0]->eleType, 6);
  EXPECT_EQ(ReadProjectFile("CHKST_N"), ResultOf({0, 1}));
  EXPECT_EQ(ReadProjectFile("CHKST"), ResultOf({2}));
  EXPECT_FALSE(std::filesystem::exists(PathOf("CHKCM")));  // no entry, no file
  EXPECT_TRUE(alerts.empty());
}

TEST_F(ResultWriter, EntriesWithoutFileOrRecordAreNeitherWrittenNorCounted) {
  const Bytes stale = {9, 9, 9, 9, 1, 2, 3};
  WriteProjectFile("CHKST", stale);
  for (int e = 1; e <= 4; ++e) AddSteel(e, 1);
  WriteCodes({});  // n = 0
  WriteCHKResult(recs);
  WriteCodes({{1, -1, 6}, {2, -1, 6}});
  WriteCHKResult(recs);
  EXPECT_EQ(ReadProjectFile("CHKST"), stale);

  // Unknown code 4, count-only code 1, and two entries beyond the records.
  WriteCodes({{1, 4, 6}, {2, 1, 6}, {3, 2, 6}, {4, 2, 6}, {5, 2, 6}, {6, 1, 6}});
  recs.Add(nullptr);  // a slot without a record
  WriteCHKResult(recs);
  EXPECT_EQ(ReadProjectFile("CHKCM"), ResultOf({2, 3}));
  EXPECT_EQ(ReadProjectFile("CHKLT"), Bytes({1, 0, 0, 0}));
  EXPECT_EQ(recs[1]->eleType, 2);  // code 1 writes no record
  EXPECT_EQ(ReadProjectFile("CHKST"), stale);
  EXPECT_TRUE(alerts.empty());

  // A table that declares more entries than it holds ends at its end.
  WriteCodes({{1, 2, 6}}, 1000);
  WriteCHKResult(recs);
  EXPECT_EQ(ReadProjectFile("CHKCM"), ResultOf({0}));
}

TEST_F(ResultWriter, WallWriterStoresEveryRecordInArrayOrder) {
  AddSteel(5, 1);
  AddSteel(2, 35);
  WriteCHKResult_Wall(recs);
  EXPECT_EQ(ReadProjectFile("CHKCW"), ResultOf({0, 1}));
}

// A file that cannot be created is reported once and the other files are
// finished (failing writes, flushes and closes: the write-fault sweep).
TEST_F(ResultWriter, AFileThatCannotBeCreatedIsReportedOnce) {
  for (int e = 1; e <= 4; ++e) AddSteel(e, 1);
  ASSERT_TRUE(std::filesystem::create_directory(PathOf("CHKST_N")));
  ASSERT_TRUE(std::filesystem::create_directory(PathOf("CHKCW")));
  WriteCodes({{1, 6, 6}, {2, 26, 6}, {3, 26, 6}});
  WriteCHKResult(recs);
  EXPECT_EQ(ReadProjectFile("CHKST"), ResultOf({0}));
  EXPECT_EQ(alerts, std::vector<std::string>{kWriteError});
  WriteCHKResult_Wall(recs);
  EXPECT_EQ(alerts, std::vector<std::string>(2, kWriteError));
}

}  // namespace
