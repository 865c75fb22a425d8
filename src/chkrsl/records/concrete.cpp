#include "chkrsl/records/concrete.h"

#include <cstring>
#include <memory>
#include <vector>

#include "chkrsl/io/file_io.h"
#include "chkrsl/io/source.h"
#include "chkrsl/records/concrete_beam.h"
#include "chkrsl/records/field_visitor.h"
#include "chkrsl/records/list_layout.h"
#include "chkrsl/records/wall.h"

using chkrsl::IntOrder;
using chkrsl::io::ByteReader;
using chkrsl::io::ByteWriter;
using chkrsl::io::FileBlock;

namespace {

constexpr int kWallMemberKind = 10;
constexpr int kRoundSection = 24;
constexpr int kShapedSection = 28;  // rectangular beam, special-shaped column
constexpr int kRectSection = 29;

template <class Sub>
std::unique_ptr<Sub> Duplicate(const Sub* src) {
  if (!src) return nullptr;
  auto copy = std::make_unique<Sub>();
  copy->CopyData(src);
  return copy;
}

// What a copy of a record needs memory for: its sub-records and room for
// its section values, made before anything of the record it goes to
// changes. Taking them cannot fail.
struct ContentCopies {
  ContentCopies(const DataForConcreteBase& src, chkrsl::DblColumn& sectionVal)
      : recCol(Duplicate(src.pRecCol)),
        roundCol(Duplicate(src.pRoundCol)),
        recBeam(Duplicate(src.pRecBeam)),
        roundBeam(Duplicate(src.pRoundBeam)),
        wall(Duplicate(src.pWall)),
        specialCol(Duplicate(src.pSpecialCol)),
        values(chkrsl::ItemsToWrite(src.SectionCount())),
        grown(sectionVal),
        held(sectionVal.GetSize()) {
    if (values > held) sectionVal.SetSize(values);
  }
  // Gives back the room when the copy is abandoned.
  void Undo() noexcept {
    if (grown.GetSize() > held) grown.SetSize(held);
  }
  // Copies everything but the CHKRsl part.
  void TakeInto(DataForConcreteBase& dst, const DataForConcreteBase& src) noexcept {
    dst.dataLength = src.dataLength;
    dst.baseFlag = src.baseFlag;
    for (int i = 0; i < 7; ++i) dst.baseInt[i] = src.baseInt[i];
    for (int i = 0; i < 4; ++i) dst.baseDbl[i] = src.baseDbl[i];
    dst.sectionVal.SetSize(values);  // shrinks, if anything
    for (int i = 0; i < values; ++i) dst.sectionVal[i] = chkrsl::ValueAt(src.sectionVal, i);
    Swap(dst.pRecCol, recCol);
    Swap(dst.pRoundCol, roundCol);
    Swap(dst.pRecBeam, recBeam);
    Swap(dst.pRoundBeam, roundBeam);
    Swap(dst.pWall, wall);
    Swap(dst.pSpecialCol, specialCol);
    dst.checkStatus = src.checkStatus;
  }
  template <class Sub>
  static void Swap(Sub*& slot, std::unique_ptr<Sub>& copy) noexcept {
    Sub* old = slot;
    slot = copy.release();
    copy.reset(old);
  }

  std::unique_ptr<DataForConcreteRecCol> recCol;
  std::unique_ptr<DataForConcreteRoundCol> roundCol;
  std::unique_ptr<DataForConcreteRecBeam> recBeam;
  std::unique_ptr<DataForConcreteRoundBeam> roundBeam;
  std::unique_ptr<DataForConcreteWall> wall;
  std::unique_ptr<DataForSpecialCol> specialCol;
  int values;
  chkrsl::DblColumn& grown;
  INT_PTR held;
};

// Writes `sub`, or a cleared one when the record lacks it.
template <class Sub>
void WriteOrCleared(Sub* sub, ByteWriter& w) {
  if (sub) {
    sub->WriteTo(w);
  } else {
    Sub().WriteTo(w);
  }
}

// The same for beams, whose payload depends on the section count.
template <class Beam>
void WriteBeam(Beam* beam, int sections, ByteWriter& w) {
  Beam cleared;
  Beam& b = beam ? *beam : cleared;
  b.secCount = sections;
  b.WriteTo(w);
}

template <class Sub>
bool ReadNew(Sub*& slot, chkrsl::io::Source& in) {
  slot = new Sub;
  return slot->ReadFrom(in);
}

template <class Beam>
bool ReadNewBeam(Beam*& slot, int sections, chkrsl::io::Source& in) {
  slot = new Beam;
  slot->secCount = sections;
  return slot->ReadFrom(in);
}

}  // namespace

