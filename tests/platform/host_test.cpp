#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "support/project_fixture.h"

namespace {

using chkrsl_test::ProjectTest;

TEST(Host, NoProjectComposesNoPath) {
  chkrsl::host::CloseProject();
  char path[kProjPathBufferSize];
  std::strcpy(path, "untouched");
  EXPECT_EQ(GetProjFileName(path, "CHKTT", true, true, false, 0), 0);
  EXPECT_EQ(GetProjFileName_User(path, "Chk_WLT", true, false, 0), 0);
  EXPECT_STREQ(path, "untouched");
}

TEST(Host, ComposesFolderNameAndExtension) {
  chkrsl::host::OpenProject("/data/p", "bridge");
  char path[kProjPathBufferSize];
  ASSERT_EQ(GetProjFileName(path, "CHKTT", true, true, false, 0), 1);
  EXPECT_STREQ(path, "/data/p/bridge.CHKTT");
  ASSERT_EQ(GetProjFileName_User(path, "Chk_WLT", true, false, 0), 1);
  EXPECT_STREQ(path, "/data/p/bridge.Chk_WLT");
  chkrsl::host::SetUserFolder("/home/u");
  ASSERT_EQ(GetProjFileName_User(path, "Chk_WLT", true, false, 0), 1);
  EXPECT_STREQ(path, "/home/u/bridge.Chk_WLT");
  chkrsl::host::CloseProject();
}

TEST(Host, RefusesAPathThatWouldNotFitTheSmallestBuffer) {
  // 259 characters fit with their NUL; 260 do not.
  const std::string folder(259 - std::strlen("/p.CHKTT"), 'f');
  chkrsl::host::OpenProject(folder, "p");
  char path[kProjPathBufferSize + 16];
  std::memset(path, 'x', sizeof path);
  ASSERT_EQ(GetProjFileName(path, "CHKTT", true, true, false, 0), 1);
  EXPECT_EQ(std::strlen(path), 259u);
  chkrsl::host::OpenProject(folder + "f", "p");
  std::memset(path, 'x', sizeof path);
  EXPECT_EQ(GetProjFileName(path, "CHKTT", true, true, false, 0), 0);
  EXPECT_EQ(path[0], 'x');
  chkrsl::host::CloseProject();
}

TEST_F(ProjectTest, AlertsReachTheInstalledHandlerAsGbk) {
  acedAlert("\xB5\xA5\xD4\xAA\xCE\xB4\xD1\xE9\xCB\xE3!");
  chkrsl::AlertUtf8("墙体未验算!");
  ASSERT_EQ(alerts.size(), 2u);
  EXPECT_EQ(alerts[0], "单元未验算!");
  EXPECT_EQ(alerts[1], "墙体未验算!");
}

TEST_F(ProjectTest, DocumentElementTableIsIndexedByNumber) {
  doc().SetElementSecType(5, 29);
  EXPECT_EQ(doc().elements.GetSize(), 6);
  EXPECT_EQ(doc().FindElement(4), nullptr);
  ASSERT_NE(doc().FindElement(5), nullptr);
  EXPECT_EQ(doc().FindElement(5)->secType, 29);
  EXPECT_EQ(doc().FindElement(6), nullptr);
  EXPECT_EQ(doc().FindElement(-1), nullptr);
}

}  // namespace
