#include <gtest/gtest.h>

#include "chkrsl/platform/gbk.h"

namespace {

// The expected bytes are written out by hand so that they do not depend on
// the conversion under test.
TEST(Gbk, PinsTheBytesOfTheMessages) {
  EXPECT_EQ(chkrsl::Utf8ToGbk("单元未验算!"),
            std::string("\xB5\xA5\xD4\xAA\xCE\xB4\xD1\xE9\xCB\xE3!"));
  EXPECT_EQ(chkrsl::Utf8ToGbk("满足"), std::string("\xC2\xFA\xD7\xE3"));
  EXPECT_EQ(chkrsl::Utf8ToGbk("，"), std::string("\xA3\xAC"));
}

TEST(Gbk, ReplacesWhatCannotBeConverted) {
  // An emoji has no GBK form: one '?' for the whole character.
  EXPECT_EQ(chkrsl::Utf8ToGbk("a\xF0\x9F\x98\x80z"), "a?z");
  // A lone lead byte at the end of GBK input.
  EXPECT_EQ(chkrsl::GbkToUtf8("a\xB5"), "a\xEF\xBF\xBD");
}

}  // namespace
