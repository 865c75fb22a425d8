#include <gtest/gtest.h>

#include <cstdint>

#include "chkrsl/io/coding.h"
#include "support/project_fixture.h"

namespace {

using chkrsl_test::Bytes;

TEST(Coding, PinsLittleEndianBytes) {
  chkrsl::io::ByteWriter w;
  w.I32(1).I32(-2).F64(1.0).F64(-100.0).U8(0xFF).I32(INT32_MIN).F64(-0.0);
  const Bytes expected = {0x01, 0x00, 0x00, 0x00, 0xFE, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00,
                          0x00, 0x00, 0x00, 0xF0, 0x3F, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
                          0x59, 0xC0, 0xFF, 0x00, 0x00, 0x00, 0x80, 0, 0, 0, 0, 0, 0, 0, 0x80};
  EXPECT_EQ(w.bytes(), expected);
}

TEST(Coding, ShortInputFillsOnlyTheFieldsItHolds) {
  const uint8_t bytes[6] = {7, 0, 0, 0, 1, 2};
  chkrsl::io::ByteReader r(bytes, sizeof bytes);
  int32_t first = -1, second = -1;
  uint8_t third = 9;
  r.I32(first).I32(second).U8(third);
  EXPECT_FALSE(r.ok());
  EXPECT_EQ(first, 7);
  EXPECT_EQ(second, -1);  // only two bytes were left for it
  EXPECT_EQ(third, 9);    // the failure is sticky
}

}  // namespace
