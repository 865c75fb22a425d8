#include "family_format.h"

#include <string>

#include "chkrsl/chkrsl.h"

namespace chkrsl_cli {
namespace {

std::string Indexed(const std::string& name, int i) { return name + "[" + std::to_string(i) + "]"; }

void DescribeOpenTruss(const OpenTruss::Member& m, FieldPrinter& p) {
  p.Section("open-truss member");
  p.Ints("nMember", m.nMember, 2);
  p.Doubles("material.dMat", m.material.dMat, 4);
  p.Ints("nListA", m.nListA, 5);
  p.Ints("nListB", m.nListB, 5);
  for (int i = 0; i < OpenTruss::Member::kForces; ++i) {
    const std::string force = Indexed("force", i);
    p.Int(force + ".nForce", m.force[i].nForce);
    p.Doubles(force + ".dForce", m.force[i].dForce, 5);
  }
  for (int s = 0; s < OpenTruss::Member::kSections; ++s) {
    const OpenTruss::Section& sec = m.section[s];
    const std::string name = Indexed("section", s);
    p.Ints(name + ".nSec", sec.nSec, 2);
    p.Doubles(name + ".dSec", sec.dSec, 5);
    p.Flags(name + ".bSec", sec.bSec, 5);
    for (int k = 0; k < OpenTruss::Section::kPlates; ++k) {
      const OpenTruss::Plate& plate = sec.plate[k];
      const std::string pn = name + "." + Indexed("plate", k);
      p.Ints(pn + ".nPlate", plate.nPlate, 7);
      p.Doubles(pn + ".dPlate", plate.dPlate, 11);
      p.Flags(pn + ".bPlate", &plate.bPlate, 1);
    }
  }
  p.Doubles("dMember", m.dMember, 19);
}

}  // namespace

const char* FamilyClassName(const CHKRsl& rec) {
  if (dynamic_cast<const DataForAluminiumAlloy*>(&rec)) return "DataForAluminiumAlloy";
  if (dynamic_cast<const DataForHighBuild*>(&rec)) return "DataForHighBuild";
  if (dynamic_cast<const DataForLightSteel*>(&rec)) return "DataForLightSteel";
  if (dynamic_cast<const DataForGrid*>(&rec)) return "DataForGrid";
  if (dynamic_cast<const DataForPoleTower*>(&rec)) return "DataForPoleTower";
  if (dynamic_cast<const DataForOpenTruss*>(&rec)) return "DataForOpenTruss";
  if (dynamic_cast<const DataForConcreteComposite*>(&rec)) return "DataForConcreteComposite";
  if (dynamic_cast<const DataForConcreteInside*>(&rec)) return "DataForConcreteInside";
  return nullptr;
}

void DescribeFamilyFields(const CHKRsl& rec, FieldPrinter& p) {
  if (auto* r = dynamic_cast<const DataForLightSteel*>(&rec)) {
    p.Section("light steel results");
    p.Doubles("dLight", r->dLight, 19);
    p.Ints("nLight", r->nLight, 7);
  } else if (auto* g = dynamic_cast<const DataForGrid*>(&rec)) {
    p.Section("grid results");
    p.Ints("nGrid", g->nGrid, 3);
    p.Doubles("dGrid", g->dGrid, 24);
  } else if (auto* t = dynamic_cast<const DataForPoleTower*>(&rec)) {
    p.Section("pole and tower results");
    p.Doubles("dPole", t->dPole, 24);
    p.Ints("nPole", t->nPole, 1);
  } else if (auto* a = dynamic_cast<const DataForAluminiumAlloy*>(&rec)) {
    p.Section("aluminium-alloy results");
    p.Doubles("dAl", a->dAl, 3);
  } else if (auto* o = dynamic_cast<const DataForOpenTruss*>(&rec)) {
    DescribeOpenTruss(o->member, p);
  } else if (auto* c = dynamic_cast<const DataForConcreteComposite*>(&rec)) {
    p.Section("composite results");
    p.Doubles("dComp", c->dComp, 22);
    p.Ints("nComp", c->nComp, 10);
  } else if (auto* in = dynamic_cast<const DataForConcreteInside*>(&rec)) {
    p.Section("concrete-filled results");
    const bool tail = in->secType == DataForConcreteInside::kTailSecType;
    p.Doubles("dIn", in->dIn, tail ? 25 : 4);
    if (tail) p.Ints("nIn", in->nIn, 3);
  }
}

}  // namespace chkrsl_cli
