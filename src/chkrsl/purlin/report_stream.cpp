#include "chkrsl/purlin/report_stream.h"

#include <charconv>
#include <cmath>

#include "chkrsl/platform/gbk.h"

namespace chkrsl {
namespace {

// Enough for any double in fixed notation (309 integer digits) with the
// largest precision the stream accepts.
constexpr int kMaxPrecision = 64;
constexpr size_t kNumberBuffer = 400;

std::string FixedText(double value, int precision) {
  if (std::isnan(value)) return std::signbit(value) ? "-nan" : "nan";
  if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
  char buf[kNumberBuffer];
  auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, precision);
  return r.ec == std::errc() ? std::string(buf, r.ptr) : std::string();
}

}  // namespace

ReportStream& ReportStream::operator<<(const char* utf8) {
  if (utf8) Put(Utf8ToGbk(utf8));
  return *this;
}

ReportStream& ReportStream::operator<<(int value) {
  Put(std::to_string(value));
  return *this;
}

ReportStream& ReportStream::operator<<(double value) {
  Put(FixedText(value, precision_));
  return *this;
}

ReportStream& ReportStream::operator<<(SetPrecision p) {
  precision_ = p.digits < 0 ? 0 : p.digits > kMaxPrecision ? kMaxPrecision : p.digits;
  return *this;
}

ReportStream& ReportStream::operator<<(SetWidth w) {
  width_ = w.chars;
  return *this;
}

ReportStream& ReportStream::Raw(std::string_view gbk) {
  Put(gbk);
  return *this;
}

void ReportStream::Put(std::string_view gbk) {
  // A width set before a text applies to it as a whole.
  if (width_ > 0 && gbk.size() < static_cast<size_t>(width_))
    bytes_.append(static_cast<size_t>(width_) - gbk.size(), ' ');
  width_ = 0;
  for (char c : gbk) {
    if (c == '\n') bytes_ += '\r';
    bytes_ += c;
  }
}

}  // namespace chkrsl
