#include <gtest/gtest.h>

#include <string>

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

TEST_F(LoadCombText, ListsAndExpressesTheCombinationsOfTheDocument) {
  Comb().AddTerm(0, 0, 1.35, 1);
  Comb();  // no terms
  QMLoadComb& c3 = Comb();
  c3.AddTerm(0, 0, 1.2, 1);
  c3.AddTerm(1, 1, 1.4, 1);
  c3.AddTerm(2, 2, 1.4, 0.6);
  EXPECT_EQ(List(),
            "    (1) 1.35 恒载\r\n"
            "    (2) \r\n"
            "    (3) 1.20 恒载 + 1.40 活载工况1 + 1.40 x 0.60 风载工况2\r\n");
  EXPECT_EQ(Expr(3), " 1.20 x 恒载 + 1.40 x 活载工况1 + 0.84 x 风载工况2");
  EXPECT_EQ(Expr(2), " 0.00 x 恒载");
  ASSERT_EQ(combs.GetSize(), 3);
  EXPECT_EQ(combs[1]->GetSize(), 1);
  EXPECT_EQ(combs[2]->GetSize(), 3);
  EXPECT_EQ(Expr(0), "");
  EXPECT_EQ(Expr(4), "");
}

TEST_F(LoadCombText, DeadPartIsAlwaysExpressedAndZeroCasesAreOnlyListed) {
  QMLoadComb& c = Comb();
  c.AddTerm(0, 0, 0.0005, 1);
  c.AddTerm(1, 7, 0, 1);
  c.AddTerm(2, 3, 1.4, 1.0009);  // within 0.001 of 1: not shown
  c.AddTerm(2, 4, 1.4, 1.002);   // shown, as 1.00
  EXPECT_EQ(List(), "    (1)  + 0.00 活载工况7 + 1.40 风载工况3 + 1.40 x 1.00 风载工况4\r\n");
  EXPECT_EQ(Expr(1), " 0.00 x 恒载 + 1.40 x 风载工况3 + 1.40 x 风载工况4");
}

TEST_F(LoadCombText, GroupsOtherKindsInTheirOrder) {
  QMLoadComb& c = Comb();
  c.AddTerm(-6, 0, 1.0, 1);
  c.AddTerm(-3, 0, 1.0, 1);
  c.AddTerm(-1, 0, 1.3, 1);
  c.AddTerm(-1, 0, 0.5, 1);
  c.AddTerm(-5, 0, 1.0, 0);  // a zero coefficient sum leaves the group out
  c.AddTerm(-4, 0, 1.0, 1);
  c.AddTerm(-2, 0, 0.5, 1);
  EXPECT_EQ(List(),
            "    (1)  + 1.80 x 2.00 水平地震 + 0.50 竖向地震 + 1.00 温度荷载"
            " + 1.00 吊车荷载 + 1.00 裹冰荷载\r\n");
  EXPECT_EQ(Expr(1),
            " 0.00 x 恒载 + 3.60 x 水平地震 + 0.50 x 竖向地震 + 1.00 x 温度荷载"
            " + 1.00 x 吊车荷载 + 1.00 x 裹冰荷载");
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
