#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "purlin/purlin_samples.h"
#include "support/project_fixture.h"

namespace {

using chkrsl_test::Bytes;
using chkrsl_test::GetI32;

class PurlinData : public chkrsl_test::ProjectTest {
 protected:
  void TearDown() override {
    chkrsl::host::SetPathObserver(nullptr);
    ProjectTest::TearDown();
  }

  Bytes DesignBytes(const PurlineDesData& d, int kind) {
    const std::string path = PathOf("scratch");
    EXPECT_TRUE(WritePurlineDesData(path.c_str(), d, kind));
    return chkrsl_test::ReadFileBytes(path);
  }
  Bytes CheckBytes(const PurlineChkData& c) {
    const std::string path = PathOf("scratch");
    EXPECT_TRUE(WritePurlineChkData(path.c_str(), c));
    return chkrsl_test::ReadFileBytes(path);
  }
};

// Each kind's file reads back into the same bytes and leaves the other
// kind's fields 0 (the committed example pins the layouts).
TEST_F(PurlinData, DesignFilesOfBothKinds) {
  PurlineDesData roof = purlin_test::RoofDesign();
  roof.windwardCoef = 5;  // not in the roof layout
  Bytes b = DesignBytes(roof, kRoofPurlin);
  ASSERT_EQ(b.size(), kRoofDesignBytes);
  WriteProjectFile("Dlg_DesWLT", b);
  doc().purlinKind = kRoofPurlin;
  PurlineDesData read;
  read.windwardCoef = 9;  // zeroed before reading
  ASSERT_TRUE(ReadPurlineDesData(read));
  EXPECT_EQ(read.windwardCoef, 0);
  EXPECT_EQ(DesignBytes(read, kRoofPurlin), b);

  PurlineDesData wall = purlin_test::WallDesign();
  wall.roofSlope = wall.liveLoad = wall.maintenanceLoad = wall.shapeCoef = 5;
  b = DesignBytes(wall, kWallPurlin);
  ASSERT_EQ(b.size(), kWallDesignBytes);
  WriteProjectFile("Dlg_DesQLT", b);
  doc().purlinKind = kWallPurlin;
  ASSERT_TRUE(ReadPurlineDesData(read));
  EXPECT_EQ(read.roofSlope + read.liveLoad + read.maintenanceLoad + read.shapeCoef, 0);
  EXPECT_EQ(DesignBytes(read, kWallPurlin), b);
}

TEST_F(PurlinData, DesignPathIsComposedWithPurlinKindZeroAndTheKindComesBack) {
  std::vector<int> seen;
  chkrsl::host::SetPathObserver([&](const char*) { seen.push_back(GetQMpDoc()->purlinKind); });
  PurlineDesData read;
  doc().purlinKind = kWallPurlin;  // no design file
  EXPECT_FALSE(ReadPurlineDesData(read));
  EXPECT_EQ(doc().purlinKind, kWallPurlin);
  EXPECT_TRUE(alerts.empty());
  EXPECT_EQ(seen, std::vector<int>{0});

  WriteProjectFile("Dlg_DesWLT", DesignBytes(purlin_test::RoofDesign(), kRoofPurlin));
  for (int kind : {0, 3, -1}) {
    doc().purlinKind = kind;
    EXPECT_FALSE(ReadPurlineDesData(read));
    EXPECT_EQ(doc().purlinKind, kind);
  }
  EXPECT_EQ(seen.size(), 1u);  // no path asked for without a purlin kind

  doc().purlinKind = kRoofPurlin;
  PurlineChkData chk;
  EXPECT_FALSE(ReadPurlineChkData(chk));
  EXPECT_EQ(seen.back(), kRoofPurlin);  // "PCR" with the kind as it is
}

TEST_F(PurlinData, CheckFileRoundTripsWhateverTheSecondHalfOfAFlagHolds) {
  const PurlineChkData c = purlin_test::AllChecks();
  const Bytes file = CheckBytes(c);
  ASSERT_EQ(file.size(), kPurlinCheckBytes);
  EXPECT_EQ(GetI32(file, 104), 1);

  // The second half of a flag's slot does not count.
  Bytes stored = file;
  for (size_t i = 100; i < 104; ++i) stored[i] = 0xA5;
  WriteProjectFile("PCR", stored);
  PurlineChkData read;
  ASSERT_TRUE(ReadPurlineChkData(read));
  EXPECT_EQ(read.strengthDone, 1);
  EXPECT_EQ(CheckBytes(read), file);
}

// A check file missing or cut short is an alert and leaves nothing of what
// it held; a design file cut short reads like a missing one (the sweep
// tests every cut); bytes past a layout are not looked at.
TEST_F(PurlinData, MissingOrShortFilesCannotBeRead) {
  const Bytes chk = CheckBytes(purlin_test::AllChecks());
  PurlineChkData read;
  read.A = 5;
  EXPECT_FALSE(ReadPurlineChkData(read));
  WriteProjectFile("PCR", Bytes(chk.begin(), chk.end() - 1));
  EXPECT_FALSE(ReadPurlineChkData(read));
  EXPECT_EQ(read.A, 0);
  EXPECT_EQ(alerts, std::vector<std::string>(2, "写文件时发生错误!"));

  doc().purlinKind = kRoofPurlin;
  Bytes longer = DesignBytes(purlin_test::RoofDesign(), kRoofPurlin);
  longer.push_back(7);
  WriteProjectFile("Dlg_DesWLT", longer);
  PurlineDesData des;
  EXPECT_TRUE(ReadPurlineDesData(des));
  EXPECT_EQ(des.shapeCoef, purlin_test::RoofDesign().shapeCoef);
}

}  // namespace
