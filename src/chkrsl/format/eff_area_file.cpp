#include "chkrsl/format/eff_area_file.h"

#include <memory>
#include <string>

#include "chkrsl/format/scan.h"
#include "chkrsl/io/source.h"
#include "chkrsl/records/eff_area.h"

namespace chkrsl {

EffAreaCursor::EffAreaCursor(io::Source& in, Reporter* reporter) : in_(in), reporter_(reporter) {
  int32_t n = 0;
  in.MoveTo(0);
  if (!io::ReadI32(in, n) || !io::CountFits(in, n, DataForEffArea::kKeyBytes)) {
    Report(reporter_, 0, kNoElement, [&] { return "entry count " + std::to_string(n) + " cannot fit in the file"; });
    return;
  }
  declared_ = n;
  offset_ = io::kInt32Bytes;
}

bool EffAreaCursor::Next() {
  if (current_) {
    const int64_t body = offset_ + static_cast<int64_t>(DataForEffArea::kKeyBytes);
    if (!in_.MoveTo(body) || !io::SkipForward(in_, length_)) {
      Report(reporter_, offset_, eleNo_, [&] {
        return "length word " + std::to_string(length_) + " reaches beyond the file";
      });
      consumed_ = declared_;
    }
    offset_ = in_.Position();
  }
  current_ = false;
  if (consumed_ >= declared_) return false;
  ++consumed_;
  int32_t number = 0, length = 0;
  if (!in_.MoveTo(offset_) || !io::ReadI32(in_, number) || !io::ReadI32(in_, length)) {
    Report(reporter_, offset_, kNoElement, [] { return std::string("entry cut short"); });
    consumed_ = declared_;
    return false;
  }
  eleNo_ = number;
  length_ = length;
  current_ = true;
  return true;
}

bool EffAreaCursor::ScanFor(int eleNo) { return ScanForward(*this, eleNo); }

DataForEffArea* EffAreaCursor::Read() {
  if (!current_) return nullptr;
  const int64_t body = offset_ + static_cast<int64_t>(DataForEffArea::kKeyBytes);
  std::unique_ptr<DataForEffArea> rec(new DataForEffArea);
  rec->eleNo = eleNo_;
  rec->dataLength = length_;
  if (!in_.MoveTo(body) || !rec->ReadFrom(in_)) {
    Report(reporter_, offset_, eleNo_, [] { return std::string("entry cut short or with a negative list count"); });
    return nullptr;
  }
  if (rec->HeldBytes() != length_) {
    Report(reporter_, offset_, eleNo_, [&] {
      return "length word " + std::to_string(length_) + " but the entry holds " +
             std::to_string(rec->HeldBytes()) + " bytes";
    });
    return nullptr;
  }
  return rec.release();
}

}  // namespace chkrsl