bool IsConcreteBeam(int memberKind) { return memberKind == 1 || memberKind == 5; }

ConcreteSubKind ConcreteSubKindOf(int memberKind, int secType) {
  if (IsConcreteBeam(memberKind)) {
    if (secType == kRoundSection) return ConcreteSubKind::kRoundBeam;
    if (secType == kShapedSection || secType == kRectSection) return ConcreteSubKind::kRecBeam;
    return ConcreteSubKind::kNone;
  }
  if (memberKind == kWallMemberKind) return ConcreteSubKind::kWall;
  switch (secType) {
    case kRoundSection: return ConcreteSubKind::kRoundCol;
    case kShapedSection: return ConcreteSubKind::kSpecialCol;
    case kRectSection: return ConcreteSubKind::kRecCol;
    default: return ConcreteSubKind::kNone;
  }
}

// ---- DataForConcreteBase ----

DataForConcreteBase::DataForConcreteBase() { DataForConcreteBase::clear(); }

DataForConcreteBase::DataForConcreteBase(const DataForConcreteBase& src) : CHKRsl(src) {
  ContentCopies(src, sectionVal).TakeInto(*this, src);
}

DataForConcreteBase& DataForConcreteBase::operator=(const DataForConcreteBase& src) {
  if (this == &src) return *this;
  ContentCopies copies(src, sectionVal);
  try {
    CHKRsl::operator=(src);
  } catch (...) {
    copies.Undo();
    throw;
  }
  copies.TakeInto(*this, src);
  return *this;
}

DataForConcreteBase::~DataForConcreteBase() { ReleaseSubRecords(); }

void DataForConcreteBase::ReleaseSubRecords() {
  delete pRecCol;
  delete pRoundCol;
  delete pRecBeam;
  delete pRoundBeam;
  delete pWall;
  delete pSpecialCol;
  pRecCol = nullptr;
  pRoundCol = nullptr;
  pRecBeam = nullptr;
  pRoundBeam = nullptr;
  pWall = nullptr;
  pSpecialCol = nullptr;
}

void DataForConcreteBase::clear() {
  CHKRsl::clear();
  baseFlag = 1;
  for (int& v : baseInt) v = 0;
  for (double& v : baseDbl) v = 0;
}

template <class IO>
void DataForConcreteBase::LayoutFixed(IO& io) {
  io.Fields("hdrInt", hdrInt, 0, 3).Field("memberKind", memberKind);
  io.Field("checkStatus", checkStatus).Field("baseFlag", baseFlag);
  io.Fields("baseInt", baseInt, 0, 7).Fields("baseDbl", baseDbl, 0, 4);
}

void DataForConcreteBase::WriteSubRecord(ByteWriter& w) {
  const int n = chkrsl::ItemsToWrite(SectionCount());
  switch (SubKind()) {
    case ConcreteSubKind::kRecCol: WriteOrCleared(pRecCol, w); break;
    case ConcreteSubKind::kRoundCol: WriteOrCleared(pRoundCol, w); break;
    case ConcreteSubKind::kRecBeam: WriteBeam(pRecBeam, n, w); break;
    case ConcreteSubKind::kRoundBeam: WriteBeam(pRoundBeam, n, w); break;
    case ConcreteSubKind::kWall: WriteOrCleared(pWall, w); break;
    case ConcreteSubKind::kSpecialCol: WriteOrCleared(pSpecialCol, w); break;
    case ConcreteSubKind::kNone: break;
  }
}

// The length word counts what follows it, so it is filled in once the
// sub-record is encoded.
void DataForConcreteBase::WriteToCHK(std::FILE* f) {
  const int n = chkrsl::ItemsToWrite(SectionCount());
  ByteWriter w;
  w.I32(eleNo).I32(eleType).I32(secType).I32(0);
  LayoutFixed(w);
  for (int i = 0; i < n; ++i) w.F64(chkrsl::ValueAt(sectionVal, i));
  WriteSubRecord(w);
  dataLength = static_cast<int>(w.size() - kHeaderBytes - kLengthBytes);
  w.PatchI32(kHeaderBytes, dataLength);
  chkrsl::io::WriteBytes(f, w);
}

