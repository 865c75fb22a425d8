#include "chkrsl/records/field_visitor.h"

#include "chkrsl/records/composite.h"
#include "chkrsl/records/concrete.h"
#include "chkrsl/records/concrete_beam.h"
#include "chkrsl/records/eff_area.h"
#include "chkrsl/records/open_truss.h"
#include "chkrsl/records/steel_family.h"
#include "chkrsl/records/wall.h"

namespace chkrsl {
namespace {

constexpr int kEnergyMemberKind = 6;

// The layouts take their record as non-const; FieldNamer only reads.
template <class T>
T& Visited(const T& rec) {
  return const_cast<T&>(rec);
}

// The 12-byte entry header with the type code as stored (negated for an
// energy-dissipating steel-family member).
void VisitHeader(FieldNamer& io, const CHKRsl& rec, int storedCode) {
  io.Field("eleNo", rec.eleNo).Field("typeCode", storedCode).Field("secType", rec.secType);
}

void VisitSection(FieldNamer& io, const DataForNewSec& sec) {
  io.Enter("pSec");
  Visited(sec).Layout(io);
  if (auto* lts = dynamic_cast<const DataForLts*>(&sec)) Visited(*lts).LayoutOwn(io);
  io.Leave();
}

void VisitEnergy(FieldNamer& io, const DataForSteel& rec) {
  if (rec.memberKind != kEnergyMemberKind) return;
  const DataForEnergyConsume cleared;
  io.Enter("pEnergy");
  Visited(rec.pEnergy ? *rec.pEnergy : cleared).Layout(io);
  io.Leave();
}

// The own block of the steel-family classes, after the section sub-record.
void VisitOwnBlock(FieldNamer& io, const DataForSteelBase& rec) {
  if (auto* s = dynamic_cast<const DataForSteel*>(&rec)) {
    Visited(*s).DataForSteel::LayoutOwn(io);
    VisitEnergy(io, *s);
    if (auto* al = dynamic_cast<const DataForAluminiumAlloy*>(&rec)) Visited(*al).LayoutOwn(io);
  } else if (auto* l = dynamic_cast<const DataForLightSteel*>(&rec)) {
    Visited(*l).LayoutOwn(io);
  } else if (auto* g = dynamic_cast<const DataForGrid*>(&rec)) {
    Visited(*g).LayoutOwn(io);
  } else if (auto* p = dynamic_cast<const DataForPoleTower*>(&rec)) {
    Visited(*p).LayoutOwn(io);
  } else if (auto* c = dynamic_cast<const DataForConcreteComposite*>(&rec)) {
    Visited(*c).LayoutOwn(io);
  } else if (auto* in = dynamic_cast<const DataForConcreteInside*>(&rec)) {
    Visited(*in).LayoutOwn(io);
  } else if (auto* t = dynamic_cast<const DataForOpenTruss*>(&rec)) {
    io.Enter("member");
    Visited(t->member).Layout(io);
    io.Leave();
  }
}

void VisitSteelFamily(FieldNamer& io, const DataForSteelBase& rec) {
  const bool energy = rec.memberKind == kEnergyMemberKind;
  VisitHeader(io, rec, energy ? -rec.eleType : rec.eleType);
  Visited(rec).LayoutBody(io);
  if (rec.pSec) VisitSection(io, *rec.pSec);
  VisitOwnBlock(io, rec);
}

// A sub-record under its member's name; a missing one as the cleared one
// the record writes in its place.
template <class Sub>
void VisitSub(FieldNamer& io, const char* name, const Sub* sub) {
  Sub cleared;
  io.Enter(name);
  Visited(sub ? *sub : cleared).Layout(io);
  io.Leave();
}

template <class Beam>
void VisitBeam(FieldNamer& io, const char* name, const Beam* beam, int sections) {
  Beam cleared;
  io.Enter(name);
  Visited(beam ? *beam : cleared).Layout(io, sections);
  io.Leave();
}

void VisitConcrete(FieldNamer& io, const DataForConcreteBase& rec) {
  VisitHeader(io, rec, rec.eleType);
  io.Field("dataLength", rec.dataLength);
  Visited(rec).LayoutFixed(io);
  const int n = ItemsToWrite(rec.SectionCount());
  for (int i = 0; i < n; ++i) {
    const double v = ValueAt(rec.sectionVal, i);
    io.Field({"sectionVal", i}, v);
  }
  switch (rec.SubKind()) {
    case ConcreteSubKind::kRecCol: VisitSub(io, "pRecCol", rec.pRecCol); break;
    case ConcreteSubKind::kRoundCol: VisitSub(io, "pRoundCol", rec.pRoundCol); break;
    case ConcreteSubKind::kRecBeam: VisitBeam(io, "pRecBeam", rec.pRecBeam, n); break;
    case ConcreteSubKind::kRoundBeam: VisitBeam(io, "pRoundBeam", rec.pRoundBeam, n); break;
    case ConcreteSubKind::kWall: VisitSub(io, "pWall", rec.pWall); break;
    case ConcreteSubKind::kSpecialCol: VisitSub(io, "pSpecialCol", rec.pSpecialCol); break;
    case ConcreteSubKind::kNone: break;
  }
}

void AppendIndex(std::string& s, int i) {
  if (i < 0) return;
  char digits[16];
  int n = 0;
  do {
    digits[n++] = static_cast<char>('0' + i % 10);
    i /= 10;
  } while (i > 0);
  s += '[';
  while (n > 0) s += digits[--n];
  s += ']';
}

}  // namespace

void AppendFieldText(const FieldName& name, std::string& s) {
  s += name.base;
  AppendIndex(s, name.i);
  AppendIndex(s, name.j);
  if (name.part) {
    s += '.';
    s += name.part;
  }
}

std::string FieldText(const FieldName& name) {
  std::string s;
  AppendFieldText(name, s);
  return s;
}

std::string FieldPath::Of(const FieldName& name) const {
  std::string s;
  for (const std::string& part : stack_) {
    s += part;
    s += '.';
  }
  return s + FieldText(name);
}

void VisitFields(const CHKRsl& rec, FieldVisitor& v) {
  FieldNamer io(v);
  if (auto* c = dynamic_cast<const DataForConcreteBase*>(&rec)) {
    VisitConcrete(io, *c);
  } else if (auto* s = dynamic_cast<const DataForSteelBase*>(&rec)) {
    VisitSteelFamily(io, *s);
  } else {
    // The root class writes nothing of its own.
    VisitHeader(io, rec, rec.eleType);
  }
}

void VisitFields(const DataForWallEdge& edge, FieldVisitor& v) {
  FieldNamer io(v);
  io.Field("edgeNo", edge.edgeNo);
  Visited(edge).Layout(io);
}

void VisitFields(const DataForEffArea& rec, FieldVisitor& v) {
  FieldNamer io(v);
  Visited(rec).Layout(io);
}

const char* RecordClassName(const CHKRsl& rec) {
  // Most derived classes first.
  if (dynamic_cast<const DataForAluminiumAlloy*>(&rec)) return "DataForAluminiumAlloy";
  if (dynamic_cast<const DataForHighBuild*>(&rec)) return "DataForHighBuild";
  if (dynamic_cast<const DataForSteel*>(&rec)) return "DataForSteel";
  if (dynamic_cast<const DataForLightSteel*>(&rec)) return "DataForLightSteel";
  if (dynamic_cast<const DataForGrid*>(&rec)) return "DataForGrid";
  if (dynamic_cast<const DataForPoleTower*>(&rec)) return "DataForPoleTower";
  if (dynamic_cast<const DataForOpenTruss*>(&rec)) return "DataForOpenTruss";
  if (dynamic_cast<const DataForConcreteComposite*>(&rec)) return "DataForConcreteComposite";
  if (dynamic_cast<const DataForConcreteInside*>(&rec)) return "DataForConcreteInside";
  if (dynamic_cast<const DataForSteelBase*>(&rec)) return "DataForSteelBase";
  if (dynamic_cast<const DataForConcreteBase*>(&rec)) return "DataForConcreteBase";
  return "CHKRsl";
}

}  // namespace chkrsl
