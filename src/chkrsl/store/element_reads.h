// The bodies of the element readers, for the calls that read (see call.h),
// and what the other readers of the store share with them.
#pragma once

#include "chkrsl/platform/afx.h"
#include "chkrsl/records/chk_rsl.h"
#include "chkrsl/store/element_readers.h"
#include "chkrsl/store/result_files.h"
#include "chkrsl/texts/messages.h"

namespace chkrsl {

class Alerts;

// The loader: reads the elements of `wanted` whose numbers appear in
// eleList (searched forward), each from the file of its kind in kindList,
// appending the records to `out` in the order of `wanted`; each file is
// opened once and read forward.
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

}  // namespace chkrsl
