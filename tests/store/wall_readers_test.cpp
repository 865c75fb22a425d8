#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "records/family_records.h"
#include "support/concrete_samples.h"

namespace {

using namespace chkrsl_test;
using Alerts = std::vector<std::string>;

const char kWallMissing[] = "墙体未验算!";
const char kEdgeMissing[] = "边缘构件未验算!";
const char kNoList[] = "单元未验算!";

class WallReadersTest : public ProjectTest {
 protected:
  // Walls of the given numbers in "CHKCW" and edges 1..edgeCount in "Edge".
  void WriteProject(const std::vector<int>& wallNos, int edgeCount) {
    WriteProjectFile("CHKWT", WallList(wallNos, edgeCount));
    std::vector<std::unique_ptr<CHKRsl>> owned;
    std::vector<CHKRsl*> stored;
    for (int no : wallNos) {
      owned.push_back(MakeConcrete(ConcreteSubKind::kWall, no, 2, no));
      stored.push_back(owned.back().get());
    }
    WriteProjectFile("CHKCW", ResultFileOf(stored));
    std::vector<DataForWallEdge> edgeRecs(static_cast<size_t>(edgeCount));
    std::vector<DataForWallEdge*> edgePtrs;
    for (DataForWallEdge& e : edgeRecs) {
      Distinct v(static_cast<int>(edgePtrs.size()));
      v.Fill(e.dRsl);
      v.Fill(e.bFlag);
      v.Fill(e.nRsl);
      edgePtrs.push_back(&e);
      e.edgeNo = static_cast<int>(edgePtrs.size());
    }
    WriteProjectFile("Edge", EdgeFile(edgePtrs));
  }

  // Replaces the int32 at `offset` of a project file.
  void Patch(const char* ext, size_t offset, int32_t value) {
    Bytes b = ReadProjectFile(ext);
    chkrsl::io::EncodeFixed32(&b[offset], value);
    WriteProjectFile(ext, b);
  }
};

TEST_F(WallReadersTest, ReadsAllWallsAndTheEdgesCountedAfterTheWallNumbers) {
  WriteProjectFile("CHKWT", WallList({}, 0));
  EXPECT_EQ(GetAllBoardRsl(walls, edges), 1);  // empty lists: nothing, no result file
  EXPECT_EQ(walls.GetSize() + edges.GetSize(), 0);

  doc().SetElementSecType(5, 29);  // the wall reader does not consult the document
  WriteProject({5, 7, 9}, 5);
  ASSERT_EQ(GetAllBoardRsl(walls, edges), 1);
  std::vector<CHKRsl*> wallRecs(walls.GetData(), walls.GetData() + walls.GetSize());
  EXPECT_EQ(ResultFileOf(wallRecs), ReadProjectFile("CHKCW"));
  std::vector<DataForWallEdge*> edgeRecs(edges.GetData(), edges.GetData() + edges.GetSize());
  EXPECT_EQ(EdgeFile(edgeRecs), ReadProjectFile("Edge"));
  for (DataForWallEdge* e : edgeRecs) {
    ExpectFieldsAreTheBytes(*e);
    DataForWallEdge back;  // the payload read from a host's stream
    std::FILE* f = OpenBytes(Tail(BytesOf(e), 4));
    EXPECT_TRUE(back.ReadRsl(f) && std::fgetc(f) == EOF);
    std::fclose(f);
    back.edgeNo = e->edgeNo;
    EXPECT_EQ(BytesOf(&back), BytesOf(e));
  }
  EXPECT_TRUE(alerts.empty());
}

TEST_F(WallReadersTest, MissingFilesAndChangedSectionsGiveTheirOwnMessages) {
  EXPECT_EQ(GetAllWallRsl(walls), 0);
  EXPECT_EQ(GetAllEdgeRsl(edges), 0);
  WriteProjectFile("CHKWT", WallList({3}, 2));
  CHKRsl* wall = nullptr;
  DataForWallEdge* edge = nullptr;
  EXPECT_EQ(GetOneWallRsl(wall, 3), 0);
  EXPECT_EQ(GetOneEdgeRsl(edge, 1), 0);
  EXPECT_EQ(GetAllEdgeRsl(edges), 0);
  WriteProject({5}, 0);
  Patch("CHKCW", 4 + 8, 24);  // the wall's stored section type
  EXPECT_EQ(GetOneWallRsl(wall, 5), 0);
  EXPECT_EQ(wall, nullptr);
  EXPECT_EQ(alerts, (Alerts{kNoList, kNoList, kWallMissing, kEdgeMissing, kEdgeMissing,
                            "单元截面类型已改变，请重新验算!", kWallMissing}));
}

TEST_F(WallReadersTest, BoardReadLeavesEdgesAloneWhenWallsFail) {
  WriteProject({5, 9}, 2);
  Patch("CHKCW", 0, 1);  // the file now declares one wall only
  auto* kept = new DataForWallEdge;
  edges.Add(kept);
  EXPECT_EQ(GetAllBoardRsl(walls, edges), 0);
  ASSERT_EQ(edges.GetSize(), 1);
  EXPECT_EQ(edges[0], kept);
  EXPECT_EQ(walls.GetSize(), 0);

  // When the edges fail, both arrays are emptied.
  WriteProject({5, 9}, 2);
  Patch("Edge", 4 + 149, 7);  // edge 2 is numbered 7
  EXPECT_EQ(GetAllBoardRsl(walls, edges), 0);
  EXPECT_EQ(walls.GetSize() + edges.GetSize(), 0);
  EXPECT_EQ(alerts, (Alerts{kWallMissing, kEdgeMissing}));
}

TEST_F(WallReadersTest, CorruptCountsEndTheReadWithTheMissingMessage) {
  // `wall`: read the walls, else the edges.
  const struct { const char* ext; size_t at; int32_t value; bool wall; } cases[] = {
      {"CHKWT", 0, 1 << 30, true}, {"CHKCW", 0, 1 << 30, true},
      {"CHKWT", 8, 1 << 30, false},  // E: more edges than "Edge" can hold
      {"CHKWT", 8, -3, false},       {"Edge", 0, -1, false},
      {"Edge", 0, 3, false},  // more entries than the file holds
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.ext << "@" << c.at << " = " << c.value);
    WriteProject({5}, 2);
    Patch(c.ext, c.at, c.value);
    alerts.clear();
    EXPECT_EQ(c.wall ? GetAllWallRsl(walls) : GetAllEdgeRsl(edges), 0);
    EXPECT_EQ(alerts, Alerts{c.wall ? kWallMissing : kEdgeMissing});
    EXPECT_EQ(walls.GetSize() + edges.GetSize(), 0);
  }
}

}  // namespace
