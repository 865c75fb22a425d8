// The tool's clause text and purlin report commands on the example project.
#include "purlin_commands.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "project_loader.h"
#include "support/project_fixture.h"

namespace {

using chkrsl_cli::PurlinReportOptions;

class ToolPurlinReport : public chkrsl_test::ProjectTest {
 protected:
  void SetUp() override {
    ProjectTest::SetUp();
    chkrsl::host::FixClock(1700000000);
  }
  void TearDown() override {
    chkrsl::host::UseSystemClock();
    ProjectTest::TearDown();
  }

  int Run(const std::string& project, PurlinReportOptions options) {
    EXPECT_TRUE(chkrsl_cli::OpenProjectPath(std::string(CHKRSL_EXAMPLE_DIR) + "/" + project));
    options.outputFolder = folder;
    out.str("");
    err.str("");
    return chkrsl_cli::WritePurlinReport(options, out, err);
  }

  std::ostringstream out, err;
};

TEST_F(ToolPurlinReport, WritesBothExampleDesignsWithTheirCombinations) {
  PurlinReportOptions print;
  print.print = true;
  ASSERT_EQ(Run("example", print), 0) << err.str();
  EXPECT_NE(out.str().find("    (3) 1.20 恒载 + 1.40 活载工况1 + 1.40 x 0.60 风载工况1\r\n"),
            std::string::npos);
  EXPECT_NE(out.str().find("v/l = 1/231 <= 1/150"), std::string::npos);
  EXPECT_FALSE(std::ifstream(folder + "/example.Chk_WLT").good());  // printing writes nothing

  ASSERT_EQ(Run("example_wall", {}), 0) << err.str();
  EXPECT_EQ(out.str(), folder + "/example_wall.Chk_QLT\n");
  std::ifstream report(folder + "/example_wall.Chk_QLT", std::ios::binary);
  EXPECT_TRUE(report.good());
  EXPECT_EQ(GetQMpDoc()->purlinKind, kWallPurlin);
}

TEST_F(ToolPurlinReport, ReportsWhatItCannotDo) {
  PurlinReportOptions wall;
  wall.purlinKind = kWallPurlin;  // the example holds a roof design only
  EXPECT_EQ(Run("example", wall), 1);
  EXPECT_NE(err.str().find("no purlin report"), std::string::npos);

  const std::string bad = folder + "/bad.json";
  std::ofstream(bad) << R"({"combinations": [[{"kind": "dead"}]]})";
  PurlinReportOptions badCombs;
  badCombs.combinations = bad;
  EXPECT_EQ(Run("example", badCombs), 1);
  EXPECT_NE(err.str().find("bad.json"), std::string::npos);
  EXPECT_EQ(GetQMpDoc()->loadCombs.GetSize(), 0);
}

}  // namespace
