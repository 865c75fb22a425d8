#include "chkrsl/store/element_readers.h"

#include "chkrsl/store/element_reads.h"

#include <map>
#include <memory>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "chkrsl/format/element_table.h"
#include "chkrsl/format/result_file.h"
#include "chkrsl/platform/qmbaseform.h"
#include "chkrsl/records/steel.h"
#include "chkrsl/store/call.h"
#include "chkrsl/store/project_files.h"
#include "chkrsl/store/result_files.h"
#include "chkrsl/store/wanted_entries.h"
#include "chkrsl/texts/messages.h"

namespace chkrsl {
namespace {

// The result files of one load, each opened on first need, read forward
// and closed at the end.
class OpenFiles {
 public:
  // The cursor of the file, or null when it cannot be opened.
  ResultCursor* Get(ResultFileId id) {
    Slot& s = slots_[static_cast<int>(id)];
    if (!s.tried) {
      s.tried = true;
      if (OpenProjectFile(ResultFileName(id), s.file, io::FileSource::kLoadBlockBytes)) {
        s.cursor.reset(new ResultCursor(s.file));
      }
    }
    return s.cursor.get();
  }

 private:
  struct Slot {
    io::FileSource file;
    std::unique_ptr<ResultCursor> cursor;
    bool tried = false;
  };
  Slot slots_[static_cast<int>(ResultFileId::kCount)];
};

// Reads one wanted element of a known kind. 0 when it has no readable result.
int ReadElement(CHKRsl*& rec, OpenFiles& files, int eleNo, int kind, Alerts& alerts) {
  int secType = 0;
  ResultFileId id;
  if (!FileIdOfElement(eleNo, kind, id, secType)) return 0;
  ResultCursor* entries = files.Get(id);
  if (!entries || !entries->ScanFor(eleNo) || entries->number() != eleNo) return 0;
  const EntryOutcome got = entries->Read(secType, rec);
  if (got == EntryOutcome::kSectionChanged) alerts.Add(msg::kSectionChanged);
  return got == EntryOutcome::kRead ? 1 : 0;
}

// The kinds "CHKTT" gives the wanted numbers (the first pair of each), from
// one read of the table; none when it cannot be read.
std::unordered_map<int, int> KindsOf(const CArray<int, int>& eleNos) {
  std::unordered_map<int, int> kinds;
  CArray<int, int> elements, tableKinds;
  if (!ReadElementTable(elements, tableKinds)) return kinds;
  std::unordered_set<int> wanted;
  for (INT_PTR i = 0; i < eleNos.GetSize(); ++i) wanted.insert(eleNos[i]);
  for (INT_PTR i = 0; i < elements.GetSize(); ++i) {
    if (wanted.count(elements[i])) kinds.emplace(elements[i], tableKinds[i]);
  }
  return kinds;
}

}  // namespace

bool ReadElementTable(CArray<int, int>& elements, CArray<int, int>& kinds) {
  io::FileSource table;
  return OpenProjectFile("CHKTT", table, io::FileSource::kLoadBlockBytes) &&
         ReadElementTable(table, elements, kinds);
}

void DeleteAllRecords(CTypedPtrArray<CPtrArray, CHKRsl*>& recs) {
  for (INT_PTR i = 0; i < recs.GetSize(); ++i) delete recs[i];
  recs.RemoveAll();
}

int GetEleRslByKind(CTypedPtrArray<CPtrArray, CHKRsl*>& out, const CArray<int, int>& eleList,
                    const CArray<int, int>& kindList, const CArray<int, int>& wanted, Alerts& alerts) {
  OpenFiles files;
  bool ok = true;
  INT_PTR searchFrom = 0;
  for (INT_PTR w = 0; w < wanted.GetSize() && ok; ++w) {
    const int eleNo = wanted[w];
    INT_PTR at = searchFrom;
    while (at < eleList.GetSize() && eleList[at] != eleNo) ++at;
    if (at >= eleList.GetSize()) continue;  // not in the table: left out
    searchFrom = at + 1;
    CHKRsl* rec = nullptr;
    if (ReadElement(rec, files, eleNo, kindList[at], alerts)) {
      AddOwned(out, rec);
    } else {
      alerts.Add(msg::kNotChecked);
      ok = false;
    }
  }
  if (!ok) DeleteAllRecords(out);
  return ok ? 1 : 0;
}

bool FileIdOfElement(int eleNo, int kind, ResultFileId& id, int& secType) {
  const QMElement* element = GetQMpDoc()->FindElement(eleNo);
  KindFiles kf;
  if (!element || !FilesOfKind(kind, kf)) return false;
  secType = element->secType;
  id = FileOfCategory(kf, JudgeSecCate(secType));
  return true;
}

const char* FileOfElement(int eleNo, int kind, int& secType) {
  ResultFileId id;
  return FileIdOfElement(eleNo, kind, id, secType) ? ResultFileName(id) : nullptr;
}

bool ShowWhyNotRead(const WantedEntry& want, Alerts& alerts, const char* notChecked) {
  if (want.outcome == EntryOutcome::kRead) return false;
  if (want.outcome == EntryOutcome::kSectionChanged) alerts.Add(msg::kSectionChanged);
  alerts.Add(notChecked);
  return true;
}

int ReadElementList(CTypedPtrArray<CPtrArray, CHKRsl*>& out, const CArray<int, int>& eleNos,
                    Alerts& alerts) {
  const INT_PTR n = eleNos.GetSize();
  out.SetSize(n);
  std::vector<WantedEntry> wants(static_cast<size_t>(n));
  std::map<const char*, std::vector<WantedEntry*>> byFile;
  const std::unordered_map<int, int> kinds = n > 0 ? KindsOf(eleNos) : std::unordered_map<int, int>();
  for (INT_PTR i = 0; i < n; ++i) {
    WantedEntry& w = wants[static_cast<size_t>(i)];
    w.eleNo = eleNos[i];
    auto found = kinds.find(w.eleNo);
    if (found == kinds.end()) continue;  // not listed: missing
    if (const char* file = FileOfElement(w.eleNo, found->second, w.expectedSecType)) {
      byFile[file].push_back(&w);
    }
  }
  for (auto& entry : byFile) ReadWantedEntries(entry.first, entry.second);
  // Messages first, then the records, which cannot fail to be handed out.
  int result = 1;
  for (const WantedEntry& w : wants) {
    if (ShowWhyNotRead(w, alerts)) result = 0;
  }
  for (INT_PTR i = 0; i < n; ++i) {
    WantedEntry& w = wants[static_cast<size_t>(i)];
    if (w.rec) out[i] = w.rec.release();
  }
  return result;
}

int ReadAllElements(CTypedPtrArray<CPtrArray, CHKRsl*>& out, Alerts& alerts) {
  CArray<int, int> elements, kinds;
  if (!ReadElementTable(elements, kinds)) {
    alerts.Add(msg::kNotChecked);
    return 0;
  }
  return GetEleRslByKind(out, elements, kinds, elements, alerts);
}

int ReadOneElement(CHKRsl*& rec, int& kind, int eleNo, Alerts& alerts) {
  if (kind == 0 && !LookUpKind(eleNo, kind)) {
    alerts.Add(msg::kNotChecked);
    return 0;
  }
  WantedEntry want;
  want.eleNo = eleNo;
  if (const char* file = FileOfElement(eleNo, kind, want.expectedSecType)) ReadWantedEntries(file, {&want});
  if (ShowWhyNotRead(want, alerts)) return 0;
  rec = want.rec.release();
  return 1;
}

}  // namespace chkrsl

int GetAllEleRsl(CTypedPtrArray<CPtrArray, CHKRsl*>& out) {
  return chkrsl::ReadCall([&](chkrsl::Alerts& alerts) { return chkrsl::ReadAllElements(out, alerts); },
                          [&] { chkrsl::DeleteAllRecords(out); });
}

int GetAllEleRsl(CTypedPtrArray<CPtrArray, CHKRsl*>& out, CArray<int, int>& eleNos) {
  return chkrsl::ReadCall([&](chkrsl::Alerts& alerts) { return chkrsl::ReadElementList(out, eleNos, alerts); });
}

int GetOneEleRsl(CHKRsl*& rec, int& kind, int eleNo) {
  kind = 0;
  return GetOneEleRsl_Code(rec, kind, eleNo);
}

int GetOneEleRsl_Code(CHKRsl*& rec, int& kind, int eleNo) {
  return chkrsl::ReadCall([&](chkrsl::Alerts& alerts) { return chkrsl::ReadOneElement(rec, kind, eleNo, alerts); });
}
