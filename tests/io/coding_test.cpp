#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "chkrsl/io/coding.h"
#include "chkrsl/io/file_io.h"
#include "support/project_fixture.h"

namespace {

using chkrsl_test::Bytes;

TEST(Coding, PinsLittleEndianBytesAndDecodesExtremes) {
  chkrsl::io::ByteWriter w;
  w.I32(1).I32(-2).F64(1.0).F64(-100.0).U8(0xFF).I32(INT32_MIN).F64(-0.0);
  const Bytes expected = {0x01, 0x00, 0x00, 0x00, 0xFE, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00,
                          0x00, 0x00, 0x00, 0xF0, 0x3F, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
                          0x59, 0xC0, 0xFF, 0x00, 0x00, 0x00, 0x80, 0, 0, 0, 0, 0, 0, 0, 0x80};
  EXPECT_EQ(w.bytes(), expected);
  chkrsl::io::ByteReader r(w.data(), w.size());
  int32_t a = 0, b = 0, min = 0;
  double c = 0, d = 0, zero = 1;
  uint8_t flag = 0;
  r.I32(a).I32(b).F64(c).F64(d).U8(flag).I32(min).F64(zero);
  EXPECT_TRUE(r.ok());
  EXPECT_EQ(std::vector<double>({double(a), double(b), c, d, double(flag), double(min)}),
            std::vector<double>({1, -2, 1.0, -100.0, 255, INT32_MIN}));
  EXPECT_TRUE(std::signbit(zero));
  EXPECT_EQ(r.remaining(), 0u);
}

TEST(Coding, ShortInputFillsOnlyTheFieldsItHoldsAndCountsMustFitTheFile) {
  const uint8_t bytes[6] = {7, 0, 0, 0, 1, 2};
  chkrsl::io::ByteReader r(bytes, sizeof bytes);
  int32_t first = -1, second = -1;
  uint8_t third = 9;
  r.I32(first).I32(second).U8(third);
  EXPECT_FALSE(r.ok());
  EXPECT_EQ(first, 7);
  EXPECT_EQ(second, -1);  // only two bytes were left for it
  EXPECT_EQ(third, 9);    // the failure is sticky

  std::FILE* f = chkrsl_test::OpenBytes(Bytes(100, 0));
  EXPECT_TRUE(chkrsl::io::CountFits(f, 8, 12));
  EXPECT_FALSE(chkrsl::io::CountFits(f, 9, 12));
  EXPECT_FALSE(chkrsl::io::CountFits(f, -1, 12));
  EXPECT_FALSE(chkrsl::io::CountFits(f, INT32_MAX, 12));
  EXPECT_TRUE(chkrsl::io::PassOver(f, 99));
  EXPECT_FALSE(chkrsl::io::PassOver(f, 2));
  EXPECT_FALSE(chkrsl::io::PassOver(f, -1));
  std::fclose(f);
}

}  // namespace
