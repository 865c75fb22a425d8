#include "chkrsl/internal.h"
#include "example_project.h"

namespace example {
namespace {

DataForSteel* MakeSteel(int eleNo, int eleType, int secType, int seed) {
  auto* rec = new DataForSteel;
  FillSteel(*rec, seed);
  rec->eleNo = eleNo;
  rec->eleType = eleType;
  rec->secType = secType;
  rec->memberKind = 1;
  return rec;
}

}  // namespace

void AddSteelExample(ExampleProject& project) {
  // Section category 1: a plain rolled section in the plain file.
  project.Add(6, "CHKST", MakeSteel(1, 6, 1, 1));

  // Category 2: a user section with its DataForNewSec, in the "_N" file.
  DataForSteel* userSection = MakeSteel(2, 6, 35, 2);
  auto* sec = new DataForNewSec;
  for (int i = 0; i < 14; ++i) sec->dHead[i] = 2.5 + i;
  for (int k = 0; k < 4; ++k) sec->dPart[1][k] = 0.1 * (k + 1);
  userSection->pSec = sec;
  project.Add(6, "CHKST_N", userSection);

  // Category 3: a cold-formed section with its DataForLts, in the "_N" file.
  DataForSteel* coldFormed = MakeSteel(3, 6, 26, 3);
  auto* lts = new DataForLts;
  lts->nLts = 4;
  for (int k = 0; k < 4; ++k) lts->dLtsA[0][k] = 0.25 * (k + 1);
  coldFormed->pSec = lts;
  project.Add(6, "CHKST_N", coldFormed);

  // An energy-dissipating member: stored under type code -6.
  DataForSteel* damper = MakeSteel(4, 6, 5, 4);
  damper->memberKind = 6;
  damper->pEnergy = new DataForEnergyConsume;
  for (int i = 0; i < 18; ++i) damper->pEnergy->dEn[i] = 40.0 + i;
  project.Add(6, "CHKST", damper);

  // Category 4: no sub-record, plain file.
  project.Add(6, "CHKST", MakeSteel(5, 6, 42, 5));

  // A steel member of structure kind 2.
  project.Add(2, "CHKCM", MakeSteel(6, 2, 1, 6));
}

}  // namespace example
