#include "chkrsl/records/wall.h"

#include "chkrsl/io/file_io.h"
#include "chkrsl/io/source.h"
#include "chkrsl/records/field_visitor.h"
#include "chkrsl/records/list_layout.h"

using chkrsl::IntOrder;
using chkrsl::io::ByteReader;
using chkrsl::io::ByteWriter;
using chkrsl::io::FileBlock;

namespace {

// Decodes a fixed-size layout from one read of its bytes.
template <size_t N, class Rec>
bool ReadFixed(chkrsl::io::Source& in, Rec& rec) {
  FileBlock<N> block(in);
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
  io.Fields("bFlag", bFlag, 0, 7).Fields("dRsl", dRsl, 0, 42).Fields("nRsl", nRsl, 0, 20);
  io.Fields("dRsl", dRsl, 42, 3).Fields("nRsl", nRsl, 20, 2).Fields("dRsl", dRsl, 45, 13);
  io.Fields("nRsl", nRsl, 22, 4).Fields("bFlag", bFlag, 7, 1).Fields("dRsl", dRsl, 58, 3);
  io.Fields("nRsl", nRsl, 26, 2);
}

template <class IO>
void DataForSpecialCol::Layout(IO& io) {
  LayoutFixed(io);
  chkrsl::LayoutCountedList(io, "countA", countA, "listA", listA, IntOrder::kAsDeclared);
  chkrsl::LayoutCountedList(io, "countB", countB, "listB", listB, IntOrder::kAsDeclared);
}

void DataForSpecialCol::WriteTo(ByteWriter& w) { Layout(w); }

void DataForSpecialCol::WriteToCHK(std::FILE* f) {
  ByteWriter w(kEmptyPayloadBytes);
  WriteTo(w);
  chkrsl::io::WriteBytes(f, w);
}

bool DataForSpecialCol::ReadFrom(chkrsl::io::Source& in) {
  FileBlock<kFixedBytes> block(in);
  ByteReader r = block.reader();
  LayoutFixed(r);
  return r.ok() && chkrsl::ReadCountedList(in, listA, countA, IntOrder::kAsDeclared) &&
         chkrsl::ReadCountedList(in, listB, countB, IntOrder::kAsDeclared);
}

bool DataForSpecialCol::ReadRsl(std::FILE* f) { return chkrsl::io::ReadFromStream(*this, f); }

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
  io.Fields("bFlag", bFlag, 0, 3).Fields("dRsl", dRsl, 0, 12).Fields("nRsl", nRsl, 0, 4);
  io.Fields("dRsl", dRsl, 12, 3).Fields("nRsl", nRsl, 4, 2);
}

void DataForConcreteWall::WriteTo(ByteWriter& w) { Layout(w); }

void DataForConcreteWall::WriteToCHK(std::FILE* f) {
  ByteWriter w(kPayloadBytes);
  WriteTo(w);
  chkrsl::io::WriteBytes(f, w);
}

bool DataForConcreteWall::ReadFrom(chkrsl::io::Source& in) { return ReadFixed<kPayloadBytes>(in, *this); }

bool DataForConcreteWall::ReadRsl(std::FILE* f) { return chkrsl::io::ReadFromStream(*this, f); }

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
  io.Fields("nRsl", nRsl, 0, 2).Fields("bFlag", bFlag, 0, 1).Fields("dRsl", dRsl, 0, 17);
}

bool DataForWallEdge::ReadFrom(chkrsl::io::Source& in) { return ReadFixed<kPayloadBytes>(in, *this); }

bool DataForWallEdge::ReadRsl(std::FILE* f) { return chkrsl::io::ReadFromStream(*this, f); }

template void DataForConcreteWall::Layout(ByteWriter&);
template void DataForWallEdge::Layout(ByteWriter&);
template void DataForSpecialCol::Layout(chkrsl::FieldNamer&);
template void DataForConcreteWall::Layout(chkrsl::FieldNamer&);
template void DataForWallEdge::Layout(chkrsl::FieldNamer&);
