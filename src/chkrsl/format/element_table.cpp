#include "chkrsl/format/element_table.h"

#include <string>

#include "chkrsl/io/source.h"

namespace chkrsl {

TableCursor::TableCursor(io::Source& in, Reporter* reporter) : in_(in), reporter_(reporter) {
  int32_t n = 0;
  in.MoveTo(0);
  if (!io::ReadI32(in, n) || !io::CountFits(in, n, kTablePairBytes)) {
    Report(reporter_, 0, kNoElement, [&] {
      return "element count " + std::to_string(n) + " cannot fit in the file";
    });
    return;
  }
  sound_ = true;
  declared_ = n;
}

bool TableCursor::ReadPair() {
  io::FileBlock<kTablePairBytes> pair(in_);
  if (pair.got < kTablePairBytes) return false;
  eleNo_ = io::DecodeFixed32(pair.data);
  kind_ = io::DecodeFixed32(pair.data + 4);
  return true;
}

bool TableCursor::Next() {
  if (!sound_ || index_ >= declared_) return false;
  if (!ReadPair()) {
    sound_ = false;
    Report(reporter_, io::kInt32Bytes + kTablePairBytes * index_, kNoElement,
           [] { return std::string("pair cut short"); });
    return false;
  }
  ++index_;
  return true;
}

bool TableCursor::JumpTo(int64_t offset) { return in_.MoveTo(offset) && ReadPair(); }

bool TableCursor::ScanFor(int eleNo) {
  while (Next()) {
    if (eleNo_ == eleNo) return true;
  }
  return false;
}

bool ReadElementTable(io::Source& in, CArray<int, int>& elements, CArray<int, int>& kinds,
                      Reporter* reporter) {
  TableCursor table(in, reporter);
  if (!table.sound()) return false;
  elements.SetSize(table.declared());
  kinds.SetSize(table.declared());
  for (INT_PTR i = 0; table.Next(); ++i) {
    elements[i] = table.eleNo();
    kinds[i] = table.kind();
  }
  return table.sound();
}

}  // namespace chkrsl
