#include "chkrsl/purlin/load_comb_text.h"

#include <cmath>

#include "chkrsl/platform/qmbaseform.h"

using chkrsl::ReportStream;
using chkrsl::SetPrecision;

namespace {

constexpr int kDeadKind = 0;
constexpr int kLiveKind = 1;
constexpr int kWindKind = 2;
// Kinds summed into one term each, in the order the list line shows them.
constexpr int kGroupedKinds[] = {-1, -2, -4, -5, -3, -6};

struct CaseKindText {
  int kind;
  const char* list;
  const char* expr;
};

constexpr CaseKindText kCaseKindTexts[] = {
    {0, " 恒载", " x 恒载"},          {1, " 活载工况", " x 活载工况"},
    {2, " 风载工况", " x 风载工况"},  {-1, " 水平地震", " x 水平地震"},
    {-2, " 竖向地震", " x 竖向地震"}, {-3, " 吊车荷载", " x 吊车荷载"},
    {-4, " 温度荷载", " x 温度荷载"}, {-5, " 支座位移", " x 支座位移"},
    {-6, " 裹冰荷载", " x 裹冰荷载"},
};

const CaseKindText* TextOf(int kind) {
  for (const CaseKindText& t : kCaseKindTexts)
    if (t.kind == kind) return &t;
  return nullptr;
}

// Coefficients have two decimals; the precision stays at 2 afterwards.
void Coefficient(ReportStream& out, double value) { out << SetPrecision{2} << value; }

// A combination coefficient is shown only when it is positive and not 1.
void ShownCoefficient(ReportStream& out, double b) {
  if (b > 0 && std::fabs(b - 1) > 0.001) {
    out << " x ";
    Coefficient(out, b);
  }
}

// One term of a document combination. The document's arrays are meant to
// be of equal length; a value missing from a shorter one reads 0.
struct Term {
  int kind = 0;
  int number = 0;
  double factor = 0;
  double coef = 0;
};

Term TermOf(const QMLoadComb& comb, int t) {
  Term term;
  term.kind = comb.caseKind[t];
  if (t < comb.caseNo.GetSize()) term.number = comb.caseNo[t];
  if (t < comb.factor.GetSize()) term.factor = comb.factor[t];
  if (t < comb.coef.GetSize()) term.coef = comb.coef[t];
  return term;
}

struct Sums {
  double factor = 0;
  double coef = 0;
};

Sums SumOfKind(const QMLoadComb& comb, int kind) {
  Sums s;
  for (int t = 0; t < comb.GetTermCount(); ++t) {
    const Term term = TermOf(comb, t);
    if (term.kind != kind) continue;
    s.factor += term.factor;
    s.coef += term.coef;
  }
  return s;
}

// The live or wind load cases of a combination, one term each; a zero
// factor is listed too.
void WriteCases(ReportStream& out, const QMLoadComb& comb, int kind, PurlineLoadComb& copy) {
  for (int t = 0; t < comb.GetTermCount(); ++t) {
    const Term term = TermOf(comb, t);
    if (term.kind != kind) continue;
    out << " + ";
    Coefficient(out, term.factor);
    ShownCoefficient(out, term.coef);
    out << TextOf(kind)->list << term.number;
    copy.Add(term.factor, term.coef, term.number, kind);
  }
}

void WriteCombination(ReportStream& out, int number, const QMLoadComb& comb,
                      PurlineLoadComb& copy) {
  out << "    (" << number << ") ";
  const Sums dead = SumOfKind(comb, kDeadKind);
  if (dead.factor >= 0.001) {
    Coefficient(out, dead.factor);
    ShownCoefficient(out, dead.coef);
    out << TextOf(kDeadKind)->list;
  }
  copy.Add(dead.factor, dead.coef, 0, kDeadKind);
  WriteCases(out, comb, kLiveKind, copy);
  WriteCases(out, comb, kWindKind, copy);
  for (int kind : kGroupedKinds) {
    const Sums s = SumOfKind(comb, kind);
    if (s.factor == 0 || s.coef == 0) continue;  // shown only when neither sum is 0
    out << " + ";
    Coefficient(out, s.factor);
    ShownCoefficient(out, s.coef);
    out << TextOf(kind)->list;
    copy.Add(s.factor, s.coef, 0, kind);
  }
  out << chkrsl::kEndl;
}

}  // namespace

void PurlineLoadComb::Add(double partialFactor, double coefficient, int number, int kind) {
  factor.Add(partialFactor);
  coef.Add(coefficient);
  caseNo.Add(number);
  caseKind.Add(kind);
}

void WriteLoadCombList(ReportStream& out, PurlineLoadCombList& combs) {
  DeleteLoadCombs(combs);
  const CTypedPtrArray<CPtrArray, QMLoadComb*>& docCombs = GetQMpDoc()->loadCombs;
  combs.SetSize(docCombs.GetSize());
  for (INT_PTR i = 0; i < docCombs.GetSize(); ++i) {
    combs[i] = new PurlineLoadComb;
    static const QMLoadComb kNoTerms;
    const QMLoadComb* comb = docCombs[i] ? docCombs[i] : &kNoTerms;
    WriteCombination(out, static_cast<int>(i + 1), *comb, *combs[i]);
  }
}

void WriteLoadCombExpr(ReportStream& out, int combNo, const PurlineLoadCombList& combs) {
  if (combNo < 1 || combNo > combs.GetSize() || !combs[combNo - 1]) return;
  const PurlineLoadComb& comb = *combs[combNo - 1];
  for (int i = 0; i < comb.GetSize(); ++i) {
    const int kind = comb.caseKind[i];
    const CaseKindText* text = TextOf(kind);
    const double p = comb.coef[i] * comb.factor[i];
    if (kind == kDeadKind) {
      out << " ";
      Coefficient(out, p);
      out << text->expr;
    } else if (text && p != 0) {
      out << " + ";
      Coefficient(out, p);
      out << text->expr;
      if (kind == kLiveKind || kind == kWindKind) out << comb.caseNo[i];
    }
  }
}

void DeleteLoadCombs(PurlineLoadCombList& combs) {
  for (INT_PTR i = 0; i < combs.GetSize(); ++i) delete combs[i];
  combs.RemoveAll();
}
