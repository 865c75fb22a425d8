#include "chkrsl/store/entry_scanner.h"

#include "chkrsl/io/file_io.h"
#include "chkrsl/platform/acad.h"
#include "chkrsl/platform/qmbaseform.h"
#include "chkrsl/records/steel.h"
#include "chkrsl/store/messages.h"
#include "chkrsl/store/record_table.h"

namespace chkrsl {
namespace {

constexpr int64_t kEntryHeaderBytes = 12;
constexpr int kPathBufferBytes = 1000;

// Passes over the body of an entry whose header has been read. False when
// the body cannot be passed over: an unknown code or a length word that is
// negative.
bool SkipBody(std::FILE* f, int storedCode, int secType) {
  int eleType = 0;
  if (!StoredCodeToEleType(storedCode, eleType)) return false;
  int64_t bytes = EntryBodyBytes(storedCode, secType);
  if (bytes < 0) {
    int32_t length = 0;
    if (!io::ReadI32(f, length) || length < 0) return false;
    bytes = length;
  }
  return io::PassOver(f, bytes);
}

DataForNewSec* NewSectionFor(int secType) {
  switch (JudgeSecCate(secType)) {
    case 2: return new DataForNewSec;
    case 3: return new DataForLts;
    default: return nullptr;
  }
}

}  // namespace

bool ResultFile::ReadCount() {
  countRead = true;
  int32_t n = 0;
  if (!io::ReadI32(file, n) || !io::CountFits(file, n, kEntryHeaderBytes)) {
    count = 0;
    return false;
  }
  count = n;
  return true;
}

void ResultFile::Close() {
  if (file) std::fclose(file);
  *this = ResultFile();
}

std::FILE* OpenProjectFile(const char* ext) {
  char path[kPathBufferBytes];
  if (GetProjFileName(path, ext, true, true, false, 0) != 1) return nullptr;
  std::FILE* f = std::fopen(path, "rb");
  // Scans read forward through many entries: a larger buffer means fewer
  // system calls.
  if (f) std::setvbuf(f, nullptr, _IOFBF, 64 * 1024);
  return f;
}

bool WalkEntryHeaders(std::FILE* f, const std::function<void(const EntryHeader&)>& visit) {
  ResultFile rf;
  rf.file = f;
  if (!rf.ReadCount()) return false;
  for (int i = 0; i < rf.count; ++i) {
    uint8_t head[12];
    if (!io::ReadExact(f, head, sizeof head)) return false;
    EntryHeader h;
    h.eleNo = io::DecodeFixed32(head);
    h.storedCode = io::DecodeFixed32(head + 4);
    h.secType = io::DecodeFixed32(head + 8);
    if (!SkipBody(f, h.storedCode, h.secType)) return false;
    visit(h);
  }
  return true;
}

int ReadEleRslEntry(CHKRsl*& rec, ResultFile& rf, int eleNo, int expectedSecType) {
  if (!rf.file) return 0;
  std::FILE* f = rf.file;
  int32_t number = 0, code = 0, secType = 0;
  for (;;) {
    if (rf.consumed >= rf.count) return 0;
    ++rf.consumed;
    uint8_t head[8];
    if (!io::ReadExact(f, head, sizeof head)) return 0;
    number = io::DecodeFixed32(head);
    code = io::DecodeFixed32(head + 4);
    if (number >= eleNo) break;
    if (!io::ReadI32(f, secType) || !SkipBody(f, code, secType)) return 0;
  }
  if (number != eleNo || !io::ReadI32(f, secType)) return 0;
  if (secType != expectedSecType) {
    AlertUtf8(msg::kSectionChanged);
    return 0;
  }
  int eleType = 0;
  const RecordKind& kind = RecordKindOf(code);
  if (!kind.create || !StoredCodeToEleType(code, eleType)) return 0;
  CHKRsl* r = kind.create();
  r->eleNo = number;
  r->eleType = eleType;
  r->secType = secType;
  r->pSec = NewSectionFor(expectedSecType);
  // A body the file does not hold whole is no result.
  if (!r->ReadRsl(f)) {
    delete r;
    return 0;
  }
  rec = r;
  return 1;
}

int ReadEleRslPair(CHKRsl*& rec, int eleNo, int secType, ResultFile& plain,
                   ResultFile& companion) {
  const int category = JudgeSecCate(secType);
  ResultFile& rf = (category == 1 || category == 4) ? plain : companion;
  if (!rf.file) return 0;
  if (!rf.countRead) rf.ReadCount();
  return ReadEleRslEntry(rec, rf, eleNo, secType);
}

}  // namespace chkrsl
