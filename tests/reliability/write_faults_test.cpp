// Each writer with every one of its writes, flushes and closes failing in
// turn: one alert, no handle left open, and every file it writes is left
// either as a clean run writes it, or claiming no entries (a report: gone).
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "reliability/example_project_test.h"

namespace {

using chkrsl::io::WriteFaults;
using chkrsl_test::Bytes;

class WriteFaultsTest : public chkrsl_test::ExampleProjectTest {
 protected:
  void SetUp() override {
    ExampleProjectTest::SetUp();
    ASSERT_EQ(GetAllEleRsl(recs), 1);
    ASSERT_EQ(GetAllBoardRsl(walls, edges), 1);
    for (int e : {3, 8, 40}) {
      effs.Add(new DataForEffArea);
      effs[effs.GetSize() - 1]->eleNo = e;
      effs[effs.GetSize() - 1]->effCount[e % 5] = 1;
      effs[effs.GetSize() - 1]->effList[e % 5].Add(new EffAreaItem{{e + 0.5, 1, 2, 3, 4}});
    }
    doc().purlinKind = kRoofPurlin;
    chkrsl::host::FixClock(1700000000);
    chkrsl::host::SetViewerLauncher([](const std::string&) { return true; });
  }
  void TearDown() override {
    WriteFaults::Disarm();
    for (INT_PTR i = 0; i < effs.GetSize(); ++i) delete effs[i];
    chkrsl::host::SetViewerLauncher(nullptr);
    chkrsl::host::UseSystemClock();
    ExampleProjectTest::TearDown();
  }
  std::map<std::string, Bytes> Snapshot() const {
    std::map<std::string, Bytes> files;
    for (const auto& e : std::filesystem::directory_iterator(folder))
      files[e.path().string()] = chkrsl_test::ReadFileBytes(e.path().string());
    return files;
  }
  CTypedPtrArray<CPtrArray, DataForEffArea*> effs;
};

TEST_F(WriteFaultsTest, EveryWriteFlushAndCloseFailsInTurn) {
  const std::function<void()> writers[] = {[this] { WriteCHKResult(recs); },
                                           [this] { WriteCHKResult_Wall(walls); },
                                           [this] { WriteAlEffArea(effs); },
                                           [] { WritePurlineRsl(); }};
  for (const auto& write : writers) {
    const std::map<std::string, Bytes> before = Snapshot();
    alerts.clear();
    WriteFaults::Arm(-1);
    write();
    const chkrsl::io::WriteSeamCounts clean = WriteFaults::Counts();
    ASSERT_TRUE(alerts.empty());
    ASSERT_GT(clean.operations, 0);
    std::map<std::string, Bytes> written = Snapshot();
    for (const auto& [path, bytes] : before)
      if (written[path] == bytes) written.erase(path);

    for (int64_t n = 0; n < clean.operations; ++n) {
      for (const auto& file : written) std::filesystem::remove(file.first);
      alerts.clear();
      WriteFaults::Arm(n);
      write();
      const chkrsl::io::WriteSeamCounts c = WriteFaults::Counts();
      WriteFaults::Disarm();
      EXPECT_EQ(alerts, std::vector<std::string>{"写文件时发生错误!"}) << "operation " << n;
      EXPECT_EQ(c.opened, c.closed) << "operation " << n;
      for (const auto& [path, whole] : written) {
        const Bytes left = chkrsl_test::ReadFileBytes(path);
        const bool noEntries = path.find("Chk_WLT") == std::string::npos
                                   ? left.size() <= 4 && left == Bytes(left.size(), 0)
                                   : !std::filesystem::exists(path);
        EXPECT_TRUE(left == whole || noEntries) << path << " after failing operation " << n;
      }
    }
  }
}

}  // namespace
