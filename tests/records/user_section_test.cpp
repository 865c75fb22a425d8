#include <gtest/gtest.h>

#include "support/project_fixture.h"

namespace {

using chkrsl_test::WrittenBytes;

// From a plain DataForNewSec only the shared part is copied into a DataForLts.
TEST(UserSection, LtsCopiesOnlyTheSharedPartOfAPlainSection) {
  DataForLts lts;
  lts.dLtsA[3][2] = 3.5;
  DataForNewSec plain;
  plain.dHead[1] = 6.0;
  lts.CopyData(&plain);
  EXPECT_EQ(lts.dHead[1], 6.0);
  EXPECT_EQ(lts.dLtsA[3][2], 3.5);
  DataForLts other;
  other.CopyData(&lts);
  EXPECT_EQ(WrittenBytes(other), WrittenBytes(lts));
}

}  // namespace
