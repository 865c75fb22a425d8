// Text views of concrete records, wall edges and the display structures.
#pragma once

#include <ostream>
#include <string>

#include "record_format.h"

class CHKRsl;
class DataForConcreteBase;
class DataForWallEdge;
struct ShowConcreteFrameStl;
struct ShowShearWallStl;
struct ShowBoundMemStl;

namespace chkrsl_cli {

// Sub-record class, member kind, section count and list counts.
std::string ConcreteSummary(const DataForConcreteBase& rec);
// The concrete fields of rec and its sub-record.
void DescribeConcrete(const DataForConcreteBase& rec, FieldPrinter& p);

std::string EdgeSummary(const DataForWallEdge& edge);
void DescribeEdge(const DataForWallEdge& edge, std::ostream& os);

// One display structure, field by field.
void DescribeMemberInfo(int eleNo, const ShowConcreteFrameStl& s, std::ostream& os);
void DescribeWallInfo(int eleNo, const ShowShearWallStl& s, std::ostream& os);
void DescribeEdgeInfo(int edgeNo, const ShowBoundMemStl& s, std::ostream& os);

}  // namespace chkrsl_cli