bool DataForConcreteBase::ReadFrom(chkrsl::io::Source& in) {
  int32_t length = 0;
  if (!chkrsl::io::ReadI32(in, length)) return false;
  dataLength = length;
  const int64_t leftAtStart = in.BytesLeft();
  if (length < static_cast<int32_t>(kFixedBytes) || leftAtStart < length) return false;
  FileBlock<kFixedBytes> block(in);
  ByteReader r = block.reader();
  LayoutFixed(r);
  if (!r.ok() || !ReadSectionValues(in) || !ReadSubRecord(in)) return false;
  // Readers pass over entries by their length word; an entry whose
  // contents disagree with it cannot be trusted.
  return leftAtStart - in.BytesLeft() == length;
}

bool DataForConcreteBase::ReadRsl(std::FILE* f) { return chkrsl::io::ReadFromStream(*this, f); }

bool DataForConcreteBase::ReadSectionValues(chkrsl::io::Source& in) {
  std::vector<uint8_t> block;
  const int n = SectionCount();
  if (!chkrsl::ReadItemBlock(in, n, chkrsl::io::kDoubleBytes, block)) return false;
  sectionVal.SetSize(n);
  ByteReader r(block.data(), block.size());
  for (int i = 0; i < n; ++i) r.F64(sectionVal[i]);
  return r.ok();
}

bool DataForConcreteBase::ReadSubRecord(chkrsl::io::Source& in) {
  ReleaseSubRecords();
  switch (SubKind()) {
    case ConcreteSubKind::kRecCol: return ReadNew(pRecCol, in);
    case ConcreteSubKind::kRoundCol: return ReadNew(pRoundCol, in);
    case ConcreteSubKind::kRecBeam: return ReadNewBeam(pRecBeam, SectionCount(), in);
    case ConcreteSubKind::kRoundBeam: return ReadNewBeam(pRoundBeam, SectionCount(), in);
    case ConcreteSubKind::kWall: return ReadNew(pWall, in);
    case ConcreteSubKind::kSpecialCol: return ReadNew(pSpecialCol, in);
    case ConcreteSubKind::kNone: return true;
  }
  return true;
}

// ---- DataForConcreteRecCol ----

DataForConcreteRecCol::DataForConcreteRecCol() { clear(); }

void DataForConcreteRecCol::clear() {
  for (int i = 0; i < 10; ++i) bFlag[i] = i < 3 ? 0 : 1;
  for (double& v : dRsl) v = 0;
  for (int& v : nRsl) v = 0;
  countA = 0;
  countB = 0;
}

void DataForConcreteRecCol::CopyData(const DataForConcreteRecCol* src) {
  if (!src || src == this) return;
  for (int i = 0; i < 10; ++i) bFlag[i] = src->bFlag[i];
  for (int i = 0; i < 75; ++i) dRsl[i] = src->dRsl[i];
  for (int i = 0; i < 34; ++i) nRsl[i] = src->nRsl[i];
  countA = src->countA;
  countB = src->countB;
  chkrsl::CopyList(listA, src->listA, countA);
  chkrsl::CopyList(listB, src->listB, countB);
}

template <class IO>
void DataForConcreteRecCol::LayoutFixed(IO& io) {
  io.Fields("bFlag", bFlag, 0, 9).Fields("dRsl", dRsl, 0, 54).Fields("nRsl", nRsl, 0, 26);
  io.Fields("dRsl", dRsl, 54, 3).Fields("nRsl", nRsl, 26, 2).Fields("dRsl", dRsl, 57, 15);
  io.Fields("nRsl", nRsl, 28, 4).Fields("bFlag", bFlag, 9, 1).Fields("dRsl", dRsl, 72, 3);
  io.Fields("nRsl", nRsl, 32, 2);
}

template <class IO>
void DataForConcreteRecCol::Layout(IO& io) {
  LayoutFixed(io);
  chkrsl::LayoutCountedList(io, "countA", countA, "listA", listA, IntOrder::kSecondFirst);
  chkrsl::LayoutCountedList(io, "countB", countB, "listB", listB, IntOrder::kSecondFirst);
}

