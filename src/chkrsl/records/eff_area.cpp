#include "chkrsl/records/eff_area.h"

#include <memory>
#include <vector>

#include "chkrsl/io/file_io.h"
#include "chkrsl/io/source.h"
#include "chkrsl/records/field_visitor.h"

namespace {


// Reads `count` items of list `list` after checking that the file holds them.
bool ReadItems(chkrsl::io::Source& in, int32_t count, CPtrArray& list) {
  if (!chkrsl::io::CountFits(in, count, EffAreaItem::kEncodedBytes)) return false;
  std::vector<uint8_t> bytes(static_cast<size_t>(count) * EffAreaItem::kEncodedBytes);
  if (!chkrsl::io::ReadExact(in, bytes.data(), bytes.size())) return false;
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
  CopyItemsFrom(src);
  eleNo = src.eleNo;
  dataLength = src.dataLength;
  bEff = src.bEff;
  return *this;
}

DataForEffArea::~DataForEffArea() { DeleteItems(); }

void DataForEffArea::DeleteItems() {
  for (CPtrArray& list : effList) {
    for (INT_PTR i = 0; i < list.GetSize(); ++i) delete static_cast<EffAreaItem*>(list[i]);
    list.RemoveAll();
  }
}

// All or nothing: the copies are made, and every list has room for them,
// before anything changes; a list that grew is given back its size when
// memory runs out.
void DataForEffArea::CopyItemsFrom(const DataForEffArea& src) {
  std::vector<std::unique_ptr<EffAreaItem>> copies[kLists];
  INT_PTR held[kLists];
  for (int k = 0; k < kLists; ++k) {
    held[k] = effList[k].GetSize();
    copies[k].reserve(static_cast<size_t>(src.effList[k].GetSize()));
    for (INT_PTR i = 0; i < src.effList[k].GetSize(); ++i) {
      const EffAreaItem* item = src.Item(k, i);
      copies[k].emplace_back(item ? new EffAreaItem(*item) : nullptr);
    }
  }
  try {
    for (int k = 0; k < kLists; ++k) {
      if (src.effList[k].GetSize() > held[k]) effList[k].SetSize(src.effList[k].GetSize());
    }
  } catch (...) {
    for (int k = 0; k < kLists; ++k) {
      if (effList[k].GetSize() > held[k]) effList[k].SetSize(held[k]);
    }
    throw;
  }
  for (int k = 0; k < kLists; ++k) {
    for (INT_PTR i = 0; i < held[k]; ++i) delete static_cast<EffAreaItem*>(effList[k][i]);
    for (size_t i = 0; i < copies[k].size(); ++i) effList[k][static_cast<INT_PTR>(i)] = copies[k][i].release();
    effList[k].SetSize(static_cast<INT_PTR>(copies[k].size()));
    effCount[k] = src.effCount[k];
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

bool DataForEffArea::ReadFrom(chkrsl::io::Source& in) {
  DeleteItems();
  uint8_t flag = 0;
  if (!chkrsl::io::ReadExact(in, &flag, 1)) return false;
  bEff = flag;
  for (int k = 0; k < kLists; ++k) {
    int32_t count = 0;
    if (!chkrsl::io::ReadI32(in, count) || !ReadItems(in, count, effList[k])) return false;
    effCount[k] = count;
  }
  return true;
}

bool DataForEffArea::ReadEffArea(std::FILE* f) { return chkrsl::io::ReadFromStream(*this, f); }

int64_t DataForEffArea::HeldBytes() const {
  int64_t items = 0;
  for (int count : effCount) items += count;
  return static_cast<int64_t>(kFixedBytes) + items * EffAreaItem::kEncodedBytes;
}
