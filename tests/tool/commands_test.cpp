// The tool's commands on the bundled example project.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "commands.h"
#include "project_loader.h"
#include "support/project_fixture.h"

namespace {

class ToolCommands : public chkrsl_test::ProjectTest {
 protected:
  void SetUp() override {
    ProjectTest::SetUp();
    ASSERT_TRUE(chkrsl_cli::OpenProjectPath(std::string(CHKRSL_EXAMPLE_DIR) + "/example"));
    chkrsl_cli::AdoptStoredSections();
  }
};

TEST_F(ToolCommands, ListsEveryElementOfTheExample) {
  std::ostringstream out;
  EXPECT_EQ(chkrsl_cli::ListResults(out), 0);
  const std::string text = out.str();
  EXPECT_NE(text.find("      3     6  DataForSteel                 3"), std::string::npos) << text;
  EXPECT_NE(text.find("energy nEn[3]=-1"), std::string::npos) << text;
  EXPECT_TRUE(alerts.empty());
}

TEST_F(ToolCommands, ShowsOneRecordWholeAndReportsAMissingOne) {
  std::ostringstream out;
  EXPECT_EQ(chkrsl_cli::ShowElement(2, out), 0);
  EXPECT_NE(out.str().find("== section sub-record =="), std::string::npos);
  EXPECT_NE(out.str().find("  secType = 35"), std::string::npos);
  std::ostringstream none;
  EXPECT_EQ(chkrsl_cli::ShowElement(999, none), 1);
  EXPECT_EQ(alerts, std::vector<std::string>{"单元未验算!"});
}

}  // namespace