void DataForConcreteRecCol::WriteTo(ByteWriter& w) { Layout(w); }

void DataForConcreteRecCol::WriteToCHK(std::FILE* f) {
  ByteWriter w(kEmptyPayloadBytes);
  WriteTo(w);
  chkrsl::io::WriteBytes(f, w);
}

bool DataForConcreteRecCol::ReadFrom(chkrsl::io::Source& in) {
  FileBlock<kFixedBytes> block(in);
  ByteReader r = block.reader();
  LayoutFixed(r);
  return r.ok() && chkrsl::ReadCountedList(in, listA, countA, IntOrder::kSecondFirst) &&
         chkrsl::ReadCountedList(in, listB, countB, IntOrder::kSecondFirst);
}

bool DataForConcreteRecCol::ReadRsl(std::FILE* f) { return chkrsl::io::ReadFromStream(*this, f); }

// ---- DataForConcreteRoundCol ----

DataForConcreteRoundCol::DataForConcreteRoundCol() { clear(); }

void DataForConcreteRoundCol::clear() {
  for (int i = 0; i < 6; ++i) bFlag[i] = i < 2 ? 0 : 1;
  for (double& v : dRsl) v = 0;
  for (int& v : nRsl) v = 0;
  countA = 0;
  chkrsl::ZeroList(listA);
}

void DataForConcreteRoundCol::CopyData(const DataForConcreteRoundCol* src) {
  if (!src || src == this) return;
  for (int i = 0; i < 6; ++i) bFlag[i] = src->bFlag[i];
  for (int i = 0; i < 32; ++i) dRsl[i] = src->dRsl[i];
  for (int i = 0; i < 16; ++i) nRsl[i] = src->nRsl[i];
  countA = src->countA;
  chkrsl::CopyList(listA, src->listA, countA);
}

template <class IO>
void DataForConcreteRoundCol::LayoutHead(IO& io) {
  // The first copy of dRsl[23..25] is named apart so that names stay
  // unique; reading keeps the second.
  io.Fields("bFlag", bFlag, 0, 5).Fields("dRsl", dRsl, 0, 23).Fields("nRsl", nRsl, 0, 12);
  io.Fields("dRslFirstCopy", dRsl, 23, 3).Fields("nRsl", nRsl, 12, 2);
  io.Fields("dRsl", dRsl, 23, 6);
}

template <class IO>
void DataForConcreteRoundCol::LayoutTail(IO& io) {
  io.Fields("bFlag", bFlag, 5, 1).Fields("dRsl", dRsl, 29, 3).Fields("nRsl", nRsl, 14, 2);
}

template <class IO>
void DataForConcreteRoundCol::Layout(IO& io) {
  LayoutHead(io);
  chkrsl::LayoutCountedList(io, "countA", countA, "listA", listA, IntOrder::kAsDeclared);
  LayoutTail(io);
}

void DataForConcreteRoundCol::WriteTo(ByteWriter& w) { Layout(w); }

void DataForConcreteRoundCol::WriteToCHK(std::FILE* f) {
  ByteWriter w(kEmptyPayloadBytes);
  WriteTo(w);
  chkrsl::io::WriteBytes(f, w);
}

bool DataForConcreteRoundCol::ReadFrom(chkrsl::io::Source& in) {
  // Both copies of dRsl[23..25] are read into the same fields: the second
  // one is kept, and a write stores it twice.
  FileBlock<kHeadBytes> head(in);
  ByteReader r = head.reader();
  LayoutHead(r);
  if (!r.ok() || !chkrsl::ReadCountedList(in, listA, countA, IntOrder::kAsDeclared)) return false;
  FileBlock<kTailBytes> tail(in);
  ByteReader t = tail.reader();
  LayoutTail(t);
  return t.ok();
}

bool DataForConcreteRoundCol::ReadRsl(std::FILE* f) { return chkrsl::io::ReadFromStream(*this, f); }

bool DataForConcreteRoundCol::CopiesDiffer(const uint8_t* head) {
  return std::memcmp(head + kFirstCopyAt, head + kSecondCopyAt, kCopyBytes) != 0;
}

template void DataForConcreteBase::LayoutFixed(chkrsl::FieldNamer&);
template void DataForConcreteRecCol::Layout(chkrsl::FieldNamer&);
template void DataForConcreteRoundCol::Layout(chkrsl::FieldNamer&);
