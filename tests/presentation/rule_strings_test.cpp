#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "chkrsl/internal.h"

namespace {

using chkrsl::GbkToUtf8;

enum Plate { kWeb, kFlange };

struct RuleCase {
  Plate plate;
  int code;
  double ratio;
  const char* text;  // UTF-8 of the expected GBK text
  bool pass;
  bool useEffective = false;
  const char* before = "";  // the caller's text, which a code without clause keeps
};

TEST(RuleStrings, VerdictsInTheirOrder) {
  const double nan = std::nan("");
  const RuleCase cases[] = {
      {kWeb, 2, 0.8, "钢规5.4.2-1   满足", true},
      {kWeb, 2, 1.2, "钢规5.4.2-1   不满足", false},
      {kWeb, 2, 1.2, "钢规5.4.2-1   取有效截面", true, true},
      {kWeb, 41, 1.0, "薄钢 5.6.4   卷边高厚比满足最小高厚比要求", true},
      {kWeb, 61, -5, "轻钢CECS102: 6.1.1(1)   卷边高厚比小于最小高厚比", false},
      {kWeb, 7, 0, "钢规5.4.4-1", true},
      {kWeb, 71, nan, "铝合金GB50429: 5.2.1", true},
      {kWeb, 20, -0.5, "DL/T 5130-2001 8.2.3", true},
      // Web stiffeners take marker values only.
      {kWeb, 1, -0.5, "钢规4.3.2   满足", true},
      {kWeb, 1, -1.5, "钢规4.3.2   不满足", false},
      {kWeb, 1, -2, "钢规4.3.2   腹板可不配置加劲肋", true},
      {kWeb, 1, -3, "钢规4.3.2   腹板须按规范配置横向加劲肋", true},
      {kWeb, 1, -4, "钢规4.3.2   腹板须按规范配置横向加劲肋和受压区的纵向加劲肋", true},
      {kWeb, 1, 0.5, "钢规4.3.2", true},
      // Concrete-filled tubes: four blanks before their pass.
      {kWeb, 51, 0, "钢管混凝土规范 3.1.5 二   过小", false},
      {kWeb, 51, -1, "钢管混凝土规范 3.1.5 二   过大", false},
      {kWeb, 51, 1, "钢管混凝土规范 3.1.5 二    符合要求", true},
      {kWeb, 51, 0.5, "钢管混凝土规范 3.1.5 二", true},
      {kFlange, 1, 1.01, "钢规5.4.1-1   不满足", false},
      {kFlange, 2, -1, "钢规5.4.1-2   不满足", false},
      {kFlange, 3, 0.99, "钢规5.4.3-1   满足", true},
      {kFlange, 9, -2, "钢规4.3.8   满足", true},
      {kFlange, 11, -5, "高钢6.1.6   卷边满足最大高厚比要求", true},
      {kFlange, 25, -4, "抗规GB50011-2010 8.3.2   卷边不满足最大高厚比要求", false},
      {kFlange, 26, 1.0, "抗规GB50011-2010 8.4.1", true},
      {kFlange, 14, 0, "高钢6.5.8-2", true},
      {kFlange, 51, 0, "钢管混凝土规范 3.1.5 三   过小", false},
      {kFlange, 51, 1, "钢管混凝土规范 3.1.5 三    符合要求", true},
      {kFlange, 4, 0.5, "prior   满足", true, false, "prior"},
      {kWeb, 9, 1.5, "x   不满足", false, false, "x"},
      {kWeb, 99, 0.0, "kept", true, false, "kept"},
  };
  for (const RuleCase& c : cases) {
    SCOPED_TRACE(std::string(c.plate == kWeb ? "web " : "flange ") + std::to_string(c.code) +
                 " / " + std::to_string(c.ratio));
    CString text(c.before);
    EXPECT_EQ(c.plate == kWeb ? GetWRuleStr(c.code, c.ratio, text, c.useEffective)
                              : GetFRuleStr(c.code, c.ratio, text), c.pass);
    EXPECT_EQ(GbkToUtf8(text.str()), c.text);
  }
}

}  // namespace
