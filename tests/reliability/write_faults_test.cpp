// Each writer with every one of its writes, flushes and closes failing in
// turn: one alert, no handle left open, and every file it leaves behind is
// either what a clean run writes or one that claims no entries.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
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
      auto* r = new DataForEffArea;
      r->eleNo = e;
      r->effCount[e % 5] = 1;
      r->effList[e % 5].Add(new EffAreaItem{{e + 0.5, 1, 2, 3, 4}});
      effs.Add(r);
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
  std::string OutputPath(const std::string& name) const {
    return name == "Chk_WLT" ? chkrsl::host::UserFilePath(name.c_str()) : PathOf(name);
  }
  CTypedPtrArray<CPtrArray, DataForEffArea*> effs;
};

struct Writer {
  const char* name;
  std::vector<std::string> outputs;
  std::function<void()> write;
};

TEST_F(WriteFaultsTest, EveryWriteFlushAndCloseFailsInTurn) {
  const Writer writers[] = {
      {"WriteCHKResult",
       {"CHKCM", "CHKGS", "CHKST", "CHKAL", "CHKHB", "CHKPT", "CHKCT", "CHKGS_N", "CHKST_N",
        "CHKHB_N", "CHKPT_N"},
       [this] { WriteCHKResult(recs); }},
      {"WriteCHKResult_Wall", {"CHKCW"}, [this] { WriteCHKResult_Wall(walls); }},
      {"WriteAlEffArea", {"EFFAL"}, [this] { WriteAlEffArea(effs); }},
      {"WritePurlineRsl", {"Chk_WLT"}, [] { WritePurlineRsl(); }},
  };
  for (const Writer& w : writers) {
    alerts.clear();
    WriteFaults::Arm(-1);
    w.write();
    const chkrsl::io::WriteSeamCounts clean = WriteFaults::Counts();
    ASSERT_TRUE(alerts.empty()) << w.name;
    ASSERT_GT(clean.operations, 0) << w.name;
    std::vector<Bytes> whole;
    for (const std::string& out : w.outputs) whole.push_back(chkrsl_test::ReadFileBytes(OutputPath(out)));

    for (int64_t n = 0; n < clean.operations; ++n) {
      const std::string what = std::string(w.name) + " failing operation " + std::to_string(n);
      for (const std::string& out : w.outputs) std::filesystem::remove(OutputPath(out));
      alerts.clear();
      WriteFaults::Arm(n);
      w.write();
      const chkrsl::io::WriteSeamCounts c = WriteFaults::Counts();
      WriteFaults::Disarm();
      EXPECT_EQ(alerts, std::vector<std::string>{"写文件时发生错误!"}) << what;
      EXPECT_EQ(c.opened, c.closed) << what;
      for (size_t i = 0; i < w.outputs.size(); ++i) {
        const Bytes left = chkrsl_test::ReadFileBytes(OutputPath(w.outputs[i]));
        const bool noEntries = left.size() <= 4 && left == Bytes(left.size(), 0);
        const bool report = w.outputs[i] == "Chk_WLT";
        EXPECT_TRUE(left == whole[i] || (report ? left.empty() : noEntries))
            << what << ": " << w.outputs[i] << " holds " << left.size() << " bytes";
      }
    }
  }
}

}  // namespace
