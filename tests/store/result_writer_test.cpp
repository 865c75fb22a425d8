#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <csignal>
#include <filesystem>
#include <vector>

#include "support/project_fixture.h"

namespace {

using namespace chkrsl_test;

const char kWriteError[] = "写文件时发生错误!";

class ResultWriter : public ProjectTest {
 protected:
  DataForSteel* AddSteel(int eleNo, int secType) {
    auto* r = new DataForSteel;
    r->eleNo = eleNo;
    r->eleType = 2;
    r->secType = secType;
    r->dSteel[0] = eleNo * 1.5;
    if (JudgeSecCate(secType) == 2) r->pSec = new DataForNewSec;
    if (JudgeSecCate(secType) == 3) r->pSec = new DataForLts;
    doc().SetElementSecType(eleNo, secType);
    recs.Add(r);
    return r;
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
  DataForSteel* damper = AddSteel(2, 26);
  damper->memberKind = 6;
  damper->pEnergy = new DataForEnergyConsume;
  AddSteel(3, 1);
  WriteCodes({{1, 26, 6}, {2, 26, 6}, {3, 6, 6}});
  WriteCHKResult(recs);
  EXPECT_EQ(recs[0]->eleType, 6);
  EXPECT_EQ(ReadProjectFile("CHKST_N"), ResultOf({0, 1}));
  EXPECT_EQ(GetI32(ReadProjectFile("CHKST_N"), 4 + 743 + 800 + 4), -6);
  EXPECT_EQ(ReadProjectFile("CHKST"), ResultOf({2}));
  EXPECT_NE(access(PathOf("CHKCM").c_str(), F_OK), 0);  // no entry, no file
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

#ifndef _WIN32
// Runs `write` in a child process whose files may not grow beyond `limit`
// bytes; returns the number of alerts it showed.
int WithFileSizeLimit(rlim_t limit, const std::function<void()>& write,
                      const std::vector<std::string>& alerts) {
  const pid_t pid = fork();
  if (pid == 0) {
    std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit rl = {limit, limit};
    setrlimit(RLIMIT_FSIZE, &rl);
    write();
    _exit(static_cast<int>(alerts.size()));
  }
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
#endif

// A file that cannot be created or grown is reported once; it is left with
// the count 0 where it can be, and the other files are finished.
TEST_F(ResultWriter, WriteFailuresAreReportedOnceAndLeaveCountZero) {
  for (int e = 1; e <= 4; ++e) AddSteel(e, 1);
  WriteCodes({{1, 2, 2}, {2, 6, 2}, {3, 6, 2}, {4, 6, 2}});
  WriteProjectFile("CHKST", ResultOf({1, 2, 3}));  // stale results of an earlier run
#ifndef _WIN32
  EXPECT_EQ(WithFileSizeLimit(1500, [&] { WriteCHKResult(recs); }, alerts), 1);
  EXPECT_EQ(ReadProjectFile("CHKST"), Bytes({0, 0, 0, 0}));
  Records two;
  for (int i : {1, 2}) two.Add(recs[i]);
  EXPECT_EQ(WithFileSizeLimit(1000, [&] { WriteCHKResult_Wall(two); }, alerts), 1);
  EXPECT_EQ(ReadProjectFile("CHKCW"), Bytes({0, 0, 0, 0}));
#else
  // No file-size limit here: a file that another program holds open, sharing
  // it for reading only, refuses the write instead.
  HANDLE held = CreateFileA(PathOf("CHKST").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  WriteCHKResult(recs);
  CloseHandle(held);
  EXPECT_EQ(alerts, std::vector<std::string>{kWriteError});
  alerts.clear();
#endif
  EXPECT_EQ(ReadProjectFile("CHKCM"), ResultOf({0}));  // 747 bytes: finished

  ASSERT_TRUE(std::filesystem::create_directory(PathOf("CHKST_N")));
  WriteCodes({{1, 6, 6}, {2, 26, 6}, {3, 26, 6}});
  WriteCHKResult(recs);
  EXPECT_EQ(alerts, std::vector<std::string>{kWriteError});
  EXPECT_EQ(ReadProjectFile("CHKST"), ResultOf({0}));
}

TEST_F(ResultWriter, WallWriterStoresEveryRecordInArrayOrder) {
  AddSteel(5, 1);
  AddSteel(2, 35);
  WriteCHKResult_Wall(recs);
  EXPECT_EQ(ReadProjectFile("CHKCW"), ResultOf({0, 1}));
  std::remove(PathOf("CHKCW").c_str());
  ASSERT_TRUE(std::filesystem::create_directory(PathOf("CHKCW")));
  WriteCHKResult_Wall(recs);
  EXPECT_EQ(alerts, std::vector<std::string>{kWriteError});
}

}  // namespace
