#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "purlin/purlin_samples.h"
#include "support/project_fixture.h"

namespace {

using chkrsl_test::Bytes;

// Tue Nov 14 22:13:20 2023 UTC
constexpr std::time_t kWritingTime = 1700000000;

std::string ExpectedPath(const std::string& name) {
  return std::string(CHKRSL_TESTS_DIR) + "/purlin/expected/" + name;
}

class PurlinReport : public chkrsl_test::ProjectTest {
 protected:
  void SetUp() override {
    ProjectTest::SetUp();
    chkrsl::host::FixClock(kWritingTime);
    chkrsl::host::SetViewerLauncher([this](const std::string& path) {
      opened.push_back(path);
      return viewerStarts;
    });
  }
  void TearDown() override {
    chkrsl::host::UseSystemClock();
    chkrsl::host::SetViewerLauncher(nullptr);
    chkrsl::host::SetViewer({});
    ProjectTest::TearDown();
  }

  void Prepare(int kind, const PurlineDesData& des, const PurlineChkData& chk) {
    doc().purlinKind = kind;
    const char* name = kind == kRoofPurlin ? "Dlg_DesWLT" : "Dlg_DesQLT";
    ASSERT_TRUE(WritePurlineDesData(PathOf(name).c_str(), des, kind));
    ASSERT_TRUE(WritePurlineChkData(PathOf("PCR").c_str(), chk));
  }

  std::string ReportPath(int kind) const {
    return chkrsl::host::UserFilePath(kind == kRoofPurlin ? "Chk_WLT" : "Chk_QLT");
  }

  // Compares the report with its expected file; CHKRSL_UPDATE_EXPECTED=1
  // writes the expected file instead, for review.
  void ExpectReport(int kind, const std::string& expectedName) {
    const Bytes written = chkrsl_test::ReadFileBytes(ReportPath(kind));
    if (std::getenv("CHKRSL_UPDATE_EXPECTED")) {
      chkrsl_test::WriteFileBytes(ExpectedPath(expectedName), written);
      return;
    }
    const Bytes expected = chkrsl_test::ReadFileBytes(ExpectedPath(expectedName));
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(chkrsl::GbkToUtf8(std::string(written.begin(), written.end())),
              chkrsl::GbkToUtf8(std::string(expected.begin(), expected.end())));
    EXPECT_EQ(written, expected);
  }

  std::vector<std::string> opened;  // paths handed to the viewer
  bool viewerStarts = true;
};

TEST_F(PurlinReport, RoofReportWithEveryCheckBlock) {
  purlin_test::AddCombinations(doc());
  Prepare(kRoofPurlin, purlin_test::RoofDesign(), purlin_test::AllChecks());
  ASSERT_TRUE(WritePurlineRsl());
  ExpectReport(kRoofPurlin, "roof_report.gbk");
  EXPECT_EQ(opened, std::vector<std::string>{ReportPath(kRoofPurlin)});
  EXPECT_EQ(doc().purlinKind, kRoofPurlin);
}

TEST_F(PurlinReport, WallReportWithoutChecksOrCombinations) {
  Prepare(kWallPurlin, purlin_test::WallDesign(), purlin_test::NoChecks());
  ASSERT_TRUE(WritePurlineRsl());
  ExpectReport(kWallPurlin, "wall_report.gbk");
}

TEST_F(PurlinReport, NothingIsWrittenWithoutInputs) {
  doc().purlinKind = 0;
  EXPECT_FALSE(WritePurlineRsl());
  doc().purlinKind = kRoofPurlin;  // no design file
  EXPECT_FALSE(WritePurlineRsl());
  EXPECT_TRUE(alerts.empty());

  ASSERT_TRUE(
      WritePurlineDesData(PathOf("Dlg_DesWLT").c_str(), purlin_test::RoofDesign(), kRoofPurlin));
  EXPECT_FALSE(WritePurlineRsl());  // no check results
  EXPECT_EQ(alerts, std::vector<std::string>{"写文件时发生错误!"});
  EXPECT_FALSE(std::filesystem::exists(ReportPath(kRoofPurlin)));
  EXPECT_TRUE(opened.empty());
}

TEST_F(PurlinReport, AReportThatCannotBeWrittenIsNotOpened) {
  Prepare(kRoofPurlin, purlin_test::RoofDesign(), purlin_test::AllChecks());
  chkrsl::host::SetUserFolder(folder + "/missing-folder");
  EXPECT_FALSE(WritePurlineRsl());
  // A user area whose paths do not fit their buffer is no path at all.
  chkrsl::host::SetUserFolder(folder + "/" + std::string(300, 'u'));
  EXPECT_FALSE(WritePurlineRsl());
  EXPECT_TRUE(opened.empty());
}

TEST_F(PurlinReport, AViewerThatCannotStartLeavesTheReport) {
  Prepare(kRoofPurlin, purlin_test::RoofDesign(), purlin_test::AllChecks());
  viewerStarts = false;
  EXPECT_FALSE(WritePurlineRsl());
  EXPECT_TRUE(std::filesystem::exists(ReportPath(kRoofPurlin)));
}

TEST_F(PurlinReport, TheViewerIsAProcessStartedFromAnArgumentVector) {
  chkrsl::host::SetViewerLauncher(nullptr);
  chkrsl::host::SetViewer({folder + "/no-such-viewer"});
  EXPECT_FALSE(OpenInNotepad("report"));
  // The path is one argument, blanks and all, and reaches no shell.
  const std::string mark = folder + "/started; rm -rf x";
  chkrsl::host::SetViewer({CHKRSL_TOUCH});
  EXPECT_TRUE(OpenInNotepad(mark.c_str()));
  for (int i = 0; i < 200 && !std::filesystem::exists(mark); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  EXPECT_TRUE(std::filesystem::exists(mark));
}

}  // namespace
