#include "chkrsl/store/element_readers.h"

#include <map>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

#include "chkrsl/io/file_io.h"
#include "chkrsl/platform/acad.h"
#include "chkrsl/platform/qmbaseform.h"
#include "chkrsl/store/entry_scanner.h"
#include "chkrsl/texts/messages.h"
#include "chkrsl/store/result_files.h"
#include "chkrsl/store/wanted_entries.h"
#include "chkrsl/records/steel.h"

namespace chkrsl {
namespace {

constexpr int64_t kTableEntryBytes = 8;  // element number, structure kind

// The result files of one load, each opened on first need and closed at the end.
class OpenFiles {
 public:
  OpenFiles() = default;
  OpenFiles(const OpenFiles&) = delete;
  OpenFiles& operator=(const OpenFiles&) = delete;
  ~OpenFiles() {
    for (int i = 0; i < static_cast<int>(ResultFileId::kCount); ++i) {
      ahead_[i].reset();
      files_[i].Close();
    }
  }

  ResultFile& Get(ResultFileId id, bool readCountNow) {
    const int i = static_cast<int>(id);
    if (!tried_[i]) {
      tried_[i] = true;
      files_[i].file = OpenProjectFile(ResultFileName(id), nullptr, 0);
      if (files_[i].file) ahead_[i].emplace(files_[i].file, io::kLoadBlockBytes);
      if (files_[i].file && readCountNow) files_[i].ReadCount();
    }
    return files_[i];
  }

 private:
  ResultFile files_[static_cast<int>(ResultFileId::kCount)];
  std::optional<io::ReadAhead> ahead_[static_cast<int>(ResultFileId::kCount)];
  bool tried_[static_cast<int>(ResultFileId::kCount)] = {};
};

// Reads one wanted element of a known kind. 0 when it has no readable result.
int ReadElement(CHKRsl*& rec, OpenFiles& files, int eleNo, int kind) {
  const QMElement* element = GetQMpDoc()->FindElement(eleNo);
  KindFiles kf;
  if (!element || !FilesOfKind(kind, kf)) return 0;
  if (!kf.paired) {
    ResultFile& rf = files.Get(kf.plain, true);
    return ReadEleRslEntry(rec, rf, eleNo, element->secType);
  }
  ResultFile& plain = files.Get(kf.plain, false);
  ResultFile& companion = files.Get(kf.companion, false);
  return ReadEleRslPair(rec, eleNo, element->secType, plain, companion);
}

}  // namespace

bool ReadElementTable(CArray<int, int>& elements, CArray<int, int>& kinds) {
  std::FILE* f = OpenProjectFile("CHKTT");
  if (!f) return false;
  int32_t n = 0;
  bool ok = io::ReadI32(f, n) && io::CountFits(f, n, kTableEntryBytes);
  if (ok && n > 0) {
    std::vector<uint8_t> bytes(static_cast<size_t>(n) * kTableEntryBytes);
    ok = io::ReadExact(f, bytes.data(), bytes.size());
    elements.SetSize(n);
    kinds.SetSize(n);
    for (int32_t i = 0; ok && i < n; ++i) {
      elements[i] = io::DecodeFixed32(&bytes[static_cast<size_t>(i) * kTableEntryBytes]);
      kinds[i] = io::DecodeFixed32(&bytes[static_cast<size_t>(i) * kTableEntryBytes + 4]);
    }
  }
  std::fclose(f);
  return ok;
}

bool LookUpKindByScan(int eleNo, int& kind) {
  std::FILE* f = OpenProjectFile("CHKTT");
  if (!f) return false;
  int32_t n = 0;
  bool found = false;
  if (io::ReadI32(f, n) && io::CountFits(f, n, kTableEntryBytes)) {
    for (int32_t i = 0; i < n && !found; ++i) {
      uint8_t pair[kTableEntryBytes];
      if (!io::ReadExact(f, pair, sizeof pair)) break;
      if (io::DecodeFixed32(pair) == eleNo) {
        kind = io::DecodeFixed32(pair + 4);
        found = true;
      }
    }
  }
  std::fclose(f);
  return found;
}

void DeleteAllRecords(CTypedPtrArray<CPtrArray, CHKRsl*>& recs) {
  for (INT_PTR i = 0; i < recs.GetSize(); ++i) delete recs[i];
  recs.RemoveAll();
}

int GetEleRslByKind(CTypedPtrArray<CPtrArray, CHKRsl*>& out, const CArray<int, int>& eleList,
                    const CArray<int, int>& kindList, const CArray<int, int>& wanted) {
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
    if (ReadElement(rec, files, eleNo, kindList[at])) {
      out.Add(rec);
    } else {
      AlertUtf8(msg::kNotChecked);
      ok = false;
    }
  }
  if (!ok) DeleteAllRecords(out);
  return ok ? 1 : 0;
}

}  // namespace chkrsl

int GetAllEleRsl(CTypedPtrArray<CPtrArray, CHKRsl*>& out) {
  CArray<int, int> elements, kinds;
  if (!chkrsl::ReadElementTable(elements, kinds)) {
    chkrsl::AlertUtf8(chkrsl::msg::kNotChecked);
    return 0;
  }
  return chkrsl::GetEleRslByKind(out, elements, kinds, elements);
}

