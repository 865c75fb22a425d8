// Element result files. Input: a structure kind byte, a 16-bit length L,
// then L bytes of the kind's result file and the rest as its "_N"
// companion. The element table lists every element the files name, in
// ascending order, and the document takes their stored section types.
// Oracle: the bulk read, the list read and one read per element agree, the
// display call succeeds with the list read, and every record read writes
// back the bytes it was read from, but for what fuzz::HoldsEntryAt allows.
#include <map>
#include <set>

#include "fuzz_project.h"

namespace {

using fuzz::Bytes;

Bytes ElementTable(const std::set<int>& eleNos, int kind) {
  chkrsl::io::ByteWriter w;
  w.I32(static_cast<int32_t>(eleNos.size()));
  for (int e : eleNos) w.I32(e).I32(kind);
  return w.bytes();
}

void Check(const uint8_t* data, size_t size) {
  if (size < 3 || size > 1 << 16) return;
  const fuzz::InputScope input;
  const int kind = data[0] % 20;
  chkrsl::KindFiles files;
  if (!chkrsl::FilesOfKind(kind, files)) return;
  const char* plainName = chkrsl::ResultFileName(files.plain);
  const char* companionName = chkrsl::ResultFileName(files.companion);
  size_t plainBytes = data[1] | (data[2] << 8);
  data += 3;
  size -= 3;
  if (!files.paired || plainBytes > size) plainBytes = size;
  const Bytes plain(data, data + plainBytes);
  const Bytes companion(data + plainBytes, data + size);
  fuzz::WriteProjectFile(plainName, plain);
  if (files.paired) fuzz::WriteProjectFile(companionName, companion);

  std::set<int> eleNos;
  for (const auto& [name, bytes] : {std::make_pair(plainName, &plain), std::make_pair(companionName, &companion)}) {
    if (bytes == &companion && !files.paired) break;
    const std::vector<fuzz::WalkedEntry> entries = fuzz::WalkEntries(*bytes);
    for (const fuzz::WalkedEntry& e : entries) {
      if (e.header.eleNo < 0 || e.header.eleNo >= 4096 || eleNos.size() >= 16) continue;
      if (eleNos.insert(e.header.eleNo).second) GetQMpDoc()->SetElementSecType(e.header.eleNo, e.header.secType);
    }
  }
  fuzz::WriteProjectFile("CHKTT", ElementTable(eleNos, kind));

  CTypedPtrArray<CPtrArray, CHKRsl*> bulk, list;
  const int bulkOk = GetAllEleRsl(bulk);
  CArray<int, int> wanted;
  for (int e : eleNos) wanted.Add(e);
  const int listOk = GetAllEleRsl(list, wanted);
  fuzz::CheckDisplayCall(GetCTMemberChkInfo, wanted, listOk);
  std::vector<Bytes> single;
  std::vector<fuzz::Span> rewritten;
  bool allSingles = true;
  for (int e : eleNos) {
    CHKRsl* rec = nullptr;
    int k = 0;
    if (GetOneEleRsl(rec, k, e) == 1) {
      single.push_back(fuzz::RecordBytes(rec));
      rewritten.push_back(fuzz::RewrittenSpan(rec));
      delete rec;
    } else {
      single.emplace_back();
      rewritten.emplace_back();
      allSingles = false;
    }
  }

  FUZZ_CHECK(bulkOk == (allSingles ? 1 : 0));
  FUZZ_CHECK(listOk == (allSingles ? 1 : 0));
  FUZZ_CHECK(bulkOk ? bulk.GetSize() == static_cast<INT_PTR>(eleNos.size()) : bulk.GetSize() == 0);
  FUZZ_CHECK(list.GetSize() == static_cast<INT_PTR>(eleNos.size()));
  for (size_t i = 0; i < single.size(); ++i) {
    const INT_PTR at = static_cast<INT_PTR>(i);
    FUZZ_CHECK((list[at] != nullptr) == !single[i].empty());
    if (list[at]) FUZZ_CHECK(fuzz::RecordBytes(list[at]) == single[i]);
    if (bulkOk) FUZZ_CHECK(fuzz::RecordBytes(bulk[at]) == single[i]);
    if (!single[i].empty())
      FUZZ_CHECK(fuzz::ContainsEntry(plain, single[i], rewritten[i]) ||
                 fuzz::ContainsEntry(companion, single[i], rewritten[i]));
  }
  chkrsl::DeleteAllRecords(bulk);
  chkrsl::DeleteAllRecords(list);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Check(data, size);
  return 0;
}
