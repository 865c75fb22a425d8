#include "concrete_format.h"

#include <cstdio>
#include <sstream>
#include <utility>

#include "chkrsl/chkrsl.h"

namespace chkrsl_cli {
namespace {

const char* SubRecordName(ConcreteSubKind kind) {
  switch (kind) {
    case ConcreteSubKind::kRecCol: return "DataForConcreteRecCol";
    case ConcreteSubKind::kRoundCol: return "DataForConcreteRoundCol";
    case ConcreteSubKind::kRecBeam: return "DataForConcreteRecBeam";
    case ConcreteSubKind::kRoundBeam: return "DataForConcreteRoundBeam";
    case ConcreteSubKind::kWall: return "DataForConcreteWall";
    case ConcreteSubKind::kSpecialCol: return "DataForSpecialCol";
    case ConcreteSubKind::kNone: break;
  }
  return nullptr;
}

void Line(std::ostream& os, const char* name, double v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.6g", v);
  os << "  " << name << " = " << buf << "\n";
}

bool HasSubRecord(const DataForConcreteBase& r) {
  return r.pRecCol || r.pRoundCol || r.pRecBeam || r.pRoundBeam || r.pWall || r.pSpecialCol;
}

template <class T>
void Column(FieldPrinter& p, const std::string& name, const CArray<T, T>& c) {
  if (c.IsEmpty()) return;
  if constexpr (std::is_same_v<T, double>) {
    p.Doubles(name, c.GetData(), static_cast<size_t>(c.GetSize()));
  } else {
    p.Ints(name, c.GetData(), static_cast<size_t>(c.GetSize()));
  }
}

template <class List>
void ListColumns(FieldPrinter& p, const std::string& name, const List& list, int count) {
  p.Int("count" + name.substr(4), count);
  auto cols = List::Columns(list);
  for (size_t k = 0; k < cols.first.size(); ++k)
    Column(p, name + ".dbl" + std::to_string(k), *cols.first[k]);
  for (size_t k = 0; k < cols.second.size(); ++k)
    Column(p, name + ".int" + std::to_string(k), *cols.second[k]);
}

template <class T, size_t N>
void SectionColumns(FieldPrinter& p, const std::string& name, const CArray<T, T> (&cols)[N]) {
  for (size_t k = 0; k < N; ++k) Column(p, name + "[" + std::to_string(k) + "]", cols[k]);
}

template <class Col>
void Scalars(FieldPrinter& p, const Col& c) {
  p.Flags("bFlag", c.bFlag, std::size(c.bFlag));
  p.Doubles("dRsl", c.dRsl, std::size(c.dRsl));
  p.Ints("nRsl", c.nRsl, std::size(c.nRsl));
}

void Describe(const DataForConcreteRecCol& c, FieldPrinter& p) {
  Scalars(p, c);
  ListColumns(p, "listA", c.listA, c.countA);
  ListColumns(p, "listB", c.listB, c.countB);
}
void Describe(const DataForConcreteRoundCol& c, FieldPrinter& p) {
  Scalars(p, c);
  ListColumns(p, "listA", c.listA, c.countA);
}
void Describe(const DataForSpecialCol& c, FieldPrinter& p) {
  Scalars(p, c);
  ListColumns(p, "listA", c.listA, c.countA);
  ListColumns(p, "listB", c.listB, c.countB);
}
void Describe(const DataForConcreteWall& c, FieldPrinter& p) { Scalars(p, c); }
void Describe(const DataForConcreteRecBeam& b, FieldPrinter& p) {
  p.Int("secCount", b.secCount);
  p.Flags("bFlag", b.bFlag, 7);
  SectionColumns(p, "secDbl", b.secDbl);
  SectionColumns(p, "secInt", b.secInt);
  p.Doubles("dRsl", b.dRsl, 5);
  p.Ints("nRsl", b.nRsl, 2);
  ListColumns(p, "listA", b.listA, b.countA);
  ListColumns(p, "listB", b.listB, b.countB);
  ListColumns(p, "listC", b.listC, b.countC);
  ListColumns(p, "listD", b.listD, b.countD);
  ListColumns(p, "listE", b.listE, b.countE);
}
void Describe(const DataForConcreteRoundBeam& b, FieldPrinter& p) {
  p.Int("secCount", b.secCount);
  p.Flags("bFlag", b.bFlag, 5);
  SectionColumns(p, "secDbl", b.secDbl);
  SectionColumns(p, "secInt", b.secInt);
  ListColumns(p, "listA", b.listA, b.countA);
  ListColumns(p, "listB", b.listB, b.countB);
}

template <class Sub>
void DescribeSub(const Sub* sub, const char* title, FieldPrinter& p) {
  if (!sub) return;
  p.Section(title);
  Describe(*sub, p);
}

}  // namespace

std::string ConcreteSummary(const DataForConcreteBase& rec) {
  std::ostringstream os;
  const char* sub = SubRecordName(rec.SubKind());
  os << (sub && HasSubRecord(rec) ? sub : "no sub-record") << " memberKind=" << rec.memberKind
     << " n=" << rec.SectionCount();
  if (rec.pRecCol) os << " lists=" << rec.pRecCol->countA << "," << rec.pRecCol->countB;
  if (rec.pRoundCol) os << " lists=" << rec.pRoundCol->countA;
  if (rec.pSpecialCol) os << " lists=" << rec.pSpecialCol->countA << "," << rec.pSpecialCol->countB;
  if (rec.pRoundBeam) os << " lists=" << rec.pRoundBeam->countA << "," << rec.pRoundBeam->countB;
  if (const DataForConcreteRecBeam* b = rec.pRecBeam) {
    os << " lists=" << b->countA << "," << b->countB << "," << b->countC << "," << b->countD
       << "," << b->countE;
  }
  return os.str();
}

void DescribeConcrete(const DataForConcreteBase& rec, FieldPrinter& p) {
  p.Int("dataLength", rec.dataLength);
  p.Flags("baseFlag", &rec.baseFlag, 1);
  p.Ints("baseInt", rec.baseInt, 7);
  p.Doubles("baseDbl", rec.baseDbl, 4);
  Column(p, "sectionVal", rec.sectionVal);
  DescribeSub(rec.pRecCol, "rectangular column", p);
  DescribeSub(rec.pRoundCol, "round column", p);
  DescribeSub(rec.pRecBeam, "rectangular beam", p);
  DescribeSub(rec.pRoundBeam, "round beam", p);
  DescribeSub(rec.pWall, "shear wall", p);
  DescribeSub(rec.pSpecialCol, "special-shaped column", p);
}

std::string EdgeSummary(const DataForWallEdge& edge) {
  std::ostringstream os;
  os << "bFlag[0]=" << static_cast<unsigned>(edge.bFlag[0]) << " nRsl=" << edge.nRsl[0] << ","
     << edge.nRsl[1];
  return os.str();
}

void DescribeEdge(const DataForWallEdge& edge, std::ostream& os) {
  FieldPrinter p(os);
  p.Section("DataForWallEdge");
  p.Int("edgeNo", edge.edgeNo);
  p.Ints("nRsl", edge.nRsl, 2);
  p.Flags("bFlag", edge.bFlag, 1);
  p.Doubles("dRsl", edge.dRsl, 17);
}

void DescribeMemberInfo(int eleNo, const ShowConcreteFrameStl& s, std::ostream& os) {
  FieldPrinter p(os);
  p.Section("member " + std::to_string(eleNo));
  p.Int("memberClass", s.memberClass);
  p.Doubles("beamAtSections", s.beamAtSections, 3);
  p.Doubles("rectBeamAtSections", s.rectBeamAtSections, 3);
  p.Doubles("columnValues", s.columnValues, 6);
  p.Doubles("endsOrPairedMaxima", s.endsOrPairedMaxima, 3);
  p.Doubles("extraValues", s.extraValues, 2);
  p.Doubles("extraColumnValues", s.extraColumnValues, 2);
  p.Int("checked", s.checked);
}

void DescribeWallInfo(int eleNo, const ShowShearWallStl& s, std::ostream& os) {
  FieldPrinter(os).Section("wall " + std::to_string(eleNo));
  Line(os, "dRsl2Scaled", s.dRsl2Scaled);
  Line(os, "dRsl6Scaled", s.dRsl6Scaled);
  os << "  checked = " << static_cast<int>(s.checked) << "\n";
}

void DescribeEdgeInfo(int edgeNo, const ShowBoundMemStl& s, std::ostream& os) {
  FieldPrinter(os).Section("edge " + std::to_string(edgeNo));
  os << "  flag = " << s.flag << "\n  code = " << s.code << "\n";
  const std::pair<const char*, double> fields[] = {
      {"dRsl4Scaled", s.dRsl4Scaled},   {"dRsl5Scaled", s.dRsl5Scaled},
      {"dRsl2Scaled", s.dRsl2Scaled},   {"dRsl3Scaled", s.dRsl3Scaled},
      {"dRsl6Scaled", s.dRsl6Scaled},   {"dRsl7Scaled", s.dRsl7Scaled},
      {"dRsl8Scaled", s.dRsl8Scaled},   {"dRsl9Scaled", s.dRsl9Scaled},
      {"dRsl10Scaled", s.dRsl10Scaled}, {"dRsl11", s.dRsl11},
      {"dRsl13Scaled", s.dRsl13Scaled}, {"dRsl12Scaled", s.dRsl12Scaled},
      {"dRsl16", s.dRsl16},             {"dRsl14", s.dRsl14},
      {"dRsl15", s.dRsl15}};
  for (const auto& f : fields) Line(os, f.first, f.second);
}

}  // namespace chkrsl_cli
