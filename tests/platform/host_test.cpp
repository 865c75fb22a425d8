#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "support/project_fixture.h"

namespace {

using chkrsl_test::ProjectTest;

TEST(Host, ComposesFolderNameAndExtensionOnlyForAnOpenProject) {
  chkrsl::host::CloseProject();
  char path[kProjPathBufferSize];
  std::strcpy(path, "untouched");
  EXPECT_EQ(GetProjFileName(path, "CHKTT", true, true, false, 0), 0);
  EXPECT_EQ(GetProjFileName_User(path, "Chk_WLT", true, false, 0), 0);
  EXPECT_STREQ(path, "untouched");

  chkrsl::host::OpenProject("/data/p", "bridge");
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

TEST_F(ProjectTest, AlertsReachTheHandlerAndTheDocumentIsIndexedByNumber) {
  acedAlert("\xB5\xA5\xD4\xAA\xCE\xB4\xD1\xE9\xCB\xE3!");
  chkrsl::AlertUtf8("墙体未验算!");
  EXPECT_EQ(alerts, (std::vector<std::string>{"单元未验算!", "墙体未验算!"}));

  doc().SetElementSecType(5, 29);
  EXPECT_EQ(doc().elements.GetSize(), 6);
  ASSERT_NE(doc().FindElement(5), nullptr);
  EXPECT_EQ(doc().FindElement(5)->secType, 29);
  for (int absent : {4, 6, -1}) EXPECT_EQ(doc().FindElement(absent), nullptr) << absent;
}

}  // namespace
