#include "chkrsl/store/entry_walk.h"

#include <memory>

#include "chkrsl/io/file_io.h"
#include "chkrsl/records/chk_rsl.h"
#include "chkrsl/records/concrete.h"
#include "chkrsl/records/steel.h"
#include "chkrsl/store/record_table.h"

namespace chkrsl {
namespace {

constexpr int64_t kHeaderBytes = 12;

std::string Text(const char* what, int64_t a, const char* mid, int64_t b) {
  return what + std::to_string(a) + mid + std::to_string(b);
}

DataForNewSec* SectionFor(int secType) {
  switch (JudgeSecCate(secType)) {
    case 2: return new DataForNewSec;
    case 3: return new DataForLts;
    default: return nullptr;
  }
}

// Reads the body of `e` into a new record; sets e.problem when it fails.
std::unique_ptr<CHKRsl> Decode(std::FILE* f, WalkedEntry& e) {
  int eleType = 0;
  const RecordKind& kind = RecordKindOf(e.header.storedCode);
  if (!kind.create || !StoredCodeToEleType(e.header.storedCode, eleType)) {
    e.problem = "type code " + std::to_string(e.header.storedCode) + " has no record class";
    return nullptr;
  }
  std::unique_ptr<CHKRsl> rec(kind.create());
  rec->eleNo = e.header.eleNo;
  rec->eleType = eleType;
  rec->secType = e.header.secType;
  rec->pSec = SectionFor(e.header.secType);
  if (rec->ReadRsl(f)) return rec;
  e.problem = kind.bodyBytes ? "body does not decode"
                             : "concrete entry whose contents disagree with its length word";
  return nullptr;
}

}  // namespace

bool IsListedTypeCode(int code) {
  const int c = code < 0 ? -code : code;
  switch (c) {
    case 1:
    case 2:
    case 3:
    case 4:
    case 5:
    case 6:
    case 7:
    case 8:
    case 9:
    case 10:
    case 76:
    case 78: return true;
    case 11:
    case 18:
    case 216:
    case 218:
    case 226:
    case 228:
    case 316:
    case 318: return code > 0;  // never stored negated
    default: return false;
  }
}

EntryWalker::EntryWalker(std::FILE* f) : f_(f), offset_(io::kInt32Bytes) {
  s_.fileBytes = io::BytesLeft(f);
  int32_t count = 0;
  if (!io::ReadI32(f, count)) {
    Stop("file shorter than its entry count");
    return;
  }
  s_.declared = count;
  if (!io::CountFits(f, count, kHeaderBytes)) {
    s_.declared = 0;
    Stop(Text("entry count ", count, " cannot fit in the file's bytes ", s_.fileBytes));
  }
  s_.stopOffset = 0;
}

EntryWalker::~EntryWalker() { delete rec_; }

bool EntryWalker::Stop(const std::string& why) {
  s_.stop = why;
  s_.stopOffset = offset_;
  return false;
}

bool EntryWalker::Next(WalkedEntry& e) {
  delete rec_;
  rec_ = nullptr;
  const int i = s_.walked;
  if (!s_.stop.empty() || i >= s_.declared) return false;
  e = WalkedEntry();
  e.index = i;
  e.offset = offset_;
  uint8_t head[kHeaderBytes];
  if (!io::ReadExact(f_, head, sizeof head)) {
    return Stop(Text("entry ", i, " cut short: its header needs 12 bytes, the file has ",
                     s_.fileBytes - offset_) +
                " left");
  }
  e.header.eleNo = io::DecodeFixed32(head);
  e.header.storedCode = io::DecodeFixed32(head + 4);
  e.header.secType = io::DecodeFixed32(head + 8);
  e.bodyBytes = EntryBodyBytes(e.header.storedCode, e.header.secType);
  if (e.bodyBytes >= 0 && !Fits(e, 0)) return false;
  rec_ = Decode(f_, e).release();
  e.rec = rec_;
  // A record that decoded consumed exactly its entry (a concrete record
  // checks that against its length word), so the position needs no asking.
  if (auto* concrete = dynamic_cast<const DataForConcreteBase*>(rec_))
    e.bodyBytes = concrete->dataLength;
  if (rec_) NoteDifferingCopies(e);
  if (!rec_ && !PassOverUndecoded(e)) return false;
  offset_ = EntryEnd(e);
  ++s_.walked;
  s_.stopOffset = offset_;
  return true;
}

int64_t EntryWalker::EntryEnd(const WalkedEntry& e) const {
  const bool lengthWord = EntryBodyBytes(e.header.storedCode, e.header.secType) < 0;
  return e.offset + kHeaderBytes + (lengthWord ? io::kInt32Bytes : 0) + e.bodyBytes;
}

// A round column stores dRsl[23..25] twice; copies that differ read (the
// second is kept) but are not written back as they stand.
void EntryWalker::NoteDifferingCopies(WalkedEntry& e) {
  auto* concrete = dynamic_cast<const DataForConcreteBase*>(rec_);
  if (!concrete || !concrete->pRoundCol) return;
  const int64_t head = e.offset + static_cast<int64_t>(DataForConcreteBase::kSectionValOffset) +
                       int64_t{8} * concrete->SectionCount();
  uint8_t bytes[DataForConcreteRoundCol::kHeadBytes];
  if (io::SeekTo(f_, head) && io::ReadExact(f_, bytes, sizeof bytes) &&
      DataForConcreteRoundCol::CopiesDiffer(bytes)) {
    e.note = "the two copies of dRsl[23..25] differ; the second is used";
  }
  io::SeekTo(f_, EntryEnd(e));
}

bool EntryWalker::Fits(const WalkedEntry& e, int64_t lengthWord) {
  const int64_t end = e.offset + kHeaderBytes + lengthWord + e.bodyBytes;
  if (end <= s_.fileBytes) return true;
  return Stop(Text("entry ", e.index, " of element ", e.header.eleNo) + " cut short: it needs " +
              std::to_string(end - e.offset) + " bytes, the file has " +
              std::to_string(s_.fileBytes - e.offset) + " left");
}

// The body was read in part: moves to the entry's end, which for a concrete
// entry its length word gives.
bool EntryWalker::PassOverUndecoded(WalkedEntry& e) {
  if (e.bodyBytes < 0) {
    int32_t length = 0;
    if (!io::SeekTo(f_, e.offset + kHeaderBytes) ||
        !io::ReadI32(f_, length) || length < 0) {
      return Stop(Text("entry ", e.index, " of element ", e.header.eleNo) +
                  " has an unsound length word " + std::to_string(length));
    }
    e.bodyBytes = length;
    if (!Fits(e, io::kInt32Bytes)) return false;
  }
  if (io::SeekTo(f_, EntryEnd(e))) return true;
  return Stop(Text("entry ", e.index, " cannot be passed over at ", EntryEnd(e)));
}

WalkSummary WalkResultEntries(std::FILE* f, const std::function<void(const WalkedEntry&)>& visit) {
  EntryWalker walker(f);
  WalkedEntry e;
  while (walker.Next(e)) visit(e);
  return walker.Summary();
}

}  // namespace chkrsl
