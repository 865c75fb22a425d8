#include "steel_family_example.h"

#include "chkrsl/internal.h"
#include "example_project.h"

namespace example {
namespace {

// Structure kind 2 names "CHKCM", a file the writer serves; the kinds of
// light steel (1, 4) and open truss (9) name files it does not write.
constexpr int kCommonKind = 2;

template <size_t N>
void Sequence(double (&a)[N], double start) {
  for (size_t i = 0; i < N; ++i) a[i] = start + static_cast<double>(i) / 100.0;
}

template <size_t N>
void Sequence(int (&a)[N], int start) {
  for (size_t i = 0; i < N; ++i) a[i] = start + static_cast<int>(i);
}

// Identification and common results; the section sub-record its category calls for.
template <class Rec>
Rec* Make(int eleNo, int eleType, int secType, int seed) {
  auto* rec = new Rec;
  FillSteelBase(*rec, seed);
  rec->eleNo = eleNo;
  rec->eleType = eleType;
  rec->secType = secType;
  rec->memberKind = 1;
  if (JudgeSecCate(secType) == 2) rec->pSec = new DataForNewSec;
  if (JudgeSecCate(secType) == 3) rec->pSec = new DataForLts;
  if (rec->pSec) Sequence(rec->pSec->dHead, seed + 0.5);
  return rec;
}

DataForLightSteel* LightSteel(int eleNo, int seed) {
  auto* r = Make<DataForLightSteel>(eleNo, 1, 1, seed);
  Sequence(r->dLight, seed * 3.0);
  Sequence(r->nLight, seed * 30);
  return r;
}

DataForGrid* Grid(int eleNo, int secType, int seed) {
  auto* r = Make<DataForGrid>(eleNo, 5, secType, seed);
  Sequence(r->nGrid, seed * 30);
  Sequence(r->dGrid, seed * 3.0);
  return r;
}

DataForPoleTower* PoleTower(int eleNo, int eleType, int secType, int seed) {
  auto* r = Make<DataForPoleTower>(eleNo, eleType, secType, seed);
  Sequence(r->dPole, seed * 3.0);
  r->nPole[0] = seed * 30;
  return r;
}

DataForAluminiumAlloy* Aluminium(int eleNo, int seed) {
  auto* r = Make<DataForAluminiumAlloy>(eleNo, 7, 1, 0);
  FillSteel(*r, seed);
  Sequence(r->dAl, seed * 3.0);
  return r;
}

DataForHighBuild* HighBuild(int eleNo, int secType, int seed) {
  auto* r = Make<DataForHighBuild>(eleNo, 8, secType, 0);
  FillSteel(*r, seed);
  return r;
}

DataForOpenTruss* OpenTrussMember(int eleNo, int seed) {
  auto* r = Make<DataForOpenTruss>(eleNo, 9, 1, seed);
  OpenTruss::Member& m = r->member;
  Sequence(m.nMember, seed);
  Sequence(m.material.dMat, 2.06e5);
  for (int i = 0; i < OpenTruss::Member::kForces; ++i) {
    m.nListA[i] = i;
    m.nListB[i] = i % 2;      // forces 2 and 3 repeat 0 and 1
    m.force[i].nForce = i % 2 == 0 ? 1 : 2;
    Sequence(m.force[i].dForce, seed + i * 10.0);
  }
  for (int s = 0; s < 2; ++s) {  // two sections in use, three left empty
    OpenTruss::Section& sec = m.section[s];
    sec.nSec[0] = s + 1;
    sec.nSec[1] = 3;
    Sequence(sec.dSec, 0.5 + s);
    sec.bSec[0] = 1;
    for (int p = 0; p < 3; ++p) {
      Sequence(sec.plate[p].nPlate, p);
      Sequence(sec.plate[p].dPlate, 10.0 * (p + 1));
      sec.plate[p].bPlate = static_cast<unsigned char>(p == 1);
    }
  }
  Sequence(m.dMember, seed * 3.0);
  return r;
}

DataForConcreteComposite* Composite(int eleNo, int seed) {
  auto* r = Make<DataForConcreteComposite>(eleNo, 76, 1, seed);
  Sequence(r->dComp, seed * 3.0);
  Sequence(r->nComp, seed * 30);
  return r;
}

DataForConcreteInside* ConcreteFilled(int eleNo, int eleType, int secType, int seed) {
  auto* r = Make<DataForConcreteInside>(eleNo, eleType, secType, seed);
  Sequence(r->dIn, seed * 3.0);
  Sequence(r->nIn, seed * 30);
  return r;
}

}  // namespace

void AddSteelFamilyExample(ExampleProject& project) {
  project.Add(kCommonKind, "CHKCM", LightSteel(101, 101));
  project.Add(5, "CHKGS", Grid(102, 1, 102));
  project.Add(5, "CHKGS_N", Grid(103, 35, 103));  // with a DataForNewSec: 1504 bytes
  project.Add(3, "CHKPT", PoleTower(104, 3, 1, 104));
  project.Add(10, "CHKPT_N", PoleTower(105, 10, 26, 105));  // with a DataForLts
  project.Add(7, "CHKAL", Aluminium(106, 106));
  project.Add(8, "CHKHB", HighBuild(107, 1, 107));

  // An energy-dissipating high-rise member: stored under type code -8.
  DataForHighBuild* damper = HighBuild(108, 1, 108);
  damper->memberKind = 6;
  damper->pEnergy = new DataForEnergyConsume;
  Sequence(damper->pEnergy->dEn, 80.0);
  project.Add(8, "CHKHB", damper);

  project.Add(8, "CHKHB_N", HighBuild(109, 35, 109));
  project.Add(kCommonKind, "CHKCM", OpenTrussMember(110, 110));
  project.Add(kCommonKind, "CHKCM", Composite(111, 111));
  project.Add(kCommonKind, "CHKCM", ConcreteFilled(112, 226, 32, 112));  // with the tail
  project.Add(kCommonKind, "CHKCM", ConcreteFilled(113, 216, 1, 113));   // short body
  project.Add(kCommonKind, "CHKCM", ConcreteFilled(114, 316, 26, 114));  // DataForLts
}

}  // namespace example
