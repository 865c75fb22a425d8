// The bodies of the element readers, for the calls that read (see call.h),
// and what the other readers of the store share with them.
#pragma once

#include <memory>

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
// False for a wanted entry that was read; else shows why not (the section
// change when that was the reason, then `notChecked`) and returns true.
// The messages come first: once they are kept, handing out the records
// that were read cannot fail, so a call hands them all or none.
bool ShowWhyNotRead(const WantedEntry& want, Alerts& alerts, const char* notChecked = msg::kNotChecked);

// Appends a record the call made; when the array cannot grow, the record
// is deleted and the exception passes on.
template <class Rec>
void AddOwned(CTypedPtrArray<CPtrArray, Rec*>& out, Rec* rec) {
  std::unique_ptr<Rec> owned(rec);
  const INT_PTR at = out.Add(nullptr);  // before the release: the right side of = goes first
  out[at] = owned.release();
}

// Records a call reads for its own use; deleted when the call ends, also
// when it ends by an exception.
template <class Rec>
struct CallRecords {
  CallRecords() = default;
  CallRecords(const CallRecords&) = delete;
  CallRecords& operator=(const CallRecords&) = delete;
  ~CallRecords() {
    for (INT_PTR i = 0; i < items.GetSize(); ++i) delete items[i];
  }
  CTypedPtrArray<CPtrArray, Rec*> items;
};

}  // namespace chkrsl
