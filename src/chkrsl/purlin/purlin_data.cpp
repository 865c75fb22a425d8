#include "chkrsl/purlin/purlin_data.h"

#include <cstdio>

#include "chkrsl/io/file_io.h"
#include "chkrsl/io/source.h"
#include "chkrsl/platform/acad.h"
#include "chkrsl/platform/qmbaseform.h"

namespace {

using chkrsl::io::ByteReader;
using chkrsl::io::ByteWriter;

// A spare int32 of the design file: read and thrown away, written as 0.
void Spare(ByteWriter& w) { w.I32(0); }
void Spare(ByteReader& r) {
  int32_t discarded = 0;
  r.I32(discarded);
}

// A check flag in an 8-byte slot: the int32 of its first 4 bytes counts.
void FlagSlot(ByteWriter& w, const int& flag) { w.I32(flag).I32(0); }
void FlagSlot(ByteReader& r, int& flag) { r.I32(flag).Skip(4); }

template <class IO, class D>
void DesignLayout(IO& io, D& d, int kind) {
  const bool roof = kind == kRoofPurlin;
  io.Field(d.steelGrade).Field(d.panelKind).Field(d.fastenersPerMetre).Field(d.panelInertia);
  if (roof) io.Field(d.roofSlope);
  io.Field(d.span).Field(d.spacing).Field(d.sagRods).Field(d.purlinForm);
  Spare(io);
  io.Field(d.beamKind).Field(d.strengthRequested).Field(d.stabilityRequested);
  io.Field(d.windSuctionRequested).Field(d.deadLoad);
  if (roof) io.Field(d.liveLoad).Field(d.maintenanceLoad);
  io.Field(d.buildingForm).Field(d.zone).Field(d.basicWindPressure).Field(d.heightCoef);
  if (roof)
    io.Field(d.shapeCoef);
  else
    io.Field(d.windwardCoef).Field(d.leewardCoef);
}

template <class IO, class E>
void EffLayout(IO& io, E& e) {
  io.Field(e.Ae).Field(e.I2e).Field(e.I3e).Field(e.We2t).Field(e.We2b).Field(e.We3t).Field(e.We3b);
}

// A check block after its ratio and the block's own values.
template <class IO, class B>
void BlockTail(IO& io, B& b) {
  io.Field(b.M2).Field(b.M3).Field(b.combNo).Field(b.combTag).Field(b.effFlag);
  EffLayout(io, b.eff);
}

template <class IO, class C>
void CheckLayout(IO& io, C& c) {
  io.Field(c.A).Field(c.I2).Field(c.I3).Fields(c.sectionExtra, 2);
  io.Field(c.W2t).Field(c.W2b).Field(c.W3t).Field(c.W3b);
  io.Field(c.f).Field(c.fy).Field(c.fCold);
  FlagSlot(io, c.strengthDone);
  FlagSlot(io, c.stabilityDone);
  FlagSlot(io, c.windSuctionDone);
  io.Field(c.strength.ratio);
  BlockTail(io, c.strength);
  io.Field(c.stability.ratio).Field(c.chi).Field(c.myLateral);
  BlockTail(io, c.stability);
  io.Field(c.windSuction.ratio).Field(c.phiB);
  BlockTail(io, c.windSuction);
  io.Field(c.deflectionN).Field(c.deflectionLimit);
}

const char* DesignFileName(int kind) {
  return kind == kRoofPurlin ? "Dlg_DesWLT" : kind == kWallPurlin ? "Dlg_DesQLT" : nullptr;
}

// Composes the design file's path while the document's purlin kind reads 0,
// as the host expects, and puts the kind back whatever happens, running out
// of memory included.
bool DesignFilePath(int kind, char (&path)[kProjPathBufferSize]) {
  struct KindBack {
    MyPerDocData* doc;
    int kind;
    ~KindBack() { doc->purlinKind = kind; }
  } back{GetQMpDoc(), GetQMpDoc()->purlinKind};
  back.doc->purlinKind = 0;
  return GetProjFileName(path, DesignFileName(kind), true, true, false, 0) == 1;
}

// Reads the first `size` bytes of `path` (at most N) with one read and
// decodes them. False when it cannot be opened or is shorter than `size`:
// a file cut short is no design, and a report of zeros would pass for one.
// Bytes past the layout are not looked at.
template <size_t N, class Decode>
bool ReadBlockFile(const char* path, size_t size, Decode decode) {
  chkrsl::io::FileSource file;
  if (!file.Open(path, N)) return false;
  chkrsl::io::FileBlock<N> block(file, size);
  if (block.got != size) return false;
  ByteReader r = block.reader();
  decode(r);
  return r.ok();
}

size_t DesignBytesOf(int kind) { return kind == kRoofPurlin ? kRoofDesignBytes : kWallDesignBytes; }

}  // namespace

bool ReadPurlineDesData(PurlineDesData& data) {
  data = PurlineDesData();
  const int kind = GetQMpDoc()->purlinKind;
  if (!DesignFileName(kind)) return false;
  char path[kProjPathBufferSize];
  if (!DesignFilePath(kind, path)) return false;
  const bool read = ReadBlockFile<kRoofDesignBytes>(path, DesignBytesOf(kind),
                                                     [&](ByteReader& r) { DesignLayout(r, data, kind); });
  if (!read) data = PurlineDesData();
  return read;
}

bool ReadPurlineChkData(PurlineChkData& data) {
  data = PurlineChkData();
  char path[kProjPathBufferSize];
  if (GetProjFileName(path, "PCR", true, true, false, 0) != 1 ||
      !ReadBlockFile<kPurlinCheckBytes>(path, kPurlinCheckBytes, [&](ByteReader& r) { CheckLayout(r, data); })) {
    data = PurlineChkData();
    chkrsl::AlertUtf8("写文件时发生错误!");
    return false;
  }
  return true;
}

bool WritePurlineDesData(const char* path, const PurlineDesData& data, int purlinKind) {
  if (!path || !DesignFileName(purlinKind)) return false;
  ByteWriter w(kRoofDesignBytes);
  DesignLayout(w, data, purlinKind);
  return chkrsl::io::WriteWholeFile(path, w.data(), w.size());
}

bool WritePurlineChkData(const char* path, const PurlineChkData& data) {
  if (!path) return false;
  ByteWriter w(kPurlinCheckBytes);
  CheckLayout(w, data);
  return chkrsl::io::WriteWholeFile(path, w.data(), w.size());
}
