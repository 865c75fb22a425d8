// Readers of the element check results: all of the project, a list of
// elements, or one element. Every returned record is the caller's, who
// deletes it through CHKRsl. The readers may be called from several threads
// at once while the document is not being changed; a rewrite by the
// library's writers waits for them (see store/call.h).
#pragma once

#include "chkrsl/export.h"

#include "chkrsl/platform/afx.h"
#include "chkrsl/records/chk_rsl.h"

// Appends the records of every element listed in "CHKTT", in its order.
// 1 when all were read; 0 after "单元未验算!", with `out` emptied and every
// record in it deleted (also those it held before the call). Running out of
// memory does the same after "内存不足，操作未完成!".
CHKRSL_API int GetAllEleRsl(CTypedPtrArray<CPtrArray, CHKRsl*>& out);

// Sizes `out` to eleNos; slot i receives the record of eleNos[i] as
// GetOneEleRsl reads it, with its messages in the order of the list. 1 when
// every element was read; a failed element leaves its slot as it was. Each
// file is read from one index, whatever the number of elements. Running out
// of memory gives 0 after "内存不足，操作未完成!" alone and writes no slot.
CHKRSL_API int GetAllEleRsl(CTypedPtrArray<CPtrArray, CHKRsl*>& out, CArray<int, int>& eleNos);

// Sets kind to 0 and calls GetOneEleRsl_Code.
CHKRSL_API int GetOneEleRsl(CHKRsl*& rec, int& kind, int eleNo);

// Reads the record of one element. A kind of 0 is first looked up in
// "CHKTT" and written back. 1 with `rec` set, or 0 with `rec` untouched
// (also after "内存不足，操作未完成!" when memory runs out).
// Repeated calls find the entry through the kept index of the file.
CHKRSL_API int GetOneEleRsl_Code(CHKRsl*& rec, int& kind, int eleNo);

namespace chkrsl {

// Deletes every record of `recs` and empties it.
CHKRSL_API void DeleteAllRecords(CTypedPtrArray<CPtrArray, CHKRsl*>& recs);

}  // namespace chkrsl
