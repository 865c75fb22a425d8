#include "chkrsl/platform/clock.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace chkrsl {
namespace {

std::optional<std::time_t>& FixedClock() {
  static std::optional<std::time_t> fixed;
  return fixed;
}

std::optional<std::time_t> SourceDateEpoch() {
  const char* text = std::getenv("SOURCE_DATE_EPOCH");
  if (!text || !*text) return std::nullopt;
  char* end = nullptr;
  errno = 0;
  long long v = std::strtoll(text, &end, 10);
  if (errno != 0 || *end != '\0' || v < 0) return std::nullopt;
  return static_cast<std::time_t>(v);
}

bool BreakDown(const WritingTime& t, std::tm& out) {
#ifdef _WIN32
  return (t.utc ? gmtime_s(&out, &t.seconds) : localtime_s(&out, &t.seconds)) == 0;
#else
  return (t.utc ? gmtime_r(&t.seconds, &out) : localtime_r(&t.seconds, &out)) != nullptr;
#endif
}

}  // namespace

WritingTime CurrentWritingTime() {
  if (FixedClock()) return {*FixedClock(), true};
  if (auto epoch = SourceDateEpoch()) return {*epoch, true};
  return {std::time(nullptr), false};
}

std::string CtimeText(const WritingTime& t) {
  static const char kDays[7][4] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  static const char kMonths[12][4] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                      "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  std::tm tm{};
  if (!BreakDown(t, tm) || tm.tm_wday < 0 || tm.tm_wday > 6 || tm.tm_mon < 0 || tm.tm_mon > 11)
    return "??? ??? ?? ??:??:?? ????\n";
  char buf[64];
  std::snprintf(buf, sizeof buf, "%s %s%3d %02d:%02d:%02d %d\n", kDays[tm.tm_wday],
                kMonths[tm.tm_mon], tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec,
                tm.tm_year + 1900);
  return buf;
}

namespace host {

void FixClock(std::time_t seconds) { FixedClock() = seconds; }
void UseSystemClock() { FixedClock().reset(); }

}  // namespace host
}  // namespace chkrsl
