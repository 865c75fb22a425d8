#include "chkrsl/records/wall.h"

#include "chkrsl/io/file_io.h"

using chkrsl::IntOrder;
using chkrsl::io::ByteReader;
using chkrsl::io::ByteWriter;
using chkrsl::io::FileBlock;

namespace {

// Decodes a fixed-size layout from one read of its bytes.
template <size_t N, class Rec>
bool ReadFixed(std::FILE* f, Rec& rec) {
  FileBlock<N> block(f);
  ByteReader r = block.reader();
  rec.Layout(r);
  return r.ok();
}

}  // namespace

// ---- DataForSpecialCol ----

DataForSpecialCol::DataForSpecialCol() { clear(); }

void DataForSpecialCol::clear() {
  for (int i = 0; i < 8; ++i) bFlag[i] = i == 0 ? 0 : 1;
  for (double& v : dRsl) v = 0;
  for (int& v : nRsl) v = 0;
  countA = 0;
  countB = 0;
}

void DataForSpecialCol::CopyData(const DataForSpecialCol* src) {
  if (!src || src == this) return;
  for (int i = 0; i < 8; ++i) bFlag[i] = src->bFlag[i];
  for (int i = 0; i < 61; ++i) dRsl[i] = src->dRsl[i];
  for (int i = 0; i < 28; ++i) nRsl[i] = src->nRsl[i];
  countA = src->countA;
  countB = src->countB;
  chkrsl::CopyList(listA, src->listA, countA);
  chkrsl::CopyList(listB, src->listB, countB);
}

template <class IO>
void DataForSpecialCol::LayoutFixed(IO& io) {
  io.Fields(bFlag, 7).Fields(dRsl, 42).Fields(nRsl, 20).Fields(dRsl + 42, 3);
  io.Fields(nRsl + 20, 2).Fields(dRsl + 45, 3).Fields(dRsl + 48, 10).Fields(nRsl + 22, 4);
  io.Field(bFlag[7]).Fields(dRsl + 58, 3).Fields(nRsl + 26, 2);
}

void DataForSpecialCol::WriteTo(ByteWriter& w) {
  LayoutFixed(w);
  chkrsl::WriteCountedList(w, listA, countA, IntOrder::kAsDeclared);
  chkrsl::WriteCountedList(w, listB, countB, IntOrder::kAsDeclared);
}

void DataForSpecialCol::WriteToCHK(std::FILE* f) {
  ByteWriter w(kEmptyPayloadBytes);
  WriteTo(w);
  chkrsl::io::WriteBytes(f, w);
}

bool DataForSpecialCol::ReadRsl(std::FILE* f) {
  FileBlock<kFixedBytes> block(f);
  ByteReader r = block.reader();
  LayoutFixed(r);
  return r.ok() && chkrsl::ReadCountedList(f, listA, countA, IntOrder::kAsDeclared) &&
         chkrsl::ReadCountedList(f, listB, countB, IntOrder::kAsDeclared);
}

// ---- DataForConcreteWall ----

DataForConcreteWall::DataForConcreteWall() { clear(); }

void DataForConcreteWall::clear() {
  for (uint8_t& v : bFlag) v = 1;
  for (double& v : dRsl) v = 0;
  for (int& v : nRsl) v = 0;
}

void DataForConcreteWall::CopyData(const DataForConcreteWall* src) {
  if (src) *this = *src;
}

template <class IO>
void DataForConcreteWall::Layout(IO& io) {
  io.Fields(bFlag, 3).Fields(dRsl, 12).Fields(nRsl, 4).Fields(dRsl + 12, 3).Fields(nRsl + 4, 2);
}

void DataForConcreteWall::WriteTo(ByteWriter& w) { Layout(w); }

void DataForConcreteWall::WriteToCHK(std::FILE* f) {
  ByteWriter w(kPayloadBytes);
  WriteTo(w);
  chkrsl::io::WriteBytes(f, w);
}

bool DataForConcreteWall::ReadRsl(std::FILE* f) { return ReadFixed<kPayloadBytes>(f, *this); }

// ---- DataForWallEdge ----

DataForWallEdge::DataForWallEdge() { clear(); }

void DataForWallEdge::clear() {
  for (double& v : dRsl) v = 0;
  bFlag[0] = 0;
  edgeNo = 0;
  nRsl[0] = nRsl[1] = 0;
}

template <class IO>
void DataForWallEdge::Layout(IO& io) {
  io.Fields(nRsl, 2).Field(bFlag[0]).Field(dRsl[0]).Field(dRsl[1]).Fields(dRsl + 2, 15);
}

bool DataForWallEdge::ReadRsl(std::FILE* f) { return ReadFixed<kPayloadBytes>(f, *this); }

template void DataForConcreteWall::Layout(ByteWriter&);
template void DataForWallEdge::Layout(ByteWriter&);
