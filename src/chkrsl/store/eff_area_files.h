// Reading and writing the effective-area file "EFFAL".
#pragma once

#include "chkrsl/export.h"
#include "chkrsl/platform/afx.h"
#include "chkrsl/records/eff_area.h"

// Finds the entry of eleNo in "EFFAL". 1 with a new record (the caller's)
// in `out`; 0 with `out` unchanged when the element has no whole entry or
// the file is corrupt; 0 after "单元未验算!" when the file is missing, or
// after "内存不足，操作未完成!" when memory runs out.
CHKRSL_API int ReadEffectiveArea(int eleNo, DataForEffArea*& out);

// Writes "EFFAL" from `recs`, which must be in ascending element number.
// Does nothing when the file has no path or cannot be created. A failed
// write ("写文件时发生错误!") or running out of memory ("内存不足，操作未
// 完成!") is shown once and leaves the file with a count of 0.
CHKRSL_API void WriteAlEffArea(CTypedPtrArray<CPtrArray, DataForEffArea*>& recs);
