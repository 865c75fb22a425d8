#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "chkrsl/io/coding.h"
#include "chkrsl/io/file_io.h"
#include "support/project_fixture.h"

namespace {

using chkrsl::io::ByteReader;
using chkrsl::io::ByteWriter;
using chkrsl_test::Bytes;

TEST(Coding, PinsLittleEndianBytesAndDecodesExtremes) {
  ByteWriter w;
  w.I32(1).I32(-2).F64(1.0).F64(-100.0).U8(0xFF);
  const Bytes expected = {0x01, 0x00, 0x00, 0x00, 0xFE, 0xFF, 0xFF, 0xFF,
                          0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xF0, 0x3F,
                          0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x59, 0xC0, 0xFF};
  EXPECT_EQ(w.bytes(), expected);

  ByteWriter x;
  x.I32(INT32_MIN).I32(INT32_MAX).F64(-0.0).F64(std::numeric_limits<double>::quiet_NaN());
  ByteReader r(x.data(), x.size());
  int32_t a = 0, b = 0;
  double c = 1, d = 0;
  r.I32(a).I32(b).F64(c).F64(d);
  EXPECT_TRUE(r.ok());
  EXPECT_EQ(a, INT32_MIN);
  EXPECT_EQ(b, INT32_MAX);
  EXPECT_TRUE(std::signbit(c));
  EXPECT_TRUE(std::isnan(d));
  EXPECT_EQ(r.remaining(), 0u);
}

TEST(Coding, ShortInputFillsOnlyTheFieldsItHolds) {
  const uint8_t bytes[6] = {7, 0, 0, 0, 1, 2};
  ByteReader r(bytes, sizeof bytes);
  int32_t first = -1, second = -1;
  uint8_t third = 9;
  r.I32(first).I32(second).U8(third);
  EXPECT_FALSE(r.ok());
  EXPECT_EQ(first, 7);
  EXPECT_EQ(second, -1);  // only two bytes were left for it
  EXPECT_EQ(third, 9);    // the failure is sticky
}

TEST(FileIo, CountsAreMeasuredAgainstTheRestOfTheFile) {
  std::FILE* f = chkrsl_test::OpenBytes(Bytes(100, 0));
  ASSERT_NE(f, nullptr);
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
