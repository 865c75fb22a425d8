// The tool's commands on the bundled example project.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "commands.h"
#include "concrete_commands.h"
#include "project_loader.h"
#include "support/project_fixture.h"

namespace {

using chkrsl_cli::InfoKind;

class ToolCommands : public chkrsl_test::ProjectTest {
 protected:
  void SetUp() override {
    ProjectTest::SetUp();
    ASSERT_TRUE(chkrsl_cli::OpenProjectPath(std::string(CHKRSL_EXAMPLE_DIR) + "/example"));
    chkrsl_cli::AdoptStoredSections();
  }
  // Runs a command writing to a stream; expects `status` and gives the text.
  template <class Command>
  static std::string Run(Command command, int status = 0) {
    std::ostringstream out;
    EXPECT_EQ(command(out), status);
    return out.str();
  }
};

// Every kind of the example reads back as its class: the members written by
// WriteCHKResult and the concrete members, walls and edges.
TEST_F(ToolCommands, ListsEveryElementWallAndEdgeUnderItsClass) {
  const std::string text = Run([](std::ostream& o) { return chkrsl_cli::ListResults(o); });
  for (const char* row : {"      3     6  DataForSteel                 3", "energy nEn[3]=-1",
                          "    101     2  DataForLightSteel            1",
                          "    108     8  DataForHighBuild             1",
                          "    114     2  DataForConcreteInside        3",
                          "DataForConcreteRecBeam memberKind=1 n=5", "DataForConcreteRoundBeam",
                          "DataForConcreteRoundCol", "DataForSpecialCol"}) {
    EXPECT_NE(text.find(row), std::string::npos) << row << "\n" << text;
  }
  const std::string walls = Run([](std::ostream& o) { return chkrsl_cli::ListWalls(o); });
  EXPECT_NE(walls.find("wall      25"), std::string::npos) << walls;
  EXPECT_NE(walls.find("edge       4  bFlag[0]=194"), std::string::npos) << walls;
  EXPECT_TRUE(alerts.empty());
}

TEST_F(ToolCommands, ShowsWholeRecordsAndReportsMissingOnes) {
  const std::pair<int, const char*> shown[] = {
      {2, "== section sub-record =="},
      {108, "== energy-dissipation record =="},
      {110, "  section[4].plate[9].dPlate[8..10] ="},
      {112, "  nIn[0..2] ="},
      {11, "  listD.int1[0..2] ="},
  };
  for (const auto& [ele, line] : shown) {
    const std::string text = Run([ele = ele](std::ostream& o) { return chkrsl_cli::ShowElement(ele, o); });
    EXPECT_NE(text.find(line), std::string::npos) << ele << " " << line;
  }
  const std::string wall = Run([](std::ostream& o) { return chkrsl_cli::ShowWall(23, o); });
  EXPECT_NE(wall.find("== shear wall =="), std::string::npos) << wall;
  const std::string edge = Run([](std::ostream& o) { return chkrsl_cli::ShowEdge(3, o); });
  EXPECT_NE(edge.find("  edgeNo = 3"), std::string::npos) << edge;
  EXPECT_TRUE(alerts.empty());

  Run([](std::ostream& o) { return chkrsl_cli::ShowElement(999, o); }, 1);
  Run([](std::ostream& o) { return chkrsl_cli::ShowWall(22, o); }, 1);
  EXPECT_EQ(alerts, (std::vector<std::string>{"单元未验算!", "墙体未验算!"}));
}

TEST_F(ToolCommands, PrintsTheDisplayInfo) {
  auto info = [](InfoKind kind, std::vector<int> numbers, int status = 0) {
    return Run([&](std::ostream& o) { return chkrsl_cli::PrintDisplayInfo(kind, numbers, o); }, status);
  };
  const std::string members = info(InfoKind::kMember, {16, 13});
  EXPECT_NE(members.find("== member 16 ==\n  memberClass = 1\n"
                         "  beamAtSections[0..2] = 0 0 0\n"), std::string::npos) << members;
  const std::string wall = info(InfoKind::kWall, {21});
  EXPECT_NE(wall.find("  dRsl2Scaled = 31.5\n"), std::string::npos) << wall;  // 1.5e6 * 21 * 1e-6
  const std::string edge = info(InfoKind::kEdge, {2});
  EXPECT_NE(edge.find("  dRsl4Scaled = 1.5\n"), std::string::npos) << edge;  // 250 * (4 + 2) * 0.001
  info(InfoKind::kEdge, {9}, 1);
  EXPECT_EQ(alerts, std::vector<std::string>{"边缘构件未验算!"});
}

}  // namespace
