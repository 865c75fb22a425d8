#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "chkrsl/internal.h"

namespace {

using chkrsl::GbkToUtf8;
using chkrsl::ReportStream;

// Fills the document with combinations, lists them and renders expressions
// from the working copies.
class LoadCombText : public ::testing::Test {
 protected:
  void SetUp() override { GetQMpDoc()->Clear(); }
  void TearDown() override {
    DeleteLoadCombs(combs);
    GetQMpDoc()->Clear();
  }

  QMLoadComb& Comb() { return *GetQMpDoc()->AddLoadComb(); }

  std::string List() {
    ReportStream out;
    WriteLoadCombList(out, combs);
    return GbkToUtf8(out.bytes());
  }
  std::string Expr(int n) {
    ReportStream out;
    WriteLoadCombExpr(out, n, combs);
    return GbkToUtf8(out.bytes());
  }

  PurlineLoadCombList combs;
};

// The combinations of the document, each a list of terms (kind, case,
// coefficient, factor); their list, and the expressions of some of them.
TEST_F(LoadCombText, ListsAndExpressesTheCombinationsOfTheDocument) {
  using Terms = std::vector<std::tuple<int, int, double, double>>;
  const struct {
    std::vector<Terms> combs;
    const char* list;
    std::vector<std::pair<int, const char*>> exprs;
  } cases[] = {
      {{{{0, 0, 1.35, 1}}, {}, {{0, 0, 1.2, 1}, {1, 1, 1.4, 1}, {2, 2, 1.4, 0.6}}},
       "    (1) 1.35 恒载\r\n    (2) \r\n    (3) 1.20 恒载 + 1.40 活载工况1 + 1.40 x 0.60 风载工况2\r\n",
       {{3, " 1.20 x 恒载 + 1.40 x 活载工况1 + 0.84 x 风载工况2"}, {2, " 0.00 x 恒载"}, {0, ""}, {4, ""}}},
      // The dead part is always expressed, zero cases only listed; a factor
      // within 0.001 of 1 is not shown.
      {{{{0, 0, 0.0005, 1}, {1, 7, 0, 1}, {2, 3, 1.4, 1.0009}, {2, 4, 1.4, 1.002}}},
       "    (1)  + 0.00 活载工况7 + 1.40 风载工况3 + 1.40 x 1.00 风载工况4\r\n",
       {{1, " 0.00 x 恒载 + 1.40 x 风载工况3 + 1.40 x 风载工况4"}}},
      // Other kinds grouped in their order; a zero coefficient sum leaves the group out.
      {{{{-6, 0, 1.0, 1}, {-3, 0, 1.0, 1}, {-1, 0, 1.3, 1}, {-1, 0, 0.5, 1}, {-5, 0, 1.0, 0}, {-4, 0, 1.0, 1},
         {-2, 0, 0.5, 1}}},
       "    (1)  + 1.80 x 2.00 水平地震 + 0.50 竖向地震 + 1.00 温度荷载 + 1.00 吊车荷载 + 1.00 裹冰荷载\r\n",
       {{1, " 0.00 x 恒载 + 3.60 x 水平地震 + 0.50 x 竖向地震 + 1.00 x 温度荷载 + 1.00 x 吊车荷载 + 1.00 x 裹冰荷载"}}},
  };
  for (const auto& c : cases) {
    GetQMpDoc()->Clear();
    for (const Terms& terms : c.combs) {
      QMLoadComb& comb = Comb();
      for (const auto& [kind, no, coefficient, factor] : terms) comb.AddTerm(kind, no, coefficient, factor);
    }
    EXPECT_EQ(List(), c.list);
    for (const auto& [n, expr] : c.exprs) EXPECT_EQ(Expr(n), expr) << n;
  }
}

TEST_F(LoadCombText, CoefficientsLeaveTwoDecimalsInForce) {
  Comb().AddTerm(0, 0, 1.2, 1);
  ReportStream out;
  out << chkrsl::SetPrecision{3};
  WriteLoadCombList(out, combs);
  EXPECT_EQ(out.precision(), 2);
  // Listing again replaces the working copies without leaking them.
  WriteLoadCombList(out, combs);
  EXPECT_EQ(combs.GetSize(), 1);
}

}  // namespace
