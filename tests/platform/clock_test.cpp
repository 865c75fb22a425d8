#include <gtest/gtest.h>

#include <cstdlib>

#include "chkrsl/internal.h"

namespace {

using chkrsl::CtimeText;
using chkrsl::CurrentWritingTime;

void SetSourceDateEpoch(const char* value) {  // null removes it
#ifdef _WIN32
  _putenv_s("SOURCE_DATE_EPOCH", value ? value : "");
#else
  if (value) setenv("SOURCE_DATE_EPOCH", value, 1);
  else unsetenv("SOURCE_DATE_EPOCH");
#endif
}

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
