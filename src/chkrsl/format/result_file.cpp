#include "chkrsl/format/result_file.h"

#include <memory>
#include <string>

#include "chkrsl/format/record_table.h"
#include "chkrsl/format/scan.h"
#include "chkrsl/io/source.h"
#include "chkrsl/records/concrete.h"
#include "chkrsl/records/steel.h"
#include "chkrsl/records/user_section.h"

namespace chkrsl {
namespace {

std::string EntryOf(int index, int eleNo) {
  return "entry " + std::to_string(index) + " of element " + std::to_string(eleNo);
}

DataForNewSec* NewSectionFor(int secType) {
  switch (JudgeSecCate(secType)) {
    case 2: return new DataForNewSec;
    case 3: return new DataForLts;
    default: return nullptr;
  }
}

}  // namespace

ResultCursor::ResultCursor(io::Source& in, JumpsOnly) : in_(in), reporter_(nullptr) {
  in.MoveTo(0);
  const int64_t left = in.BytesLeft();
  fileBytes_ = left >= 0 ? left : 0;
}

ResultCursor::ResultCursor(io::Source& in, Reporter* reporter) : ResultCursor(in, JumpsOnly()) {
  reporter_ = reporter;
  next_ = kCountBytes;
  int32_t count = 0;
  if (!io::ReadI32(in, count)) {
    Report(reporter_, 0, kNoElement, [] { return std::string("file shorter than its entry count"); });
    next_ = 0;
    Stop();
    return;
  }
  if (!io::CountFits(in, count, kEntryHeaderBytes)) {
    Report(reporter_, 0, kNoElement, [&] {
      return "entry count " + std::to_string(count) + " cannot fit in the file's bytes " +
             std::to_string(fileBytes_);
    });
    return;  // no entries
  }
  declared_ = count;
}

bool ResultCursor::Stop() {
  stopped_ = true;
  current_ = false;
  return false;
}

bool ResultCursor::ReadHeaderAt(int64_t offset) {
  uint8_t head[kEntryHeaderBytes];
  current_ = false;
  if (!in_.MoveTo(offset) || !io::ReadExact(in_, head, sizeof head)) return false;
  header_.eleNo = io::DecodeFixed32(head);
  header_.storedCode = io::DecodeFixed32(head + 4);
  header_.secType = io::DecodeFixed32(head + 8);
  offset_ = offset;
  entryBytes_ = 0;
  current_ = true;
  return true;
}

bool ResultCursor::Next() {
  if (stopped_) return false;
  if (current_) {
    const int64_t bytes = EntryBytes();
    if (bytes < 0) return Stop();
    next_ = offset_ + bytes;
  }
  current_ = false;
  if (consumed_ >= declared_) return false;
  if (!ReadHeaderAt(next_)) {
    offset_ = next_;
    Report(reporter_, next_, kNoElement, [&] {
      return "entry " + std::to_string(consumed_) + " cut short: its header needs 12 bytes, the file has " +
             std::to_string(fileBytes_ - next_) + " left";
    });
    return Stop();
  }
  ++consumed_;
  return true;
}

bool ResultCursor::ScanFor(int eleNo) { return ScanForward(*this, eleNo); }

bool ResultCursor::JumpTo(int64_t offset) { return ReadHeaderAt(offset); }

int64_t ResultCursor::EntryBytes() {
  if (entryBytes_ != 0) return entryBytes_;
  entryBytes_ = -1;
  const int index = consumed_ - 1;
  int eleType = 0;
  if (!StoredCodeToEleType(header_.storedCode, eleType)) {
    Report(reporter_, offset_, header_.eleNo, [&] {
      return "type code " + std::to_string(header_.storedCode) + " has no record class";
    });
    return -1;
  }
  int64_t body = EntryBodyBytes(header_.storedCode, header_.secType);
  if (body < 0) {  // a length word, then as many bytes
    int32_t length = -1;
    const int64_t at = offset_ + kEntryHeaderBytes;
    if (in_.MoveTo(at) && io::ReadI32(in_, length) && length < 0) {
      Report(reporter_, offset_, header_.eleNo, [&] {
        return EntryOf(index, header_.eleNo) + " has an unsound length word " + std::to_string(length);
      });
      return -1;
    }
    body = io::kInt32Bytes + (length < 0 ? 0 : length);
  }
  const int64_t end = offset_ + kEntryHeaderBytes + body;
  if (end > fileBytes_) {
    Report(reporter_, offset_, header_.eleNo, [&] {
      return EntryOf(index, header_.eleNo) + " cut short: it needs " + std::to_string(end - offset_) +
             " bytes, the file has " + std::to_string(fileBytes_ - offset_) + " left";
    });
    return -1;
  }
  entryBytes_ = end - offset_;
  return entryBytes_;
}

EntryOutcome ResultCursor::Read(int expectedSecType, CHKRsl*& rec) {
  if (!current_) return EntryOutcome::kMissing;
  if (header_.secType != expectedSecType) return EntryOutcome::kSectionChanged;
  // An entry that cannot be passed over (its code names no class, its
  // length word is unsound, the file does not hold it) is not read either.
  const int64_t bytes = EntryBytes();
  if (bytes < 0) return EntryOutcome::kMissing;
  const RecordKind& kind = RecordKindOf(header_.storedCode);
  std::unique_ptr<CHKRsl> r(kind.create());
  r->eleNo = header_.eleNo;
  r->eleType = header_.storedCode < 0 ? -header_.storedCode : header_.storedCode;
  r->secType = header_.secType;
  r->pSec = NewSectionFor(expectedSecType);
  const int64_t body = offset_ + kEntryHeaderBytes;
  const bool whole = in_.MoveTo(body) && kind.read(*r, in_);
  const int64_t read = in_.Position() - body;
  // The entry rule: a read that stops short of the entry's end, or runs
  // into the next entry, is not this entry's record.
  if (!whole || read != bytes - kEntryHeaderBytes) {
    Report(reporter_, offset_, header_.eleNo, [&] {
      if (!kind.bodyBytes) return std::string("concrete entry whose contents disagree with its length word");
      if (!whole) return std::string("body does not decode");
      return "body reads " + std::to_string(read) + " bytes, its type code gives " +
             std::to_string(bytes - kEntryHeaderBytes);
    });
    return EntryOutcome::kMissing;
  }
  if (reporter_) NoteDifferingCopies(*r);
  rec = r.release();
  return EntryOutcome::kRead;
}

CHKRsl* ResultCursor::Decode() {
  CHKRsl* rec = nullptr;
  Read(header_.secType, rec);
  return rec;
}

// A round column stores dRsl[23..25] twice; copies that differ read (the
// second is kept) but are not written back as they stand.
void ResultCursor::NoteDifferingCopies(const CHKRsl& rec) {
  auto* concrete = dynamic_cast<const DataForConcreteBase*>(&rec);
  if (!concrete || !concrete->pRoundCol) return;
  const int64_t head = offset_ + static_cast<int64_t>(DataForConcreteBase::kSectionValOffset) +
                       int64_t{8} * concrete->SectionCount();
  uint8_t bytes[DataForConcreteRoundCol::kHeadBytes];
  if (in_.MoveTo(head) && io::ReadExact(in_, bytes, sizeof bytes) &&
      DataForConcreteRoundCol::CopiesDiffer(bytes)) {
    reporter_->Note(offset_, header_.eleNo, "the two copies of dRsl[23..25] differ; the second is used");
  }
}

}  // namespace chkrsl
