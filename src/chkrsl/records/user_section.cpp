#include "chkrsl/records/user_section.h"

#include "chkrsl/io/file_io.h"

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
  io.Fields(dHead + 0, 2).Fields(nHead + 0, 4).Fields(dHead + 2, 3).Fields(nHead + 4, 2);
  io.Fields(dHead + 5, 6).Fields(nHead + 6, 2).Fields(dHead + 11, 3);
  for (size_t k = 0; k < 4; ++k) {
    const bool wide = k < 2;
    io.Field(dPart[0][k]).Field(dPart[1][k]).Field(nPart[0][k]).Field(nPart[1][k]);
    io.Field(dPart[2][k]).Field(dPart[3][k]).Field(dPart[4][k]);
    if (wide) io.Field(dPart[5][k]).Field(dPart[6][k]).Field(dPart[7][k]).Field(dPart[8][k]);
    io.Field(dPart[9][k]).Field(dPart[10][k]).Field(nPart[2][k]).Field(nPart[3][k]);
    io.Field(dPart[11][k]).Field(dPart[12][k]).Field(dPart[13][k]);
    if (wide) io.Field(dPart[14][k]).Field(dPart[15][k]).Field(dPart[16][k]).Field(dPart[17][k]);
  }
  for (size_t j = 0; j < 2; ++j) {
    for (size_t a = 0; a < 3; ++a) io.Field(dDir[a][j]);
    for (size_t a = 0; a < 3; ++a) io.Field(nDir[a][j]);
    for (size_t a = 3; a < 6; ++a) io.Field(dDir[a][j]);
    for (size_t a = 3; a < 6; ++a) io.Field(nDir[a][j]);
  }
}

void DataForNewSec::WriteToCHK(std::FILE* f) {
  chkrsl::io::ByteWriter w(kEncodedBytes);
  Layout(w);
  chkrsl::io::WriteBytes(f, w);
}

bool DataForNewSec::ReadRsl(std::FILE* f) {
  chkrsl::io::FileBlock<kEncodedBytes> block(f);
  chkrsl::io::ByteReader r = block.reader();
  Layout(r);
  return r.ok();
}

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
  for (size_t k = 0; k < 4; ++k)
    for (size_t a = 0; a < 4; ++a) io.Field(dLtsA[a][k]);
  io.Field(dLts[0]);
  for (size_t k = 0; k < 4; ++k) io.Field(dLtsB[0][k]).Field(dLtsB[1][k]);
  io.Field(nLts).Field(dLts[1]).Field(dLts[2]);
  for (size_t k = 0; k < 4; ++k) {
    for (size_t a = 0; a < 4; ++a) io.Field(dLtsC[a][k]);
    io.Field(nLtsC[0][k]).Field(nLtsC[1][k]);
  }
  io.Fields(dLtsD, 4);
}

void DataForLts::WriteToCHK(std::FILE* f) {
  chkrsl::io::ByteWriter w(kEncodedBytes);
  Layout(w);
  LayoutOwn(w);
  chkrsl::io::WriteBytes(f, w);
}

bool DataForLts::ReadRsl(std::FILE* f) {
  chkrsl::io::FileBlock<kEncodedBytes> block(f);
  chkrsl::io::ByteReader r = block.reader();
  Layout(r);
  LayoutOwn(r);
  return r.ok();
}

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
