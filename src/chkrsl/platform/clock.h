// Stand-in for the runtime's time and ctime as the report writer uses them:
// the time of writing, and its text in the ctime form. The host (or a test)
// can fix the clock so that whole reports can be compared byte for byte.
#pragma once

#include "chkrsl/export.h"

#include <ctime>
#include <string>

namespace chkrsl {

// The time of writing and how it is shown.
struct WritingTime {
  std::time_t seconds = 0;
  bool utc = false;  // shown as UTC rather than local time
};

// The time of writing: the fixed clock when one is set; otherwise the
// environment's SOURCE_DATE_EPOCH when it holds a number of seconds (shown
// as UTC, as reproducible builds expect); otherwise the system clock (shown
// as local time).
CHKRSL_API WritingTime CurrentWritingTime();

// "Wed Jun 30 21:49:08 1993\n": English three-letter weekday and month, the
// day right-aligned in two characters, whatever the process locale.
CHKRSL_API std::string CtimeText(const WritingTime& t);

namespace host {

// Every later time of writing is `seconds`, shown as UTC.
CHKRSL_API void FixClock(std::time_t seconds);
// Back to SOURCE_DATE_EPOCH or the system clock.
CHKRSL_API void UseSystemClock();

}  // namespace host
}  // namespace chkrsl
