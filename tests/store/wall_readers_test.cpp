#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "support/concrete_samples.h"

namespace {

using chkrsl_test::Bytes;
using chkrsl_test::MakeConcrete;
using chkrsl_test::ProjectTest;
using WallArray = CTypedPtrArray<CPtrArray, CHKRsl*>;
using EdgeArray = CTypedPtrArray<CPtrArray, DataForWallEdge*>;

const char kWallMissing[] = "墙体未验算!";
const char kEdgeMissing[] = "边缘构件未验算!";
const char kNoList[] = "单元未验算!";

class WallReadersTest : public ProjectTest {
 protected:
  void TearDown() override {
    chkrsl::DeleteAllRecords(walls);
    chkrsl::DeleteAllEdges(edges);
    ProjectTest::TearDown();
  }

  // Walls of the given numbers in "CHKCW" and edges 1..edgeCount in "Edge".
  void WriteProject(const std::vector<int>& wallNos, int edgeCount) {
    WriteProjectFile("CHKWT", chkrsl_test::WallList(wallNos, edgeCount));
    std::vector<std::unique_ptr<DataForConcreteBase>> owned;
    std::vector<DataForConcreteBase*> recs;
    for (int no : wallNos) {
      owned.push_back(MakeConcrete(ConcreteSubKind::kWall, no, 2, no));
      recs.push_back(owned.back().get());
    }
    wallBytes = chkrsl_test::ResultFileOf(recs);
    WriteProjectFile("CHKCW", wallBytes);
    std::vector<std::unique_ptr<DataForWallEdge>> edgeRecs;
    std::vector<DataForWallEdge*> edgePtrs;
    for (int e = 1; e <= edgeCount; ++e) {
      edgeRecs.push_back(std::make_unique<DataForWallEdge>());
      chkrsl_test::FillDistinct(*edgeRecs.back(), e);
      edgeRecs.back()->edgeNo = e;
      edgePtrs.push_back(edgeRecs.back().get());
    }
    WriteProjectFile("Edge", chkrsl_test::EdgeFile(edgePtrs));
  }

  // Replaces the int32 at `offset` of a project file.
  void Patch(const char* ext, size_t offset, int32_t value) {
    Bytes b = ReadProjectFile(ext);
    chkrsl::io::EncodeFixed32(&b[offset], value);
    WriteProjectFile(ext, b);
  }

