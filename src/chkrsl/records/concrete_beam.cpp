#include "chkrsl/records/concrete_beam.h"

#include <type_traits>
#include <vector>

#include "chkrsl/io/file_io.h"
#include "chkrsl/io/source.h"
#include "chkrsl/records/field_visitor.h"
#include "chkrsl/records/list_layout.h"

using chkrsl::DblColumn;
using chkrsl::IntColumn;
using chkrsl::IntOrder;
using chkrsl::ValueAt;
using chkrsl::io::ByteReader;
using chkrsl::io::ByteWriter;
using chkrsl::io::FileBlock;

namespace {

// A run of per-section columns, taken in order for each section.
template <class T>
struct SectionRun {
  CArray<T, T>* first;
  int count;
};

template <class T, size_t N>
void SizeColumns(CArray<T, T> (&columns)[N], INT_PTR n) {
  for (auto& c : columns) c.SetSize(n);
}

template <class T, size_t N>
void ZeroColumns(CArray<T, T> (&columns)[N]) {
  for (auto& c : columns)
    for (INT_PTR i = 0; i < c.GetSize(); ++i) c[i] = 0;
}

template <class T, size_t N>
void CopyColumns(CArray<T, T> (&dst)[N], const CArray<T, T> (&src)[N], INT_PTR n) {
  for (size_t k = 0; k < N; ++k) {
    dst[k].SetSize(n);
    for (INT_PTR i = 0; i < n; ++i) dst[k][i] = ValueAt(src[k], i);
  }
}

template <class T>
void ReadRun(ByteReader& r, const SectionRun<T>& run, INT_PTR i) {
  for (int k = 0; k < run.count; ++k) {
    if constexpr (std::is_same_v<T, double>) {
      r.F64(run.first[k][i]);
    } else {
      r.I32(run.first[k][i]);
    }
  }
}

// The per-section block: for each section the values of three runs of
// columns (doubles, integers, doubles).
struct SectionBlock {
  SectionRun<double> head;
  SectionRun<int> ints;
  SectionRun<double> tail;
  int64_t SectionBytes() const {
    return (head.count + tail.count) * 8 + ints.count * 4;
  }

  // The columns are sized to `sections` already.
  bool Read(chkrsl::io::Source& in, int sections) const {
    std::vector<uint8_t> bytes;
    if (!chkrsl::ReadItemBlock(in, sections, SectionBytes(), bytes)) return false;
    ByteReader r(bytes.data(), bytes.size());
    for (INT_PTR i = 0; i < sections; ++i) {
      ReadRun(r, head, i);
      ReadRun(r, ints, i);
      ReadRun(r, tail, i);
    }
    return r.ok();
  }
};

// Whether the rest of the file can hold `sections` sections.
bool SectionsFit(chkrsl::io::Source& in, int sections, size_t sectionBytes) {
  return chkrsl::io::CountFits(in, sections, static_cast<int64_t>(sectionBytes));
}

}  // namespace

// ---- DataForConcreteRecBeam ----

DataForConcreteRecBeam::DataForConcreteRecBeam() { clear(); }

void DataForConcreteRecBeam::clear() {
  for (int i = 0; i < 7; ++i) bFlag[i] = i == 0 ? 0 : 1;
  for (double& v : dRsl) v = 0;
  for (int& v : nRsl) v = 0;
  countA = countB = countC = countD = countE = 0;
}

void DataForConcreteRecBeam::SizeSections(INT_PTR n) {
  SizeColumns(secDbl, n);
  SizeColumns(secInt, n);
}

void DataForConcreteRecBeam::CopyData(const DataForConcreteRecBeam* src) {
  if (!src || src == this) return;
  secCount = src->secCount;
  for (int i = 0; i < 7; ++i) bFlag[i] = src->bFlag[i];
  for (int i = 0; i < 5; ++i) dRsl[i] = src->dRsl[i];
  for (int i = 0; i < 2; ++i) nRsl[i] = src->nRsl[i];
  const INT_PTR n = chkrsl::ItemsToWrite(secCount);
  CopyColumns(secDbl, src->secDbl, n);
  CopyColumns(secInt, src->secInt, n);
  countA = src->countA;
  countB = src->countB;
  countC = src->countC;
  countD = src->countD;
  countE = src->countE;
  chkrsl::CopyList(listA, src->listA, countA);
  chkrsl::CopyList(listB, src->listB, countB);
  chkrsl::CopyList(listC, src->listC, countC);
  chkrsl::CopyList(listD, src->listD, countD);
  chkrsl::CopyList(listE, src->listE, countE);
}

template <class IO>
void DataForConcreteRecBeam::LayoutMiddle(IO& io) {
  io.Fields("dRsl", dRsl, 0, 4).Fields("nRsl", nRsl, 0, 2).Field("countA", countA);
}

template <class IO>
void DataForConcreteRecBeam::Layout(IO& io, int sections) {
  io.Fields("bFlag", bFlag, 0, 7);
  chkrsl::LayoutSections(io, sections, {"secDbl", secDbl, 0, 4}, {"secInt", secInt, 0, 6},
                         {"secDbl", secDbl, 4, 6});
  const int32_t itemsA = chkrsl::ItemsToWrite(countA);
  io.Fields("dRsl", dRsl, 0, 4).Fields("nRsl", nRsl, 0, 2).Field("countA", itemsA);
  // dRsl[4] is stored only beside a list A that has items.
  if (countA > 0) io.Fields("dRsl", dRsl, 4, 1);
  chkrsl::LayoutListItems(io, "listA", listA, countA, IntOrder::kAsDeclared);
  chkrsl::LayoutCountedList(io, "countB", countB, "listB", listB, IntOrder::kSecondFirst);
  chkrsl::LayoutCountedList(io, "countC", countC, "listC", listC, IntOrder::kSecondFirst);
  chkrsl::LayoutCountedList(io, "countD", countD, "listD", listD, IntOrder::kSecondFirst);
  chkrsl::LayoutCountedList(io, "countE", countE, "listE", listE, IntOrder::kSecondFirst);
}

