// Writers of the element check results. Which file a record goes to and
// the type code it is stored under come from the file-code table "CHKFF"
// that the checking module writes beside the records: entry i (element
// number, file code, type code) belongs to record i.
#pragma once

#include "chkrsl/export.h"

#include "chkrsl/platform/afx.h"
#include "chkrsl/records/chk_rsl.h"

// Writes the records as "CHKFF" directs. Every result file named by a file
// code is emptied, written in "CHKFF" order and given its entry count;
// files of codes that do not occur keep their contents. Code -1 passes an
// entry over, and so does a code the table does not know; entries beyond
// the records of `recs` are neither written nor counted. The records stay
// the caller's; their eleType is set to the type code stored.
// When a write fails, "写文件时发生错误!" is shown once and every result
// file that could not be finished is left holding a count of 0; running out
// of memory does the same with "内存不足，操作未完成!".
CHKRSL_API void WriteCHKResult(CTypedPtrArray<CPtrArray, CHKRsl*>& recs);

// Writes every record of `recs`, in array order, to the wall result file
// "CHKCW". A failed write, or running out of memory, is shown and leaves
// the file with a count of 0.
CHKRSL_API void WriteCHKResult_Wall(CTypedPtrArray<CPtrArray, CHKRsl*>& recs);

namespace chkrsl {

// The result file that records of a "CHKFF" file code are written to, or
// null for -1 and for codes the table does not know.
const char* ResultFileOfCode(int fileCode);

}  // namespace chkrsl
