#include "chkrsl/presentation/rule_strings.h"

#include <string>

#include "chkrsl/platform/gbk.h"
#include "chkrsl/texts/alerts.h"

namespace {

struct Clause {
  int code;
  const char* web;     // null: no web clause
  const char* flange;  // null: no flange clause
};

constexpr Clause kClauses[] = {
    {0, "自定义", "自定义"},
    {1, "钢规4.3.2", "钢规5.4.1-1"},
    {2, "钢规5.4.2-1", "钢规5.4.1-2"},
    {3, "钢规5.4.2-2", "钢规5.4.3-1"},
    {4, "钢规5.4.3-1", nullptr},
    {5, "钢规5.4.3-2", nullptr},
    {6, "钢规5.4.4-1", nullptr},
    {7, "钢规5.4.4-1", nullptr},
    {8, "钢规5.4.5", nullptr},
    {9, nullptr, "钢规4.3.8"},
    {11, "高钢6.1.6", "高钢6.1.6"},
    {12, "高钢6.3.4", "高钢6.3.4"},
    {13, "高钢6.4.3", "高钢6.4.3"},
    {14, "高钢6.5.8-2", "高钢6.5.8-2"},
    {20, "DL/T 5130-2001 8.2.3", nullptr},
    {25, "抗规GB50011-2010 8.3.2", "抗规GB50011-2010 8.3.2"},
    {26, "抗规GB50011-2010 8.4.1", "抗规GB50011-2010 8.4.1"},
    {27, "抗规GB50011-2010 8.5.1", nullptr},
    {41, "薄钢 5.6.4", "薄钢 5.6.4"},
    {51, "钢管混凝土规范 3.1.5 二", "钢管混凝土规范 3.1.5 三"},
    {61, "轻钢CECS102: 6.1.1(1)", "轻钢CECS102: 6.1.1(1)"},
    {62, "轻钢CECS102: 6.1.1(4)", nullptr},
    {63, "轻钢CECS102: 6.1.1(7)", nullptr},
    {71, "铝合金GB50429: 5.2.1", nullptr},
};

constexpr int kStiffenerRule = 1;
constexpr int kFilledTubeRule = 51;

// The appended verdict (UTF-8, null for none) and whether the check passes.
struct Verdict {
  const char* text;
  bool pass;
};

constexpr Verdict kNoVerdict{nullptr, true};

const Clause* FindClause(int ruleCode) {
  for (const Clause& c : kClauses)
    if (c.code == ruleCode) return &c;
  return nullptr;
}

// Every comparison is exact and the first that holds decides; a NaN ratio
// fails them all and gets no verdict.
Verdict FilledTubeVerdict(double ratio) {
  if (ratio == 0) return {"   过小", false};
  if (ratio == -1) return {"   过大", false};
  if (ratio == 1) return {"    符合要求", true};
  return kNoVerdict;
}

Verdict StiffenerVerdict(double ratio) {
  if (ratio == -0.5) return {"   满足", true};
  if (ratio == -1.5) return {"   不满足", false};
  if (ratio == -2) return {"   腹板可不配置加劲肋", true};
  if (ratio == -3) return {"   腹板须按规范配置横向加劲肋", true};
  if (ratio == -4) return {"   腹板须按规范配置横向加劲肋和受压区的纵向加劲肋", true};
  return kNoVerdict;
}

Verdict WebVerdict(double ratio, bool useEffective) {
  if (ratio > 1) return useEffective ? Verdict{"   取有效截面", true} : Verdict{"   不满足", false};
  if (ratio > 0 && ratio < 1) return {"   满足", true};
  if (ratio == -5) return {"   卷边高厚比小于最小高厚比", false};
  if (ratio == 1) return {"   卷边高厚比满足最小高厚比要求", true};
  return kNoVerdict;
}

Verdict FlangeVerdict(double ratio) {
  if (ratio > 1) return {"   不满足", false};
  if (ratio == -1) return {"   不满足", false};
  if (ratio > 0 && ratio < 1) return {"   满足", true};
  if (ratio == -2) return {"   满足", true};
  if (ratio == -5) return {"   卷边满足最大高厚比要求", true};
  if (ratio == -4) return {"   卷边不满足最大高厚比要求", false};
  return kNoVerdict;
}

// The text is made apart and assigned last, so that running out of memory
// leaves `text` as it was; the verdict stands either way.
bool Compose(const char* clause, Verdict verdict, CString& text) {
  chkrsl::Call([&](chkrsl::Alerts&) {
    std::string composed = clause ? chkrsl::Utf8ToGbk(clause) : text.str();
    if (verdict.text) composed += chkrsl::Utf8ToGbk(verdict.text);
    text = composed.c_str();
    return 0;
  });
  return verdict.pass;
}

}  // namespace

bool GetWRuleStr(int ruleCode, double ratio, CString& text, bool useEffective) {
  const Clause* clause = FindClause(ruleCode);
  Verdict verdict = ruleCode == kFilledTubeRule  ? FilledTubeVerdict(ratio)
                    : ruleCode == kStiffenerRule ? StiffenerVerdict(ratio)
                                                 : WebVerdict(ratio, useEffective);
  return Compose(clause ? clause->web : nullptr, verdict, text);
}

bool GetFRuleStr(int ruleCode, double ratio, CString& text) {
  const Clause* clause = FindClause(ruleCode);
  Verdict verdict = ruleCode == kFilledTubeRule ? FilledTubeVerdict(ratio) : FlangeVerdict(ratio);
  return Compose(clause ? clause->flange : nullptr, verdict, text);
}
