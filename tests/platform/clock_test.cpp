#include <gtest/gtest.h>

#include "support/project_fixture.h"

namespace {

using chkrsl::CtimeText;
using chkrsl::CurrentWritingTime;

void SetSourceDateEpoch(const char* value) { chkrsl_test::SetEnv("SOURCE_DATE_EPOCH", value); }

TEST(Clock, FixedClockThenSourceDateEpochThenSystemClock) {
  SetSourceDateEpoch("86400");
  chkrsl::host::FixClock(1700000000);
  EXPECT_EQ(CurrentWritingTime().seconds, 1700000000);
  chkrsl::host::UseSystemClock();
  EXPECT_EQ(CtimeText(CurrentWritingTime()), "Fri Jan  2 00:00:00 1970\n");
  SetSourceDateEpoch("not a number");
  EXPECT_FALSE(CurrentWritingTime().utc);
  SetSourceDateEpoch(nullptr);
  EXPECT_GT(CurrentWritingTime().seconds, 1700000000);
}

}  // namespace
