// Damaged copies of the example project: truncated or with flipped bytes,
// every result file in turn. The readers must never crash, hang or return
// a partial load.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "project_loader.h"
#include "support/project_fixture.h"

namespace {

namespace fs = std::filesystem;
using chkrsl_test::Bytes;

class CorruptFiles : public chkrsl_test::ProjectTest {
 protected:
  void SetUp() override {
    ProjectTest::SetUp();
    for (const auto& entry : fs::directory_iterator(CHKRSL_EXAMPLE_DIR)) {
      const std::string name = entry.path().filename().string();
      const std::string ext = name.substr(name.find('.') + 1);
      files.push_back(ext);
      WriteProjectFile(ext, chkrsl_test::ReadFileBytes(entry.path().string()));
    }
    // The document holds the sections the intact files were checked with.
    chkrsl_cli::AdoptStoredSections();
  }

  // Loads every element, wall and edge; a failed load must leave nothing behind.
  void LoadAll(const std::string& what) {
    CTypedPtrArray<CPtrArray, CHKRsl*> recs, walls;
    CTypedPtrArray<CPtrArray, DataForWallEdge*> edges;
    if (!GetAllEleRsl(recs)) {
      EXPECT_EQ(recs.GetSize(), 0) << what;
    }
    if (!GetAllBoardRsl(walls, edges)) {
      EXPECT_EQ(walls.GetSize() + edges.GetSize(), 0) << what;
    }
    chkrsl::DeleteAllRecords(recs);
    chkrsl::DeleteAllRecords(walls);
    chkrsl::DeleteAllEdges(edges);
  }

  std::vector<std::string> files;
};

TEST_F(CorruptFiles, TruncatedFilesFailCleanly) {
  for (const std::string& ext : files) {
    const Bytes intact = ReadProjectFile(ext);
    for (size_t len = 0; len < intact.size(); len += 1 + intact.size() / 40) {
      WriteProjectFile(ext, Bytes(intact.begin(), intact.begin() + static_cast<long>(len)));
      LoadAll(ext + " cut to " + std::to_string(len));
    }
    WriteProjectFile(ext, intact);
  }
}

TEST_F(CorruptFiles, FlippedBytesNeverCrash) {
  std::mt19937 rng(20261206);
  for (const std::string& ext : files) {
    const Bytes intact = ReadProjectFile(ext);
    if (intact.empty()) continue;
    for (int round = 0; round < 40; ++round) {
      Bytes damaged = intact;
      for (int k = 0; k < 4; ++k) {
        const size_t at = rng() % damaged.size();
        damaged[at] = static_cast<uint8_t>(rng());
      }
      WriteProjectFile(ext, damaged);
      LoadAll(ext + " round " + std::to_string(round));
    }
    WriteProjectFile(ext, intact);
  }
  LoadAll("intact");
}

}  // namespace
