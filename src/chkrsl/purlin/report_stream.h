// The text stream of the purlin report: GBK bytes in memory, written to the
// report file in one piece. It behaves as a Windows text stream in fixed
// notation: every '\n' becomes CR LF, doubles take the precision in force,
// and a width applies to the next value only. Numbers use '.' as decimal
// point whatever the process locale.
#pragma once

#include <string>
#include <string_view>

namespace chkrsl {

struct SetPrecision {
  int digits;
};
struct SetWidth {
  int chars;
};

class ReportStream {
 public:
  // Text written in UTF-8 in the source, stored as GBK.
  ReportStream& operator<<(const char* utf8);
  ReportStream& operator<<(int value);
  ReportStream& operator<<(double value);
  ReportStream& operator<<(SetPrecision p);
  ReportStream& operator<<(SetWidth w);

  // Text that is already GBK (or plain ASCII), stored unconverted.
  ReportStream& Raw(std::string_view gbk);

  int precision() const { return precision_; }
  const std::string& bytes() const { return bytes_; }

 private:
  void Put(std::string_view gbk);

  std::string bytes_;
  int precision_ = 6;
  int width_ = 0;
};

// One line end, written as CR LF.
constexpr const char* kEndl = "\n";

}  // namespace chkrsl
