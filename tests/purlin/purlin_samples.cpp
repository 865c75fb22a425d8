#include "purlin/purlin_samples.h"

#include <cmath>

namespace purlin_test {

PurlineDesData RoofDesign() {
  PurlineDesData d;
  d.steelGrade = 1;
  d.panelKind = 0;
  d.fastenersPerMetre = 4;
  d.panelInertia = 123456.6;
  d.roofSlope = 0.1;
  d.span = 6;
  d.spacing = 1.5;
  d.sagRods = 1;
  d.purlinForm = 0;
  d.beamKind = 1;
  d.strengthRequested = 1;
  d.stabilityRequested = 1;
  d.windSuctionRequested = 1;
  d.deadLoad = 0.3;
  d.liveLoad = 0.5;
  d.maintenanceLoad = 1.0;
  d.buildingForm = 0;
  d.zone = 1;
  d.basicWindPressure = 0.55;
  d.heightCoef = 1.14;
  d.shapeCoef = -1.4;
  return d;
}

// Out-of-range grade, form, sag rods, zone and beam kind write nothing
// after their labels.
PurlineDesData WallDesign() {
  PurlineDesData d;
  d.steelGrade = 7;
  d.panelKind = 3;
  d.fastenersPerMetre = 2;
  d.panelInertia = 98765;
  d.span = 7.5;
  d.spacing = 1.2;
  d.sagRods = 4;
  d.purlinForm = -1;
  d.beamKind = 2;
  d.strengthRequested = 0;
  d.stabilityRequested = 1;
  d.windSuctionRequested = 0;
  d.deadLoad = 0.15;
  d.buildingForm = 1;
  d.zone = 3;
  d.basicWindPressure = 0.45;
  d.heightCoef = 1.0;
  d.windwardCoef = 1.0;
  d.leewardCoef = -1.1;
  return d;
}

namespace {

// Seven distinct effective-section values from one base.
PurlineEffSection Effective(double base) {
  return {base, base * 1000, base * 20000, base * 10, base * 11, base * 12, base * 13};
}

PurlineChkData Section() {
  PurlineChkData c;
  c.A = 856.4;
  c.I2 = 310000.25;
  c.I3 = 4200000;
  c.sectionExtra[0] = 1.5;
  c.sectionExtra[1] = 2.5;
  c.f = 205;
  c.fy = 235;
  c.fCold = 215.75;
  c.W2t = 12000;
  c.W2b = 6100.5;
  c.W3t = 42000;
  c.W3b = 42000;
  return c;
}

}  // namespace

PurlineChkData AllChecks() {
  PurlineChkData c = Section();
  c.strengthDone = c.stabilityDone = c.windSuctionDone = 1;
  c.strength.ratio = 1.0;
  c.strength.M2 = 1234567.891;
  c.strength.M3 = 7654321.5;
  c.strength.combNo = 3;
  c.strength.combTag = 2;
  c.strength.effFlag = 0;
  c.strength.eff = Effective(1);  // not shown: the whole section is effective
  c.chi = 0.845;
  c.myLateral = 15000.5;
  c.stability.ratio = 1.004;
  c.stability.M2 = 100;
  c.stability.M3 = 200;
  c.stability.combNo = 9;
  c.stability.combTag = 1;
  c.stability.effFlag = 1;
  c.stability.eff = Effective(700.5);
  c.phiB = 0.6;
  c.windSuction.ratio = std::nan("");
  c.windSuction.M2 = -300;
  c.windSuction.M3 = -400;
  c.windSuction.effFlag = 2;
  c.windSuction.eff = Effective(650);
  c.deflectionN = 200;
  c.deflectionLimit = 200;
  return c;
}

PurlineChkData NoChecks() {
  PurlineChkData c = Section();
  c.stabilityDone = 2;
  c.deflectionN = 99;
  c.deflectionLimit = 100;
  return c;
}

void AddCombinations(MyPerDocData& doc) {
  doc.AddLoadComb()->AddTerm(0, 0, 1.35, 1);
  QMLoadComb* c2 = doc.AddLoadComb();
  c2->AddTerm(0, 0, 1.0, 1);
  c2->AddTerm(2, 1, 1.4, 1);
  QMLoadComb* c3 = doc.AddLoadComb();
  c3->AddTerm(0, 0, 1.2, 1);
  c3->AddTerm(1, 1, 1.4, 1);
  c3->AddTerm(2, 2, 1.4, 0.6);
}

}  // namespace purlin_test
