#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <string>

#include "chkrsl/chkrsl.h"

namespace {

using chkrsl::ReportStream;
using chkrsl::SetPrecision;
using chkrsl::SetWidth;

TEST(ReportStream, FixedNumbersWithOneShotWidth) {
  ReportStream out;
  out << SetPrecision{3} << 1.5 << "|" << SetWidth{10} << -2.25 << "|" << 7.0 << "|"
      << SetPrecision{0} << 2.5e6 << "|" << SetPrecision{2} << 0.125 << "|" << 42;
  EXPECT_EQ(out.bytes(), "1.500|    -2.250|7.000|2500000|0.12|42");
}

TEST(ReportStream, EveryNewlineBecomesCrLf) {
  ReportStream out;
  out << "a" << chkrsl::kEndl;
  out.Raw("Mon Dec  7 03:24:41 2026\n");
  EXPECT_EQ(out.bytes(), "a\r\nMon Dec  7 03:24:41 2026\r\n");
}

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
