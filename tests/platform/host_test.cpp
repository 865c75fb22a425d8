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
  // 259 characters fit the smallest buffer with their NUL; 260 do not.
  const std::string folder(259 - std::strlen("/p.CHKTT"), 'f');
  chkrsl::host::OpenProject(folder, "p");
  ASSERT_EQ(GetProjFileName(path, "CHKTT", true, true, false, 0), 1);
  EXPECT_EQ(path, folder + "/p.CHKTT");
  chkrsl::host::OpenProject(folder + "f", "p");
  std::memset(path, 'x', sizeof path);
  EXPECT_EQ(GetProjFileName(path, "CHKTT", true, true, false, 0), 0);
  EXPECT_EQ(path[0], 'x');
  chkrsl::host::CloseProject();
}

}  // namespace