  WallArray walls;
  EdgeArray edges;
  Bytes wallBytes;
};

TEST_F(WallReadersTest, ReadsAllWallsAndTheEdgesCountedAfterTheWallNumbers) {
  WriteProjectFile("CHKWT", chkrsl_test::WallList({}, 0));
  EXPECT_EQ(GetAllBoardRsl(walls, edges), 1);  // empty lists: nothing, no result file
  EXPECT_EQ(walls.GetSize() + edges.GetSize(), 0);

  doc().SetElementSecType(5, 29);  // the wall reader does not consult the document
  WriteProject({5, 7, 9}, 5);
  ASSERT_EQ(GetAllBoardRsl(walls, edges), 1);
  std::vector<DataForConcreteBase*> wallRecs;
  for (INT_PTR i = 0; i < walls.GetSize(); ++i)
    wallRecs.push_back(dynamic_cast<DataForConcreteBase*>(walls[i]));
  ASSERT_EQ(std::count(wallRecs.begin(), wallRecs.end(), nullptr), 0);
  EXPECT_EQ(chkrsl_test::ResultFileOf(wallRecs), wallBytes);
  std::vector<DataForWallEdge*> edgeRecs(edges.GetData(), edges.GetData() + edges.GetSize());
  EXPECT_EQ(chkrsl_test::EdgeFile(edgeRecs), ReadProjectFile("Edge"));
  EXPECT_TRUE(alerts.empty());
}

TEST_F(WallReadersTest, WantedWallsMustAscendLikeTheFile) {
  WriteProject({5, 7}, 0);
  walls.Add(new DataForConcreteBase);  // held before the call: released too
  CArray<int, int> wanted, noEdges;
  wanted.Add(7);
  wanted.Add(5);
  EXPECT_EQ(chkrsl::ReadWallsAndEdges(wanted, noEdges, walls, edges), 0);
  EXPECT_EQ(walls.GetSize(), 0);
  EXPECT_EQ(alerts, std::vector<std::string>{kWallMissing});

  // Any order one wall at a time.
  CArray<int, int> both;
  both.Add(7);
  both.Add(5);
  EXPECT_EQ(GetAllWallRsl(walls, both), 1);
  ASSERT_EQ(walls.GetSize(), 2);
  EXPECT_EQ(walls[0]->eleNo, 7);
  EXPECT_EQ(walls[1]->eleNo, 5);
}

TEST_F(WallReadersTest, PerNumberReadStopsAtTheFirstMissingWall) {
  WriteProject({5, 7}, 0);
  CArray<int, int> wanted;
  for (int no : {5, 8, 7}) wanted.Add(no);
  EXPECT_EQ(GetAllWallRsl(walls, wanted), 0);
  ASSERT_EQ(walls.GetSize(), 3);
  ASSERT_NE(walls[0], nullptr);
  EXPECT_EQ(walls[0]->eleNo, 5);
  EXPECT_EQ(walls[1], nullptr);
  EXPECT_EQ(walls[2], nullptr);
  EXPECT_EQ(alerts, std::vector<std::string>{kWallMissing});
}

TEST_F(WallReadersTest, ChangedSectionTypeIsRefusedWithBothMessages) {
  WriteProject({5}, 0);
  Patch("CHKCW", 4 + 8, 24);
  CHKRsl* wall = nullptr;
  EXPECT_EQ(GetOneWallRsl(wall, 5), 0);
  EXPECT_EQ(wall, nullptr);
  EXPECT_EQ(alerts, (std::vector<std::string>{"单元截面类型已改变，请重新验算!", kWallMissing}));
}

TEST_F(WallReadersTest, MissingFilesGiveTheirOwnMessages) {
  EXPECT_EQ(GetAllWallRsl(walls), 0);
  EXPECT_EQ(GetAllEdgeRsl(edges), 0);
  EXPECT_EQ(alerts, (std::vector<std::string>{kNoList, kNoList}));
  alerts.clear();
  WriteProjectFile("CHKWT", chkrsl_test::WallList({3}, 2));
  CHKRsl* wall = nullptr;
  DataForWallEdge* edge = nullptr;
  EXPECT_EQ(GetOneWallRsl(wall, 3), 0);
  EXPECT_EQ(GetOneEdgeRsl(edge, 1), 0);
  EXPECT_EQ(GetAllEdgeRsl(edges), 0);
  EXPECT_EQ(alerts, (std::vector<std::string>{kWallMissing, kEdgeMissing, kEdgeMissing}));
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
  EXPECT_EQ(walls.GetSize(), 0);
  EXPECT_EQ(edges.GetSize(), 0);
  EXPECT_EQ(alerts, (std::vector<std::string>{kWallMissing, kEdgeMissing}));
}

TEST_F(WallReadersTest, CorruptCountsEndTheReadWithTheMissingMessage) {
  const struct {
    const char* ext;
    size_t at;
    int32_t value;
    bool wall;  // read the walls, else the edges
  } cases[] = {
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
    EXPECT_EQ(alerts, std::vector<std::string>{c.wall ? kWallMissing : kEdgeMissing});
    EXPECT_EQ(walls.GetSize() + edges.GetSize(), 0);
  }
}

TEST_F(WallReadersTest, TruncatedFilesNeverYieldAPartialRecord) {
  WriteProject({5, 7}, 2);
  const Bytes cw = ReadProjectFile("CHKCW");
  const Bytes edge = ReadProjectFile("Edge");
  for (size_t len = 0; len < cw.size(); ++len) {
    WriteProjectFile("CHKCW", Bytes(cw.begin(), cw.begin() + static_cast<long>(len)));
    EXPECT_EQ(GetAllWallRsl(walls), 0) << len;
  }
  for (size_t len = 0; len < edge.size(); ++len) {
    WriteProjectFile("Edge", Bytes(edge.begin(), edge.begin() + static_cast<long>(len)));
    EXPECT_EQ(GetAllEdgeRsl(edges), 0) << len;
  }
  EXPECT_EQ(walls.GetSize(), 0);
  EXPECT_EQ(edges.GetSize(), 0);
}

}  // namespace