void DataForConcreteRecBeam::WriteTo(ByteWriter& w) { Layout(w, chkrsl::ItemsToWrite(secCount)); }

void DataForConcreteRecBeam::WriteToCHK(std::FILE* f) {
  ByteWriter w(kEmptyPayloadBytes);
  WriteTo(w);
  chkrsl::io::WriteBytes(f, w);
}

bool DataForConcreteRecBeam::ReadFrom(chkrsl::io::Source& in) {
  FileBlock<kFlagBytes> flags(in);
  ByteReader fr = flags.reader();
  fr.U8s(bFlag, 7);
  if (!fr.ok() || !SectionsFit(in, secCount, kSectionBytes)) return false;
  SizeSections(secCount);
  const SectionBlock sections{{secDbl, 4}, {secInt, 6}, {secDbl + 4, 6}};
  if (!sections.Read(in, secCount)) return false;

  FileBlock<kMiddleBytes> middle(in);
  ByteReader mr = middle.reader();
  int a = 0;
  mr.F64s(dRsl, 4).I32s(nRsl, 2).I32(a);
  if (!mr.ok() || a < 0) return false;
  if (a != 0) {
    FileBlock<chkrsl::io::kDoubleBytes> extra(in);
    ByteReader er = extra.reader();
    er.F64(dRsl[4]);
    if (!er.ok()) return false;
  }
  if (!chkrsl::ReadListItems(in, listA, a, IntOrder::kAsDeclared)) return false;
  countA = a;
  return chkrsl::ReadCountedList(in, listB, countB, IntOrder::kSecondFirst) &&
         chkrsl::ReadCountedList(in, listC, countC, IntOrder::kSecondFirst) &&
         chkrsl::ReadCountedList(in, listD, countD, IntOrder::kSecondFirst) &&
         chkrsl::ReadCountedList(in, listE, countE, IntOrder::kSecondFirst);
}

bool DataForConcreteRecBeam::ReadRsl(std::FILE* f) { return chkrsl::io::ReadFromStream(*this, f); }

// ---- DataForConcreteRoundBeam ----

DataForConcreteRoundBeam::DataForConcreteRoundBeam() { clear(); }

void DataForConcreteRoundBeam::clear() {
  for (int i = 0; i < 5; ++i) bFlag[i] = i < 2 ? 0 : 1;
  ZeroColumns(secDbl);
  ZeroColumns(secInt);
  countA = countB = 0;
  chkrsl::SizeList(listA, 0);
  chkrsl::SizeList(listB, 0);
}

void DataForConcreteRoundBeam::SizeSections(INT_PTR n) {
  SizeColumns(secDbl, n);
  SizeColumns(secInt, n);
}

void DataForConcreteRoundBeam::CopyData(const DataForConcreteRoundBeam* src) {
  if (!src || src == this) return;
  secCount = src->secCount;
  for (int i = 0; i < 5; ++i) bFlag[i] = src->bFlag[i];
  const INT_PTR n = chkrsl::ItemsToWrite(secCount);
  CopyColumns(secDbl, src->secDbl, n);
  CopyColumns(secInt, src->secInt, n);
  countA = src->countA;
  countB = src->countB;
  chkrsl::CopyList(listA, src->listA, countA);
  chkrsl::CopyList(listB, src->listB, countB);
}

template <class IO>
void DataForConcreteRoundBeam::Layout(IO& io, int sections) {
  io.Fields("bFlag", bFlag, 0, 5);
  chkrsl::LayoutSections(io, sections, {"secDbl", secDbl, 0, 4}, {"secInt", secInt, 0, 4},
                         {"secDbl", secDbl, 4, 4});
  chkrsl::LayoutCountedList(io, "countA", countA, "listA", listA, IntOrder::kAsDeclared);
  chkrsl::LayoutCountedList(io, "countB", countB, "listB", listB, IntOrder::kAsDeclared);
}

void DataForConcreteRoundBeam::WriteTo(ByteWriter& w) { Layout(w, chkrsl::ItemsToWrite(secCount)); }

void DataForConcreteRoundBeam::WriteToCHK(std::FILE* f) {
  ByteWriter w(kEmptyPayloadBytes);
  WriteTo(w);
  chkrsl::io::WriteBytes(f, w);
}

bool DataForConcreteRoundBeam::ReadFrom(chkrsl::io::Source& in) {
  FileBlock<kFlagBytes> flags(in);
  ByteReader fr = flags.reader();
  fr.U8s(bFlag, 5);
  if (!fr.ok() || !SectionsFit(in, secCount, kSectionBytes)) return false;
  SizeSections(secCount);
  const SectionBlock sections{{secDbl, 4}, {secInt, 4}, {secDbl + 4, 4}};
  return sections.Read(in, secCount) &&
         chkrsl::ReadCountedList(in, listA, countA, IntOrder::kAsDeclared) &&
         chkrsl::ReadCountedList(in, listB, countB, IntOrder::kAsDeclared);
}

bool DataForConcreteRoundBeam::ReadRsl(std::FILE* f) { return chkrsl::io::ReadFromStream(*this, f); }

template void DataForConcreteRecBeam::Layout(chkrsl::FieldNamer&, int);
template void DataForConcreteRoundBeam::Layout(chkrsl::FieldNamer&, int);
