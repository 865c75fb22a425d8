#include "chkrsl/store/entry_scanner.h"

#include "chkrsl/io/file_io.h"
#include "chkrsl/platform/acad.h"
#include "chkrsl/platform/qmbaseform.h"
#include "chkrsl/records/steel.h"
#include "chkrsl/texts/messages.h"
#include "chkrsl/store/record_table.h"

namespace chkrsl {
namespace {

constexpr int64_t kEntryHeaderBytes = 12;
constexpr int kPathBufferBytes = 1000;

// Passes over the body of an entry whose header has been read. False when
// the body cannot be passed over: an unknown code or a length word that is
// negative.
bool SkipBody(std::FILE* f, int storedCode, int secType) {
  return PassOverBody(f, storedCode, secType) >= 0;
}

// An entry is read exactly as it is passed over, or it is corrupt: a read
// that stops short of the entry's end or runs into the next entry is not
// this entry's record. (A steel member whose code's sign and member kind
// disagree is such an entry: the sign sizes the entry, the member kind
// whether its energy record is read.) Entries with a length word check it
// themselves.
bool ReadAsPassedOver(const CHKRsl& rec, int storedCode, int64_t consumed) {
  const int64_t expected = EntryBodyBytes(storedCode, rec.secType);
  return expected < 0 || consumed == expected;
}

DataForNewSec* NewSectionFor(int secType) {
  switch (JudgeSecCate(secType)) {
    case 2: return new DataForNewSec;
    case 3: return new DataForLts;
    default: return nullptr;
  }
}

}  // namespace

int64_t PassOverBody(std::FILE* f, int storedCode, int secType) {
  int eleType = 0;
  if (!StoredCodeToEleType(storedCode, eleType)) return -1;
  int64_t bytes = EntryBodyBytes(storedCode, secType);
  int64_t lengthWord = 0;
  if (bytes < 0) {
    int32_t length = 0;
    if (!io::ReadI32(f, length) || length < 0) return -1;
    bytes = length;
    lengthWord = io::kInt32Bytes;
  }
  return io::PassOver(f, bytes) ? lengthWord + bytes : -1;
}

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

std::string ProjectFilePath(const char* ext) {
  char path[kPathBufferBytes];
  if (GetProjFileName(path, ext, true, true, false, 0) != 1) return std::string();
  return path;
}

std::FILE* OpenProjectFile(const char* ext, std::string* openedPath, int bufferBytes,
                           char* buffer) {
  const std::string path = ProjectFilePath(ext);
  if (path.empty()) return nullptr;
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (openedPath) *openedPath = path;
  // Scans read forward through many entries: a larger buffer means fewer
  // system calls.
  if (f && bufferBytes > 0) std::setvbuf(f, buffer, _IOFBF, static_cast<size_t>(bufferBytes));
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
  const EntryOutcome got = ScanForEntry(rec, rf, eleNo, expectedSecType);
  if (got == EntryOutcome::kSectionChanged) AlertUtf8(msg::kSectionChanged);
  return got == EntryOutcome::kRead ? 1 : 0;
}

EntryOutcome ScanForEntry(CHKRsl*& rec, ResultFile& rf, int eleNo, int expectedSecType) {
  constexpr EntryOutcome kMissing = EntryOutcome::kMissing;
  if (!rf.file) return kMissing;
  std::FILE* f = rf.file;
  int32_t number = 0, code = 0;
  for (;;) {
    if (rf.consumed >= rf.count) return kMissing;
    ++rf.consumed;
    uint8_t head[8];
    if (!io::ReadExact(f, head, sizeof head)) return kMissing;
    number = io::DecodeFixed32(head);
    code = io::DecodeFixed32(head + 4);
    if (number >= eleNo) break;
    int32_t secType = 0;
    if (!io::ReadI32(f, secType) || !SkipBody(f, code, secType)) return kMissing;
  }
  if (number != eleNo) return kMissing;
  return ReadStoppedEntry(rec, f, number, code, expectedSecType);
}

EntryOutcome ReadStoppedEntry(CHKRsl*& rec, std::FILE* f, int number, int code,
                              int expectedSecType) {
  int32_t secType = 0;
  if (!io::ReadI32(f, secType)) return EntryOutcome::kMissing;
  if (secType != expectedSecType) return EntryOutcome::kSectionChanged;
  int eleType = 0;
  const RecordKind& kind = RecordKindOf(code);
  if (!kind.create || !StoredCodeToEleType(code, eleType)) return EntryOutcome::kMissing;
  CHKRsl* r = kind.create();
  r->eleNo = number;
  r->eleType = eleType;
  r->secType = secType;
  r->pSec = NewSectionFor(expectedSecType);
  // A body the file does not hold whole is no result.
  const int64_t start = io::Tell(f);
  if (!r->ReadRsl(f) || !ReadAsPassedOver(*r, code, io::Tell(f) - start)) {
    delete r;
    return EntryOutcome::kMissing;
  }
  rec = r;
  return EntryOutcome::kRead;
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
