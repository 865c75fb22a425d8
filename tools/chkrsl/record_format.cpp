#include "record_format.h"

#include <cstdio>
#include <sstream>

#include "chkrsl/chkrsl.h"
#include "family_format.h"
#include "concrete_format.h"

namespace chkrsl_cli {
namespace {

std::string FormatDouble(double v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.6g", v);
  return buf;
}

std::string Format(int v) { return std::to_string(v); }
std::string Format(double v) { return FormatDouble(v); }
std::string Format(unsigned char v) { return std::to_string(static_cast<unsigned>(v)); }

void DescribeHeader(const CHKRsl& rec, FieldPrinter& p) {
  p.Section(RecordClassName(rec));
  p.Int("eleNo", rec.eleNo);
  p.Int("eleType", rec.eleType);
  p.Int("secType", rec.secType);
  p.Int("section category", JudgeSecCate(rec.secType));
  p.Ints("hdrInt", rec.hdrInt, 3);
  p.Int("memberKind", rec.memberKind);
  p.Int("checkStatus", rec.checkStatus);
}

void DescribeSection(const DataForNewSec& s, FieldPrinter& p) {
  p.Section("section sub-record");
  p.Doubles("dHead", s.dHead, 14);
  p.Ints("nHead", s.nHead, 8);
  for (size_t a = 0; a < 18; ++a) {
    const bool twoParts = (a >= 5 && a <= 8) || (a >= 14 && a <= 17);
    p.Doubles("dPart[" + std::to_string(a) + "]", s.dPart[a], twoParts ? 2 : 4);
  }
  for (size_t a = 0; a < 4; ++a) p.Ints("nPart[" + std::to_string(a) + "]", s.nPart[a], 4);
  for (size_t a = 0; a < 6; ++a) p.Doubles("dDir[" + std::to_string(a) + "]", s.dDir[a], 2);
  for (size_t a = 0; a < 6; ++a) p.Ints("nDir[" + std::to_string(a) + "]", s.nDir[a], 2);
  const auto* lts = dynamic_cast<const DataForLts*>(&s);
  if (!lts) return;
  for (size_t a = 0; a < 4; ++a) p.Doubles("dLtsA[" + std::to_string(a) + "]", lts->dLtsA[a], 4);
  p.Doubles("dLts", lts->dLts, 3);
  for (size_t a = 0; a < 2; ++a) p.Doubles("dLtsB[" + std::to_string(a) + "]", lts->dLtsB[a], 4);
  p.Int("nLts", lts->nLts);
  for (size_t a = 0; a < 4; ++a) p.Doubles("dLtsC[" + std::to_string(a) + "]", lts->dLtsC[a], 4);
  for (size_t a = 0; a < 2; ++a) p.Ints("nLtsC[" + std::to_string(a) + "]", lts->nLtsC[a], 4);
  p.Doubles("dLtsD", lts->dLtsD, 4);
}

void DescribeEnergy(const DataForEnergyConsume& e, FieldPrinter& p) {
  p.Section("energy-dissipation record");
  p.Doubles("dEn", e.dEn, 18);
  p.Ints("nEn", e.nEn, 14);
  p.Flags("bEn", e.bEn, 2);
}

void DescribeSteelBase(const DataForSteelBase& rec, FieldPrinter& p) {
  p.Doubles("dBase", rec.dBase, 45);
  p.Ints("nBase", rec.nBase, 27);
}

void DescribeSteel(const DataForSteel& rec, FieldPrinter& p) {
  p.Flags("bSteel", rec.bSteel, 3);
  p.Doubles("dSteel", rec.dSteel, 27);
  p.Ints("nSteel", rec.nSteel, 6);
}

}  // namespace

std::string RecordClassName(const CHKRsl& rec) {
  if (const char* family = FamilyClassName(rec)) return family;
  if (dynamic_cast<const DataForSteel*>(&rec)) return "DataForSteel";
  if (dynamic_cast<const DataForSteelBase*>(&rec)) return "DataForSteelBase";
  if (dynamic_cast<const DataForConcreteBase*>(&rec)) return "DataForConcreteBase";
  return "CHKRsl";
}

std::string SummaryValues(const CHKRsl& rec) {
  std::ostringstream os;
  if (auto* s = dynamic_cast<const DataForSteelBase*>(&rec)) {
    os << "dBase[0..2]=" << FormatDouble(s->dBase[0]) << "," << FormatDouble(s->dBase[1]) << ","
       << FormatDouble(s->dBase[2]);
  }
  if (auto* s = dynamic_cast<const DataForSteel*>(&rec)) {
    if (s->pEnergy) os << " energy nEn[3]=" << s->pEnergy->nEn[3];
  }
  if (auto* c = dynamic_cast<const DataForConcreteBase*>(&rec)) os << ConcreteSummary(*c);
  return os.str();
}

void DescribeRecord(const CHKRsl& rec, std::ostream& os) {
  FieldPrinter p(os);
  DescribeHeader(rec, p);
  if (auto* s = dynamic_cast<const DataForSteelBase*>(&rec)) DescribeSteelBase(*s, p);
  if (auto* c = dynamic_cast<const DataForConcreteBase*>(&rec)) DescribeConcrete(*c, p);
  if (rec.pSec) DescribeSection(*rec.pSec, p);
  if (auto* s = dynamic_cast<const DataForSteel*>(&rec)) {
    p.Section("steel member results");
    DescribeSteel(*s, p);
    if (s->pEnergy) DescribeEnergy(*s->pEnergy, p);
  }
  DescribeFamilyFields(rec, p);
}

void FieldPrinter::Section(const std::string& title) { os_ << "== " << title << " ==\n"; }

void FieldPrinter::Int(const std::string& name, int v) { os_ << "  " << name << " = " << v << "\n"; }

template <class T>
void FieldPrinter::Values(const std::string& name, const T* v, size_t n) {
  constexpr size_t kPerLine = 8;
  for (size_t start = 0; start < n; start += kPerLine) {
    const size_t end = start + kPerLine < n ? start + kPerLine : n;
    os_ << "  " << name << "[" << start << ".." << end - 1 << "] =";
    for (size_t i = start; i < end; ++i) os_ << " " << Format(v[i]);
    os_ << "\n";
  }
}

void FieldPrinter::Ints(const std::string& name, const int* v, size_t n) { Values(name, v, n); }
void FieldPrinter::Doubles(const std::string& name, const double* v, size_t n) {
  Values(name, v, n);
}
void FieldPrinter::Flags(const std::string& name, const unsigned char* v, size_t n) {
  Values(name, v, n);
}

}  // namespace chkrsl_cli
