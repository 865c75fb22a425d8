#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "chkrsl/chkrsl.h"

namespace {

using chkrsl::GbkToUtf8;

struct RuleCase {
  int code;
  double ratio;
  bool useEffective;
  const char* text;  // UTF-8 of the expected GBK text
  bool pass;
};

std::string Web(const RuleCase& c, bool& pass, const char* before = "") {
  CString text(before);
  pass = GetWRuleStr(c.code, c.ratio, text, c.useEffective);
  return GbkToUtf8(text.str());
}

std::string Flange(const RuleCase& c, bool& pass, const char* before = "") {
  CString text(before);
  pass = GetFRuleStr(c.code, c.ratio, text);
  return GbkToUtf8(text.str());
}

TEST(RuleStrings, WebVerdictsInTheirOrder) {
  const double nan = std::nan("");
  const RuleCase cases[] = {
      {2, 0.8, false, "钢规5.4.2-1   满足", true},
      {2, 1.2, false, "钢规5.4.2-1   不满足", false},
      {2, 1.2, true, "钢规5.4.2-1   取有效截面", true},
      {41, 1.0, false, "薄钢 5.6.4   卷边高厚比满足最小高厚比要求", true},
      {61, -5, false, "轻钢CECS102: 6.1.1(1)   卷边高厚比小于最小高厚比", false},
      {7, 0, false, "钢规5.4.4-1", true},
      {71, nan, false, "铝合金GB50429: 5.2.1", true},
      {20, -0.5, false, "DL/T 5130-2001 8.2.3", true},
      // Web stiffeners take marker values only.
      {1, -0.5, false, "钢规4.3.2   满足", true},
      {1, -1.5, false, "钢规4.3.2   不满足", false},
      {1, -2, false, "钢规4.3.2   腹板可不配置加劲肋", true},
      {1, -3, false, "钢规4.3.2   腹板须按规范配置横向加劲肋", true},
      {1, -4, false, "钢规4.3.2   腹板须按规范配置横向加劲肋和受压区的纵向加劲肋", true},
      {1, 0.5, false, "钢规4.3.2", true},
      // Concrete-filled tubes: four blanks before their pass.
      {51, 0, false, "钢管混凝土规范 3.1.5 二   过小", false},
      {51, -1, false, "钢管混凝土规范 3.1.5 二   过大", false},
      {51, 1, false, "钢管混凝土规范 3.1.5 二    符合要求", true},
      {51, 0.5, false, "钢管混凝土规范 3.1.5 二", true},
  };
  for (const RuleCase& c : cases) {
    SCOPED_TRACE(std::to_string(c.code) + " / " + std::to_string(c.ratio));
    bool pass = false;
    EXPECT_EQ(Web(c, pass), c.text);
    EXPECT_EQ(pass, c.pass);
  }
}

TEST(RuleStrings, FlangeVerdictsInTheirOrder) {
  const RuleCase cases[] = {
      {1, 1.01, false, "钢规5.4.1-1   不满足", false},
      {2, -1, false, "钢规5.4.1-2   不满足", false},
      {3, 0.99, false, "钢规5.4.3-1   满足", true},
      {9, -2, false, "钢规4.3.8   满足", true},
      {11, -5, false, "高钢6.1.6   卷边满足最大高厚比要求", true},
      {25, -4, false, "抗规GB50011-2010 8.3.2   卷边不满足最大高厚比要求", false},
      {26, 1.0, false, "抗规GB50011-2010 8.4.1", true},
      {14, 0, false, "高钢6.5.8-2", true},
      {51, 0, false, "钢管混凝土规范 3.1.5 三   过小", false},
      {51, 1, false, "钢管混凝土规范 3.1.5 三    符合要求", true},
  };
  for (const RuleCase& c : cases) {
    SCOPED_TRACE(std::to_string(c.code) + " / " + std::to_string(c.ratio));
    bool pass = false;
    EXPECT_EQ(Flange(c, pass), c.text);
    EXPECT_EQ(pass, c.pass);
  }
}

TEST(RuleStrings, ACodeWithoutClauseKeepsTheCallersText) {
  bool pass = false;
  EXPECT_EQ(Flange({4, 0.5, false, "", true}, pass, "prior"), "prior   满足");
  EXPECT_TRUE(pass);
  EXPECT_EQ(Web({9, 1.5, false, "", false}, pass, "x"), "x   不满足");
  EXPECT_FALSE(pass);
  EXPECT_EQ(Web({99, 0.0, false, "", true}, pass, "kept"), "kept");
  EXPECT_TRUE(pass);
}

TEST(RuleStrings, TextIsGbk) {
  CString text;
  EXPECT_TRUE(GetWRuleStr(2, 0.8, text, false));
  // 钢 规 5.4.2-1, three blanks, 满 足
  EXPECT_EQ(text.str(), "\xB8\xD6\xB9\xE6" "5.4.2-1" "   \xC2\xFA\xD7\xE3");
}

}  // namespace
