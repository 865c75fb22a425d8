// Readers of the element check results: all of the project, a list of
// elements, or one element. Every returned record is the caller's, who
// deletes it through CHKRsl.
#pragma once

#include "chkrsl/export.h"

#include "chkrsl/platform/afx.h"
#include "chkrsl/records/chk_rsl.h"
#include "chkrsl/store/result_files.h"
#include "chkrsl/texts/messages.h"

// Appends the records of every element listed in "CHKTT", in its order.
// 1 when all were read; 0 after "单元未验算!", with `out` emptied and every
// record in it deleted (also those it held before the call).
CHKRSL_API int GetAllEleRsl(CTypedPtrArray<CPtrArray, CHKRsl*>& out);

// Sizes `out` to eleNos; slot i receives the record of eleNos[i] as
// GetOneEleRsl reads it, with its messages in the order of the list. 1 when
// every element was read; a failed element leaves its slot as it was. Each
// file is read from one index, whatever the number of elements.
CHKRSL_API int GetAllEleRsl(CTypedPtrArray<CPtrArray, CHKRsl*>& out, CArray<int, int>& eleNos);

// Sets kind to 0 and calls GetOneEleRsl_Code.
CHKRSL_API int GetOneEleRsl(CHKRsl*& rec, int& kind, int eleNo);

// Reads the record of one element. A kind of 0 is first looked up in
// "CHKTT" and written back. 1 with `rec` set, or 0 with `rec` untouched.
// Repeated calls find the entry through the kept index of the file.
CHKRSL_API int GetOneEleRsl_Code(CHKRsl*& rec, int& kind, int eleNo);

namespace chkrsl {

// The loader: reads the elements of `wanted` whose numbers appear in
// eleList (searched forward), each from the file of its kind in kindList,
// appending the records to `out` in the order of `wanted`; each file is
// opened once and read forward.
class Alerts;

int GetEleRslByKind(CTypedPtrArray<CPtrArray, CHKRsl*>& out, const CArray<int, int>& eleList,
                    const CArray<int, int>& kindList, const CArray<int, int>& wanted, Alerts& alerts);

// The bodies of GetAllEleRsl(out) and GetOneEleRsl_Code.
int ReadAllElements(CTypedPtrArray<CPtrArray, CHKRsl*>& out, Alerts& alerts);
int ReadOneElement(CHKRsl*& rec, int& kind, int eleNo, Alerts& alerts);

// Reads "CHKTT" into parallel lists of element numbers and structure kinds.
// False when the file is missing, short or declares an impossible count.
bool ReadElementTable(CArray<int, int>& elements, CArray<int, int>& kinds);

// GetAllEleRsl(out, eleNos): each file is read through find_entry.h.
int ReadElementList(CTypedPtrArray<CPtrArray, CHKRsl*>& out, const CArray<int, int>& eleNos,
                    Alerts& alerts);

// The result file that holds eleNo of structure kind `kind`, given the
// document's current section type (stored in secType); null when the
// element or the kind has none.
const char* FileOfElement(int eleNo, int kind, int& secType);
bool FileIdOfElement(int eleNo, int kind, ResultFileId& id, int& secType);

struct WantedEntry;
// Hands out a wanted entry that was read (1), or shows why not (0): the
// section change when that was the reason, then `notChecked`.
int Report(const WantedEntry& want, CHKRsl*& rec, Alerts& alerts,
           const char* notChecked = msg::kNotChecked);

// Deletes every record of `recs` and empties it.
CHKRSL_API void DeleteAllRecords(CTypedPtrArray<CPtrArray, CHKRsl*>& recs);

}  // namespace chkrsl
