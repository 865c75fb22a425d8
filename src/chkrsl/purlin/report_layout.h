// The layout of the purlin design report: head, design inputs, load
// combinations, section and material, the check blocks and the deflection.
#pragma once

#include <string>

#include "chkrsl/purlin/purlin_data.h"
#include "chkrsl/purlin/report_stream.h"

namespace chkrsl {

// Writes the whole report of purlin kind `purlinKind` (roof or wall) into
// `out`, with `timeText` (ctime form, newline included) as the time of
// writing and the document's load combinations. The last line has no line
// end.
void WritePurlinReport(ReportStream& out, const PurlineDesData& des, const PurlineChkData& chk,
                       int purlinKind, const std::string& timeText);

}  // namespace chkrsl
