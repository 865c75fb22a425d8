#include "chkrsl/records/user_section.h"

#include "chkrsl/io/file_io.h"
#include "chkrsl/io/source.h"
#include "chkrsl/records/field_visitor.h"

namespace {

template <class T, size_t A, size_t B>
void FillColumn(T (&arr)[A][B], size_t a, T value) {
  for (size_t k = 0; k < B; ++k) arr[a][k] = value;
}

}  // namespace

DataForNewSec::DataForNewSec() { DataForNewSec::clear(); }

void DataForNewSec::clear() {
  dHead[2] = 0;
  dHead[8] = 0;
  for (int i = 4; i <= 7; ++i) nHead[i] = -1;
  for (size_t a : {0, 6, 8, 9, 15, 17}) FillColumn(dPart, a, 0.0);
  for (size_t a = 0; a < 4; ++a) FillColumn(nPart, a, -1);
  for (size_t a = 0; a <= 4; ++a) FillColumn(dDir, a, 0.0);
  FillColumn(dDir, 5, -100.0);
  FillColumn(nDir, 0, 0);
  FillColumn(nDir, 3, 0);
}

void DataForNewSec::CopyData(DataForNewSec* src) {
  if (src && src != this) DataForNewSec::operator=(*src);
}

template <class IO>
void DataForNewSec::Layout(IO& io) {
  io.Fields("dHead", dHead, 0, 2).Fields("nHead", nHead, 0, 4).Fields("dHead", dHead, 2, 3);
  io.Fields("nHead", nHead, 4, 2).Fields("dHead", dHead, 5, 6).Fields("nHead", nHead, 6, 2);
  io.Fields("dHead", dHead, 11, 3);
  // Per part k: runs of dPart and nPart arrays; the arrays 5..8 and
  // 14..17 only for the two wide parts.
  auto d = [&](int a, int k) { io.Field({"dPart", a, k}, dPart[a][k]); };
  auto n = [&](int a, int k) { io.Field({"nPart", a, k}, nPart[a][k]); };
  for (int k = 0; k < 4; ++k) {
    const bool wide = k < 2;
    d(0, k), d(1, k), n(0, k), n(1, k), d(2, k), d(3, k), d(4, k);
    if (wide) d(5, k), d(6, k), d(7, k), d(8, k);
    d(9, k), d(10, k), n(2, k), n(3, k), d(11, k), d(12, k), d(13, k);
    if (wide) d(14, k), d(15, k), d(16, k), d(17, k);
  }
  for (int j = 0; j < 2; ++j) {
    for (int a = 0; a < 3; ++a) io.Field({"dDir", a, j}, dDir[a][j]);
    for (int a = 0; a < 3; ++a) io.Field({"nDir", a, j}, nDir[a][j]);
    for (int a = 3; a < 6; ++a) io.Field({"dDir", a, j}, dDir[a][j]);
    for (int a = 3; a < 6; ++a) io.Field({"nDir", a, j}, nDir[a][j]);
  }
}

void DataForNewSec::WriteToCHK(std::FILE* f) {
  chkrsl::io::ByteWriter w(kEncodedBytes);
  Layout(w);
  chkrsl::io::WriteBytes(f, w);
}

bool DataForNewSec::ReadFrom(chkrsl::io::Source& in) {
  chkrsl::io::FileBlock<kEncodedBytes> block(in);
  chkrsl::io::ByteReader r = block.reader();
  Layout(r);
  return r.ok();
}

bool DataForNewSec::ReadRsl(std::FILE* f) { return chkrsl::io::ReadFromStream(*this, f); }

DataForLts::DataForLts() { DataForLts::clear(); }

void DataForLts::clear() {
  DataForNewSec::clear();
  for (size_t a = 0; a < 4; ++a) FillColumn(dLtsA, a, 0.0);
  dLts[0] = 0;
  FillColumn(dLtsB, 1, 0.0);
  FillColumn(dLtsC, 0, 0.0);
  for (double& d : dLtsD) d = 0;
  FillColumn(nLtsC, 0, -1);
  FillColumn(nLtsC, 1, -1);
}

void DataForLts::CopyData(DataForNewSec* src) {
  if (!src || src == this) return;
  if (auto* lts = dynamic_cast<DataForLts*>(src)) {
    *this = *lts;
  } else {
    DataForNewSec::CopyData(src);
  }
}

template <class IO>
void DataForLts::LayoutOwn(IO& io) {
  for (int k = 0; k < 4; ++k)
    for (int a = 0; a < 4; ++a) io.Field({"dLtsA", a, k}, dLtsA[a][k]);
  io.Fields("dLts", dLts, 0, 1);
  for (int k = 0; k < 4; ++k) {
    io.Field({"dLtsB", 0, k}, dLtsB[0][k]).Field({"dLtsB", 1, k}, dLtsB[1][k]);
  }
  io.Field("nLts", nLts).Fields("dLts", dLts, 1, 2);
  for (int k = 0; k < 4; ++k) {
    for (int a = 0; a < 4; ++a) io.Field({"dLtsC", a, k}, dLtsC[a][k]);
    io.Field({"nLtsC", 0, k}, nLtsC[0][k]).Field({"nLtsC", 1, k}, nLtsC[1][k]);
  }
  io.Fields("dLtsD", dLtsD, 0, 4);
}

void DataForLts::WriteToCHK(std::FILE* f) {
  chkrsl::io::ByteWriter w(kEncodedBytes);
  Layout(w);
  LayoutOwn(w);
  chkrsl::io::WriteBytes(f, w);
}

bool DataForLts::ReadFrom(chkrsl::io::Source& in) {
  chkrsl::io::FileBlock<kEncodedBytes> block(in);
  chkrsl::io::ByteReader r = block.reader();
  Layout(r);
  LayoutOwn(r);
  return r.ok();
}

bool DataForLts::ReadRsl(std::FILE* f) { return chkrsl::io::ReadFromStream(*this, f); }

DataForNewSec* DuplicateSection(const DataForNewSec* src) {
  if (!src) return nullptr;
  if (auto* lts = dynamic_cast<const DataForLts*>(src)) return new DataForLts(*lts);
  return new DataForNewSec(*src);
}

size_t SectionBytesOfCategory(int category) {
  switch (category) {
    case 2: return DataForNewSec::kEncodedBytes;
    case 3: return DataForLts::kEncodedBytes;
    default: return 0;
  }
}

template void DataForNewSec::Layout(chkrsl::FieldNamer&);
template void DataForLts::LayoutOwn(chkrsl::FieldNamer&);
