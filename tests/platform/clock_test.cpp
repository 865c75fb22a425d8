#include <gtest/gtest.h>

#include <cstdlib>

#include "chkrsl/chkrsl.h"

namespace {

using chkrsl::CtimeText;
using chkrsl::CurrentWritingTime;

TEST(Clock, CtimeFormInEnglishWithTheDayRightAligned) {
  EXPECT_EQ(CtimeText({0, true}), "Thu Jan  1 00:00:00 1970\n");
  EXPECT_EQ(CtimeText({1700000000, true}), "Tue Nov 14 22:13:20 2023\n");
}

TEST(Clock, FixedClockThenSourceDateEpochThenSystemClock) {
  setenv("SOURCE_DATE_EPOCH", "86400", 1);
  chkrsl::host::FixClock(1700000000);
  EXPECT_EQ(CurrentWritingTime().seconds, 1700000000);
  chkrsl::host::UseSystemClock();
  EXPECT_EQ(CtimeText(CurrentWritingTime()), "Fri Jan  2 00:00:00 1970\n");
  setenv("SOURCE_DATE_EPOCH", "not a number", 1);
  EXPECT_FALSE(CurrentWritingTime().utc);
  unsetenv("SOURCE_DATE_EPOCH");
  EXPECT_GT(CurrentWritingTime().seconds, 1700000000);
}

}  // namespace