int GetAllEleRsl(CTypedPtrArray<CPtrArray, CHKRsl*>& out, CArray<int, int>& eleNos) {
  return chkrsl::ReadElementList(out, eleNos);
}

int GetOneEleRsl(CHKRsl*& rec, int& kind, int eleNo) {
  kind = 0;
  return GetOneEleRsl_Code(rec, kind, eleNo);
}

int GetOneEleRsl_Code(CHKRsl*& rec, int& kind, int eleNo) {
  if (kind == 0 && !chkrsl::LookUpKindIndexed(eleNo, kind)) {
    chkrsl::AlertUtf8(chkrsl::msg::kNotChecked);
    return 0;
  }
  chkrsl::WantedEntry want;
  const char* file = chkrsl::FileOfElement(eleNo, kind, want.expectedSecType);
  want.eleNo = eleNo;
  if (file) chkrsl::ReadWantedEntries(file, {&want});
  return chkrsl::Report(want, rec);
}

namespace chkrsl {

int GetOneEleRslByScan(CHKRsl*& rec, int& kind, int eleNo) {
  if (kind == 0 && !LookUpKindByScan(eleNo, kind)) {
    AlertUtf8(msg::kNotChecked);
    return 0;
  }
  CArray<int, int> one, kinds;
  one.Add(eleNo);
  kinds.Add(kind);
  CTypedPtrArray<CPtrArray, CHKRsl*> got;
  if (!GetEleRslByKind(got, one, kinds, one) || got.GetSize() != 1) {
    DeleteAllRecords(got);
    return 0;
  }
  rec = got[0];
  return 1;
}

int GetAllEleRslByScan(CTypedPtrArray<CPtrArray, CHKRsl*>& out, CArray<int, int>& eleNos) {
  const INT_PTR n = eleNos.GetSize();
  out.SetSize(n);
  int result = 1;
  for (INT_PTR i = 0; i < n; ++i) {
    int scratch = 0;
    if (!GetOneEleRslByScan(out[i], scratch, eleNos[i])) result = 0;
  }
  return result;
}

namespace {

// The kinds "CHKTT" gives the wanted numbers (the first pair of each), from
// one read of the table; none when it cannot be read.
std::unordered_map<int, int> KindsOf(const CArray<int, int>& eleNos) {
  std::unordered_map<int, int> kinds;
  CArray<int, int> elements, tableKinds;
  if (!ReadElementTable(elements, tableKinds)) return kinds;
  for (INT_PTR i = 0; i < eleNos.GetSize(); ++i) kinds.emplace(eleNos[i], 0);
  std::unordered_map<int, bool> seen;
  for (INT_PTR i = 0; i < elements.GetSize(); ++i) {
    auto it = kinds.find(elements[i]);
    if (it != kinds.end() && seen.emplace(elements[i], true).second) it->second = tableKinds[i];
  }
  for (auto it = kinds.begin(); it != kinds.end();) {
    it = seen.count(it->first) ? std::next(it) : kinds.erase(it);
  }
  return kinds;
}

}  // namespace

const char* FileOfElement(int eleNo, int kind, int& secType) {
  const QMElement* element = GetQMpDoc()->FindElement(eleNo);
  KindFiles kf;
  if (!element || !FilesOfKind(kind, kf)) return nullptr;
  secType = element->secType;
  const int category = JudgeSecCate(secType);
  const bool plain = !kf.paired || category == 1 || category == 4;
  return ResultFileName(plain ? kf.plain : kf.companion);
}

int Report(const WantedEntry& want, CHKRsl*& rec, const char* notChecked) {
  if (want.outcome == EntryOutcome::kRead) {
    rec = want.rec;
    return 1;
  }
  if (want.outcome == EntryOutcome::kSectionChanged) AlertUtf8(msg::kSectionChanged);
  AlertUtf8(notChecked);
  return 0;
}

int ReadElementList(CTypedPtrArray<CPtrArray, CHKRsl*>& out, const CArray<int, int>& eleNos) {
  const INT_PTR n = eleNos.GetSize();
  out.SetSize(n);
  std::vector<WantedEntry> wants(static_cast<size_t>(n));
  std::vector<char> listed(static_cast<size_t>(n), 0);
  std::map<const char*, std::vector<WantedEntry*>> byFile;
  const std::unordered_map<int, int> kinds =
      n > 0 ? KindsOf(eleNos) : std::unordered_map<int, int>();
  for (INT_PTR i = 0; i < n; ++i) {
    WantedEntry& w = wants[static_cast<size_t>(i)];
    w.eleNo = eleNos[i];
    auto found = kinds.find(w.eleNo);
    if (found == kinds.end()) continue;
    const int kind = found->second;
    listed[static_cast<size_t>(i)] = 1;
    if (const char* file = FileOfElement(w.eleNo, kind, w.expectedSecType)) {
      byFile[file].push_back(&w);
    }
  }
  for (auto& entry : byFile) ReadWantedEntries(entry.first, entry.second);
  int result = 1;
  for (INT_PTR i = 0; i < n; ++i) {
    const WantedEntry& w = wants[static_cast<size_t>(i)];
    if (!listed[static_cast<size_t>(i)]) {
      AlertUtf8(msg::kNotChecked);
      result = 0;
    } else if (!Report(w, out[i])) {
      result = 0;
    }
  }
  return result;
}

}  // namespace chkrsl
