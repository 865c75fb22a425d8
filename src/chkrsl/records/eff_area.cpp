#include "chkrsl/records/eff_area.h"

#include <vector>

#include "chkrsl/io/file_io.h"
#include "chkrsl/io/output_file.h"
#include "chkrsl/records/field_visitor.h"
#include "chkrsl/platform/acad.h"
#include "chkrsl/platform/qmbaseform.h"
#include "chkrsl/texts/messages.h"

namespace {

constexpr const char kEffAreaFile[] = "EFFAL";

// Reads `count` items of list `list` after checking that the file holds them.
bool ReadItems(std::FILE* f, int32_t count, CPtrArray& list) {
  if (!chkrsl::io::CountFits(f, count, EffAreaItem::kEncodedBytes)) return false;
  std::vector<uint8_t> bytes(static_cast<size_t>(count) * EffAreaItem::kEncodedBytes);
  if (!chkrsl::io::ReadExact(f, bytes.data(), bytes.size())) return false;
  chkrsl::io::ByteReader r(bytes.data(), bytes.size());
  list.SetSize(count);
  for (int32_t i = 0; i < count; ++i) {
    EffAreaItem* item = new EffAreaItem;
    r.F64s(item->val, 5);
    list[i] = item;
  }
  return true;
}

}  // namespace

DataForEffArea::DataForEffArea(const DataForEffArea& src)
    : eleNo(src.eleNo), dataLength(src.dataLength), bEff(src.bEff) {
  CopyItemsFrom(src);
}

DataForEffArea& DataForEffArea::operator=(const DataForEffArea& src) {
  if (this == &src) return *this;
  eleNo = src.eleNo;
  dataLength = src.dataLength;
  bEff = src.bEff;
  DeleteItems();
  CopyItemsFrom(src);
  return *this;
}

DataForEffArea::~DataForEffArea() { DeleteItems(); }

void DataForEffArea::DeleteItems() {
  for (CPtrArray& list : effList) {
    for (INT_PTR i = 0; i < list.GetSize(); ++i) delete static_cast<EffAreaItem*>(list[i]);
    list.RemoveAll();
  }
}

void DataForEffArea::CopyItemsFrom(const DataForEffArea& src) {
  for (int k = 0; k < kLists; ++k) {
    effCount[k] = src.effCount[k];
    effList[k].SetSize(src.effList[k].GetSize());
    for (INT_PTR i = 0; i < src.effList[k].GetSize(); ++i) {
      const EffAreaItem* item = src.Item(k, i);
      effList[k][i] = item ? new EffAreaItem(*item) : nullptr;
    }
  }
}

// A count beyond what the list holds would read past it.
int DataForEffArea::WrittenCount(int k) const {
  const INT_PTR held = effList[k].GetSize();
  if (effCount[k] < 0) return 0;
  return effCount[k] > held ? static_cast<int>(held) : effCount[k];
}

void DataForEffArea::WriteEffArea(std::FILE* f) {
  int items = 0;
  for (int k = 0; k < kLists; ++k) items += WrittenCount(k);
  dataLength = static_cast<int>(kFixedBytes + EffAreaItem::kEncodedBytes * items);
  chkrsl::io::ByteWriter w(kKeyBytes + dataLength);
  Layout(w);
  chkrsl::io::WriteBytes(f, w);
}

template <class IO>
void DataForEffArea::Layout(IO& io) {
  static const EffAreaItem kZero;
  io.Field("eleNo", eleNo).Field("dataLength", dataLength).Field("bEff", bEff);
  for (int k = 0; k < kLists; ++k) {
    const int32_t n = WrittenCount(k);
    io.Field({"effCount", k}, n);
    for (int i = 0; i < n; ++i) {
      const EffAreaItem* item = Item(k, i);
      io.Enter({"effList", k, i}).Fields("val", (item ? item : &kZero)->val, 0, 5).Leave();
    }
  }
}

template void DataForEffArea::Layout(chkrsl::FieldNamer&);

bool DataForEffArea::ReadEffArea(std::FILE* f) {
  DeleteItems();
  uint8_t flag = 0;
  if (!chkrsl::io::ReadExact(f, &flag, 1)) return false;
  bEff = flag;
  for (int k = 0; k < kLists; ++k) {
    int32_t count = 0;
    if (!chkrsl::io::ReadI32(f, count) || !ReadItems(f, count, effList[k])) return false;
    effCount[k] = count;
  }
  return true;
}

namespace {

// Scans the entries forward to the first whose element number is eleNo or
// greater. True, with the file after that entry's element number, when it
// is eleNo.
bool SeekEntry(std::FILE* f, int eleNo) {
  int32_t n = 0;
  if (!chkrsl::io::ReadI32(f, n) || !chkrsl::io::CountFits(f, n, DataForEffArea::kKeyBytes)) {
    return false;  // corrupt count
  }
  for (int32_t i = 0; i < n; ++i) {
    int32_t number = 0, length = 0;
    if (!chkrsl::io::ReadI32(f, number)) return false;
    if (number >= eleNo) return number == eleNo;
    if (!chkrsl::io::ReadI32(f, length) || !chkrsl::io::SkipForward(f, length)) return false;
  }
  return false;
}

// The bytes an entry read from its bEff field on.
int64_t HeldBytes(const DataForEffArea& rec) {
  int64_t items = 0;
  for (int count : rec.effCount) items += count;
  return static_cast<int64_t>(DataForEffArea::kFixedBytes) + items * EffAreaItem::kEncodedBytes;
}

// Reads the rest of the entry of eleNo; null when the file does not hold it
// whole or it disagrees with its length word.
DataForEffArea* ReadEntry(std::FILE* f, int eleNo) {
  int32_t length = 0;
  if (!chkrsl::io::ReadI32(f, length)) return nullptr;
  DataForEffArea* rec = new DataForEffArea;
  rec->eleNo = eleNo;
  rec->dataLength = length;
  // The length word passes over earlier entries, so an entry that disagrees
  // with it (0 included) would leave later scans mid-entry: corrupt.
  if (rec->ReadEffArea(f) && length == HeldBytes(*rec)) return rec;
  delete rec;
  return nullptr;
}

}  // namespace

int ReadEffectiveArea(int eleNo, DataForEffArea*& out) {
  char path[kProjPathBufferSize];
  std::FILE* f = nullptr;
  if (GetProjFileName(path, kEffAreaFile, true, true, false, 0) == 1) f = std::fopen(path, "rb");
  if (!f) {
    chkrsl::AlertUtf8(chkrsl::msg::kNotChecked);
    return 0;
  }
  DataForEffArea* rec = SeekEntry(f, eleNo) ? ReadEntry(f, eleNo) : nullptr;
  std::fclose(f);
  if (!rec) return 0;
  out = rec;
  return 1;
}

void WriteAlEffArea(CTypedPtrArray<CPtrArray, DataForEffArea*>& recs) {
  char path[kProjPathBufferSize];
  if (GetProjFileName(path, kEffAreaFile, true, true, false, 0) != 1) return;
  chkrsl::io::OutputFile out;
  if (!out.Open(path)) return;
  int32_t written = 0;
  out.WriteCount(0);
  for (INT_PTR i = 0; i < recs.GetSize() && !out.Failed(); ++i) {
    if (!recs[i]) continue;
    recs[i]->WriteEffArea(out.stream());
    out.CheckStream();
    ++written;
  }
  if (!out.Finish(written)) chkrsl::AlertUtf8(chkrsl::msg::kWriteError);
}
