// Design inputs, check results and combinations that exercise the report.
#pragma once

#include "chkrsl/internal.h"

namespace purlin_test {

// Distinct values in every field of the kind's layout.
PurlineDesData RoofDesign();
PurlineDesData WallDesign();

// All three checks done: strength of the whole section with a ratio of
// exactly 1, stability with effective values and a ratio of 1.004 under a
// combination the document does not have, wind suction with a NaN ratio;
// N equal to L.
PurlineChkData AllChecks();
// No check done (one flag 2, which is not 1); N one less than L.
PurlineChkData NoChecks();

// Three combinations, the third of dead, live and wind load cases.
void AddCombinations(MyPerDocData& doc);

}  // namespace purlin_test
