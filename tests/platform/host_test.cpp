#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "support/project_fixture.h"

namespace {

TEST(Host, ComposesFolderNameAndExtensionOnlyForAPathThatFits) {
  chkrsl::host::CloseProject();
  char path[kProjPathBufferSize + 16];
  std::strcpy(path, "untouched");
  EXPECT_EQ(GetProjFileName(path, "CHKTT", true, true, false, 0), 0);
  EXPECT_EQ(GetProjFileName_User(path, "Chk_WLT", true, false, 0), 0);
  EXPECT_STREQ(path, "untouched");
  chkrsl::host::OpenProject("/data/p", "bridge");
  ASSERT_EQ(GetProjFileName(path, "CHKTT", true, true, false, 0), 1);
  EXPECT_STREQ(path, "/data/p/bridge.CHKTT");
  chkrsl::host::SetUserFolder("/home/u");
  ASSERT_EQ(GetProjFileName_User(path, "Chk_WLT", true, false, 0), 1);
  EXPECT_STREQ(path, "/home/u/bridge.Chk_WLT");

  // 259 characters fit the smallest buffer with their NUL; 260 do not.
  const std::string folder(259 - std::strlen("/p.CHKTT"), 'f');
  chkrsl::host::OpenProject(folder, "p");
  ASSERT_EQ(GetProjFileName(path, "CHKTT", true, true, false, 0), 1);
  EXPECT_EQ(std::strlen(path), 259u);
  chkrsl::host::OpenProject(folder + "f", "p");
  std::memset(path, 'x', sizeof path);
  EXPECT_EQ(GetProjFileName(path, "CHKTT", true, true, false, 0), 0);
  EXPECT_EQ(path[0], 'x');
  chkrsl::host::CloseProject();
}

using chkrsl_test::ProjectTest;

TEST_F(ProjectTest, AlertsReachTheHandlerAndTheDocumentIsIndexedByNumber) {
  acedAlert("\xB5\xA5\xD4\xAA\xCE\xB4\xD1\xE9\xCB\xE3!");
  chkrsl::AlertUtf8("墙体未验算!");
  EXPECT_EQ(alerts, (std::vector<std::string>{"单元未验算!", "墙体未验算!"}));
  doc().SetElementSecType(5, 29);
  EXPECT_EQ(doc().elements.GetSize(), 6);
  EXPECT_EQ(doc().FindElement(5)->secType, 29);
  for (int absent : {4, 6, -1}) EXPECT_EQ(doc().FindElement(absent), nullptr) << absent;
}

}  // namespace
