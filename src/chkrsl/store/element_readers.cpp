#include "chkrsl/store/element_readers.h"

#include <vector>

#include "chkrsl/io/file_io.h"
#include "chkrsl/platform/acad.h"
#include "chkrsl/platform/qmbaseform.h"
#include "chkrsl/store/entry_scanner.h"
#include "chkrsl/store/messages.h"
#include "chkrsl/store/result_files.h"

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
    for (ResultFile& rf : files_) rf.Close();
  }

  ResultFile& Get(ResultFileId id, bool readCountNow) {
    const int i = static_cast<int>(id);
    if (!tried_[i]) {
      tried_[i] = true;
      files_[i].file = OpenProjectFile(ResultFileName(id));
      if (files_[i].file && readCountNow) files_[i].ReadCount();
    }
    return files_[i];
  }

 private:
  ResultFile files_[static_cast<int>(ResultFileId::kCount)];
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

namespace {

// Looks eleNo up in "CHKTT" and returns its structure kind through `kind`.
bool LookUpKind(int eleNo, int& kind) {
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

}  // namespace

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
  const INT_PTR n = eleNos.GetSize();
  out.SetSize(n);
  int result = 1;
  for (INT_PTR i = 0; i < n; ++i) {
    int scratch = 0;
    if (!GetOneEleRsl(out[i], scratch, eleNos[i])) result = 0;
  }
  return result;
}

int GetOneEleRsl(CHKRsl*& rec, int& kind, int eleNo) {
  kind = 0;
  return GetOneEleRsl_Code(rec, kind, eleNo);
}

int GetOneEleRsl_Code(CHKRsl*& rec, int& kind, int eleNo) {
  if (kind == 0 && !chkrsl::LookUpKind(eleNo, kind)) {
    chkrsl::AlertUtf8(chkrsl::msg::kNotChecked);
    return 0;
  }
  CArray<int, int> one, kinds;
  one.Add(eleNo);
  kinds.Add(kind);
  CTypedPtrArray<CPtrArray, CHKRsl*> got;
  if (!chkrsl::GetEleRslByKind(got, one, kinds, one) || got.GetSize() != 1) {
    chkrsl::DeleteAllRecords(got);
    return 0;
  }
  rec = got[0];
  return 1;
}
