// The tool's concrete, wall and display-info commands on the bundled
// example, and the wall files of the example damaged on purpose.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <sstream>
#include <string>

#include "commands.h"
#include "concrete_commands.h"
#include "project_loader.h"
#include "support/project_fixture.h"

namespace {

using chkrsl_cli::InfoKind;
using chkrsl_test::Bytes;
using chkrsl_test::ProjectTest;

class ConcreteCommands : public chkrsl_test::ProjectTest {
 protected:
  void SetUp() override {
    ProjectTest::SetUp();
    ASSERT_TRUE(chkrsl_cli::OpenProjectPath(std::string(CHKRSL_EXAMPLE_DIR) + "/example"));
    chkrsl_cli::AdoptStoredSections();
  }

  std::string Run(InfoKind kind, std::vector<int> numbers, int expectedStatus = 0) {
    std::ostringstream out;
    EXPECT_EQ(chkrsl_cli::PrintDisplayInfo(kind, numbers, out), expectedStatus);
    return out.str();
  }
};

bool Has(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

TEST_F(ConcreteCommands, ListsConcreteMembersWallsAndEdges) {
  std::ostringstream list;
  EXPECT_EQ(chkrsl_cli::ListResults(list), 0);
  for (const char* sub : {"DataForConcreteRecBeam memberKind=1 n=5", "DataForConcreteRoundBeam",
                          "DataForConcreteRecCol", "DataForConcreteRoundCol", "DataForSpecialCol",
                          "DataForConcreteRecBeam memberKind=1 n=0"}) {
    EXPECT_TRUE(Has(list.str(), sub)) << sub << "\n" << list.str();
  }
  std::ostringstream walls;
  EXPECT_EQ(chkrsl_cli::ListWalls(walls), 0);
  EXPECT_TRUE(Has(walls.str(), "wall      25")) << walls.str();
  EXPECT_TRUE(Has(walls.str(), "edge       4  bFlag[0]=194")) << walls.str();
  EXPECT_TRUE(alerts.empty());
}

TEST_F(ConcreteCommands, ShowsWholeConcreteRecords) {
  std::ostringstream beam, wall, edge;
  EXPECT_EQ(chkrsl_cli::ShowElement(11, beam), 0);
  EXPECT_TRUE(Has(beam.str(), "== rectangular beam ==")) << beam.str();
  EXPECT_TRUE(Has(beam.str(), "  secDbl[9][0..4] =")) << beam.str();
  EXPECT_TRUE(Has(beam.str(), "  listD.int1[0..2] =")) << beam.str();
  EXPECT_EQ(chkrsl_cli::ShowWall(23, wall), 0);
  EXPECT_TRUE(Has(wall.str(), "== shear wall ==")) << wall.str();
  EXPECT_EQ(chkrsl_cli::ShowEdge(3, edge), 0);
  EXPECT_TRUE(Has(edge.str(), "  edgeNo = 3")) << edge.str();
  std::ostringstream none;
  EXPECT_EQ(chkrsl_cli::ShowWall(22, none), 1);
  EXPECT_EQ(alerts, std::vector<std::string>{"墙体未验算!"});
}

TEST_F(ConcreteCommands, PrintsTheDisplayInfo) {
  const std::string members = Run(InfoKind::kMember, {16, 13});
  EXPECT_TRUE(Has(members, "== member 16 ==\n  memberClass = 1\n"
                           "  beamAtSections[0..2] = 0 0 0\n")) << members;
  EXPECT_TRUE(Has(members, "== member 13 ==\n  memberClass = 2\n")) << members;
  const std::string wall = Run(InfoKind::kWall, {21});
  EXPECT_TRUE(Has(wall, "  dRsl2Scaled = 31.5\n")) << wall;  // 1.5e6 * 21 * 1e-6
  const std::string edge = Run(InfoKind::kEdge, {2});
  EXPECT_TRUE(Has(edge, "  flag = 192\n")) << edge;
  EXPECT_TRUE(Has(edge, "  dRsl4Scaled = 1.5\n")) << edge;  // 250 * (4 + 2) * 0.001
  Run(InfoKind::kEdge, {9}, 1);
  EXPECT_EQ(alerts, std::vector<std::string>{"边缘构件未验算!"});
}

// On a copy of the example's wall files.
TEST_F(ProjectTest, DamagedWallFilesNeverCrashOrLeaveRecords) {
  for (const char* ext : {"CHKWT", "CHKCW", "Edge"}) {
    WriteProjectFile(ext, chkrsl_test::ReadFileBytes(std::string(CHKRSL_EXAMPLE_DIR) +
                                                     "/example." + ext));
  }
  std::mt19937 rng(4);
  for (const char* ext : {"CHKWT", "CHKCW", "Edge"}) {
    const Bytes intact = ReadProjectFile(ext);
    for (int round = 0; round < 60; ++round) {
      Bytes damaged = intact;
      if (round % 2) {
        damaged.resize(rng() % damaged.size());
      } else {
        for (int k = 0; k < 3; ++k) damaged[rng() % damaged.size()] = static_cast<uint8_t>(rng());
      }
      WriteProjectFile(ext, damaged);
      CTypedPtrArray<CPtrArray, CHKRsl*> walls;
      CTypedPtrArray<CPtrArray, DataForWallEdge*> edges;
      if (!GetAllBoardRsl(walls, edges)) {
        EXPECT_EQ(walls.GetSize(), 0) << ext << " " << round;
        EXPECT_EQ(edges.GetSize(), 0) << ext << " " << round;
      }
      chkrsl::DeleteAllRecords(walls);
      chkrsl::DeleteAllEdges(edges);
    }
    WriteProjectFile(ext, intact);
  }
}

}  // namespace
