#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <string>

#include "chkrsl/internal.h"

namespace {

using chkrsl::ReportStream;
using chkrsl::SetPrecision;

TEST(ReportStream, NotANumberAndLocale) {
  ReportStream out;
  out << SetPrecision{2} << std::nan("") << " ";
  const char* previous = std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
  out << 1.25;
  if (previous) std::setlocale(LC_NUMERIC, "C");
  EXPECT_EQ(out.bytes(), "nan 1.25");
}

TEST(ReportStream, TextIsStoredAsGbk) {
  ReportStream out;
  out << "满足，χ≤";
  EXPECT_EQ(out.bytes(), "\xC2\xFA\xD7\xE3\xA3\xAC\xA6\xD6\xA1\xDC");
}

}  // namespace
