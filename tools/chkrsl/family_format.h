// Text views of the steel-family records of particular structure kinds:
// light steel, grid, pole and tower, aluminium alloy, high-rise, open
// truss, composite and concrete-filled members.
#pragma once

#include "record_format.h"

class CHKRsl;

namespace chkrsl_cli {

// The class name of a steel-family record of this group, or null for any
// other record.
const char* FamilyClassName(const CHKRsl& rec);

// The own fields of such a record (nothing for any other record).
void DescribeFamilyFields(const CHKRsl& rec, FieldPrinter& p);

}  // namespace chkrsl_cli
