// Damaged copies of the example project: truncated or with flipped bytes,
// every result file in turn. The readers must never crash, hang or return
// a partial load.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "cli.h"
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
    const bool loaded = GetAllEleRsl(recs) == 1;
    EXPECT_TRUE(loaded || recs.GetSize() == 0) << what;
    const bool boards = GetAllBoardRsl(walls, edges) == 1;
    EXPECT_TRUE(boards || walls.GetSize() + edges.GetSize() == 0) << what;
    chkrsl::DeleteAllRecords(recs);
    chkrsl::DeleteAllRecords(walls);
    chkrsl::DeleteAllEdges(edges);
  }

  // The tool's walks over the same files end with an answer, whatever they hold.
  void RunTool(const std::string& what) {
    std::ostringstream sink;
    EXPECT_LE(chkrsl_cli::RunCli({"-p", folder + "/proj", "verify"}, sink, sink), 2) << what;
    EXPECT_LE(chkrsl_cli::RunCli({"-p", folder + "/proj", "export", "--walls"}, sink, sink), 2) << what;
  }

  std::vector<std::string> files;
};

TEST_F(CorruptFiles, TruncatedOrFlippedFilesFailCleanly) {
  std::mt19937 rng(20261206);
  for (const std::string& ext : files) {
    const Bytes intact = ReadProjectFile(ext);
    for (size_t len = 0; len < intact.size(); len += 1 + intact.size() / 40) {
      WriteProjectFile(ext, Bytes(intact.begin(), intact.begin() + static_cast<long>(len)));
      LoadAll(ext + " cut to " + std::to_string(len));
    }
    for (int round = 0; round < 40 && !intact.empty(); ++round) {
      Bytes damaged = intact;
      for (int k = 0; k < 4; ++k) damaged[rng() % damaged.size()] = static_cast<uint8_t>(rng());
      WriteProjectFile(ext, damaged);
      LoadAll(ext + " round " + std::to_string(round));
      if (round % 4 == 0) RunTool(ext + " round " + std::to_string(round));
    }
    WriteProjectFile(ext, intact);
  }
  LoadAll("intact");
}

}  // namespace
