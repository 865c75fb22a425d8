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

namespace {

class ToolFamilyRecords : public chkrsl_test::ProjectTest {
 protected:
  void SetUp() override {
    ProjectTest::SetUp();
    ASSERT_TRUE(chkrsl_cli::OpenProjectPath(std::string(CHKRSL_EXAMPLE_DIR) + "/example"));
    chkrsl_cli::AdoptStoredSections();
  }
};

// The steel-family members of the example were written by WriteCHKResult;
// each reads back as its class.
TEST_F(ToolFamilyRecords, ListsEveryKindUnderItsClass) {
  std::ostringstream out;
  EXPECT_EQ(chkrsl_cli::ListResults(out), 0);
  const std::string text = out.str();
  for (const char* row : {"    101     2  DataForLightSteel            1",
                          "    103     5  DataForGrid                  2",
                          "    105    10  DataForPoleTower             3",
                          "    106     7  DataForAluminiumAlloy        1",
                          "    108     8  DataForHighBuild             1",
                          "    110     2  DataForOpenTruss             1",
                          "    111     2  DataForConcreteComposite     1",
                          "    114     2  DataForConcreteInside        3"}) {
    EXPECT_NE(text.find(row), std::string::npos) << row << "\n" << text;
  }
  EXPECT_TRUE(alerts.empty());
}

TEST_F(ToolFamilyRecords, ShowsTheOwnFieldsOfEachKind) {
  const std::pair<int, const char*> shown[] = {
      {101, "  nLight[0..6] ="},
      {108, "== energy-dissipation record =="},
      {110, "  section[4].plate[9].dPlate[8..10] ="},
      {112, "  nIn[0..2] ="},
  };
  for (const auto& [ele, line] : shown) {
    std::ostringstream out;
    EXPECT_EQ(chkrsl_cli::ShowElement(ele, out), 0);
    EXPECT_NE(out.str().find(line), std::string::npos) << ele;
  }
  std::ostringstream shortTube;
  EXPECT_EQ(chkrsl_cli::ShowElement(113, shortTube), 0);
  EXPECT_EQ(shortTube.str().find("nIn"), std::string::npos);  // not stored without section type 32
}

}  // namespace
