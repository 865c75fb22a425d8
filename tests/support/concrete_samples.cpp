#include "support/concrete_samples.h"

namespace chkrsl_test {
namespace {

template <class T, size_t N>
void FillScalars(T (&values)[N], SampleValues& d) {
  for (T& v : values) {
    if constexpr (std::is_same_v<T, double>) {
      v = d.Dbl();
    } else if constexpr (std::is_same_v<T, uint8_t>) {
      v = d.Flag();
    } else {
      v = d.Int();
    }
  }
}

template <class List>
void FillList(List& list, int& count, int items, SampleValues& d) {
  count = items;
  chkrsl::SizeList(list, items);
  auto cols = List::Columns(list);
  for (auto* c : cols.first)
    for (int i = 0; i < items; ++i) (*c)[i] = d.Dbl();
  for (auto* c : cols.second)
    for (int i = 0; i < items; ++i) (*c)[i] = d.Int();
}

template <class T, size_t N>
void FillSections(CArray<T, T> (&columns)[N], int sections, SampleValues& d) {
  for (auto& c : columns) {
    c.SetSize(sections);
    for (int i = 0; i < sections; ++i) {
      if constexpr (std::is_same_v<T, double>) {
        c[i] = d.Dbl();
      } else {
        c[i] = d.Int();
      }
    }
  }
}

void Fill(DataForConcreteRecCol& s, int, SampleValues& d) {
  FillScalars(s.bFlag, d);
  FillScalars(s.dRsl, d);
  FillScalars(s.nRsl, d);
  FillList(s.listA, s.countA, 3, d);
  FillList(s.listB, s.countB, 2, d);
}
void Fill(DataForConcreteRoundCol& s, int, SampleValues& d) {
  FillScalars(s.bFlag, d);
  FillScalars(s.dRsl, d);
  FillScalars(s.nRsl, d);
  FillList(s.listA, s.countA, 3, d);
}
void Fill(DataForSpecialCol& s, int, SampleValues& d) {
  FillScalars(s.bFlag, d);
  FillScalars(s.dRsl, d);
  FillScalars(s.nRsl, d);
  FillList(s.listA, s.countA, 2, d);
  FillList(s.listB, s.countB, 3, d);
}
void Fill(DataForConcreteWall& s, int, SampleValues& d) {
  FillScalars(s.bFlag, d);
  FillScalars(s.dRsl, d);
  FillScalars(s.nRsl, d);
}
void Fill(DataForConcreteRecBeam& s, int sections, SampleValues& d) {
  s.secCount = sections;
  FillScalars(s.bFlag, d);
  FillSections(s.secDbl, sections, d);
  FillSections(s.secInt, sections, d);
  FillScalars(s.dRsl, d);
  FillScalars(s.nRsl, d);
  FillList(s.listA, s.countA, 2, d);
  FillList(s.listB, s.countB, 3, d);
  FillList(s.listC, s.countC, 1, d);
  FillList(s.listD, s.countD, 4, d);
  FillList(s.listE, s.countE, 2, d);
}
void Fill(DataForConcreteRoundBeam& s, int sections, SampleValues& d) {
  s.secCount = sections;
  FillScalars(s.bFlag, d);
  FillSections(s.secDbl, sections, d);
  FillSections(s.secInt, sections, d);
  FillList(s.listA, s.countA, 3, d);
  FillList(s.listB, s.countB, 2, d);
}

template <class Sub>
Sub* NewFilled(int sections, SampleValues& d) {
  Sub* s = new Sub;
  Fill(*s, sections, d);
  return s;
}

template <class T, size_t N>
void ExpectSameArray(const T (&a)[N], const T (&b)[N], const char* what) {
  for (size_t i = 0; i < N; ++i) EXPECT_EQ(a[i], b[i]) << what << "[" << i << "]";
}

template <class T>
void ExpectSameColumn(const CArray<T, T>& a, const CArray<T, T>& b, const char* what) {
  ASSERT_EQ(a.GetSize(), b.GetSize()) << what;
  for (INT_PTR i = 0; i < a.GetSize(); ++i) EXPECT_EQ(a[i], b[i]) << what << "[" << i << "]";
}

template <class List>
void ExpectSameList(const List& a, const List& b, const char* what) {
  auto ca = List::Columns(a);
  auto cb = List::Columns(b);
  for (size_t k = 0; k < ca.first.size(); ++k) ExpectSameColumn(*ca.first[k], *cb.first[k], what);
  for (size_t k = 0; k < ca.second.size(); ++k) ExpectSameColumn(*ca.second[k], *cb.second[k], what);
}

template <class T, size_t N>
void ExpectSameSections(const CArray<T, T> (&a)[N], const CArray<T, T> (&b)[N]) {
  for (size_t k = 0; k < N; ++k) ExpectSameColumn(a[k], b[k], "section column");
}

void ExpectSame(const DataForConcreteRecCol& a, const DataForConcreteRecCol& b) {
  ExpectSameArray(a.bFlag, b.bFlag, "bFlag");
  ExpectSameArray(a.dRsl, b.dRsl, "dRsl");
  ExpectSameArray(a.nRsl, b.nRsl, "nRsl");
  EXPECT_EQ(a.countA, b.countA);
  EXPECT_EQ(a.countB, b.countB);
  ExpectSameList(a.listA, b.listA, "listA");
  ExpectSameList(a.listB, b.listB, "listB");
}
void ExpectSame(const DataForConcreteRoundCol& a, const DataForConcreteRoundCol& b) {
  ExpectSameArray(a.bFlag, b.bFlag, "bFlag");
  ExpectSameArray(a.dRsl, b.dRsl, "dRsl");
  ExpectSameArray(a.nRsl, b.nRsl, "nRsl");
  EXPECT_EQ(a.countA, b.countA);
  ExpectSameList(a.listA, b.listA, "listA");
}
void ExpectSame(const DataForSpecialCol& a, const DataForSpecialCol& b) {
  ExpectSameArray(a.bFlag, b.bFlag, "bFlag");
  ExpectSameArray(a.dRsl, b.dRsl, "dRsl");
  ExpectSameArray(a.nRsl, b.nRsl, "nRsl");
  EXPECT_EQ(a.countA, b.countA);
  EXPECT_EQ(a.countB, b.countB);
  ExpectSameList(a.listA, b.listA, "listA");
  ExpectSameList(a.listB, b.listB, "listB");
}
void ExpectSame(const DataForConcreteWall& a, const DataForConcreteWall& b) {
  ExpectSameArray(a.bFlag, b.bFlag, "bFlag");
  ExpectSameArray(a.dRsl, b.dRsl, "dRsl");
  ExpectSameArray(a.nRsl, b.nRsl, "nRsl");
}
void ExpectSame(const DataForConcreteRecBeam& a, const DataForConcreteRecBeam& b) {
  EXPECT_EQ(a.secCount, b.secCount);
  ExpectSameArray(a.bFlag, b.bFlag, "bFlag");
  ExpectSameSections(a.secDbl, b.secDbl);
  ExpectSameSections(a.secInt, b.secInt);
  ExpectSameArray(a.dRsl, b.dRsl, "dRsl");
  ExpectSameArray(a.nRsl, b.nRsl, "nRsl");
  EXPECT_EQ(a.countA, b.countA);
  EXPECT_EQ(a.countB, b.countB);
  EXPECT_EQ(a.countC, b.countC);
  EXPECT_EQ(a.countD, b.countD);
  EXPECT_EQ(a.countE, b.countE);
  ExpectSameList(a.listA, b.listA, "listA");
  ExpectSameList(a.listB, b.listB, "listB");
  ExpectSameList(a.listC, b.listC, "listC");
  ExpectSameList(a.listD, b.listD, "listD");
  ExpectSameList(a.listE, b.listE, "listE");
}
void ExpectSame(const DataForConcreteRoundBeam& a, const DataForConcreteRoundBeam& b) {
  EXPECT_EQ(a.secCount, b.secCount);
  ExpectSameArray(a.bFlag, b.bFlag, "bFlag");
  ExpectSameSections(a.secDbl, b.secDbl);
  ExpectSameSections(a.secInt, b.secInt);
  EXPECT_EQ(a.countA, b.countA);
  EXPECT_EQ(a.countB, b.countB);
  ExpectSameList(a.listA, b.listA, "listA");
  ExpectSameList(a.listB, b.listB, "listB");
}

template <class Sub>
void ExpectSameSub(const Sub* a, const Sub* b, const char* what) {
  ASSERT_EQ(a == nullptr, b == nullptr) << what;
  if (a) ExpectSame(*a, *b);
}

}  // namespace

void KindAndSection(ConcreteSubKind kind, int& memberKind, int& secType) {
  switch (kind) {
    case ConcreteSubKind::kRecCol: memberKind = 2; secType = 29; break;
    case ConcreteSubKind::kRoundCol: memberKind = 3; secType = 24; break;
    case ConcreteSubKind::kSpecialCol: memberKind = 2; secType = 28; break;
    case ConcreteSubKind::kRecBeam: memberKind = 1; secType = 29; break;
    case ConcreteSubKind::kRoundBeam: memberKind = 5; secType = 24; break;
    case ConcreteSubKind::kWall: memberKind = 10; secType = 29; break;
    case ConcreteSubKind::kNone: memberKind = 2; secType = 30; break;
  }
}

std::unique_ptr<DataForConcreteBase> MakeConcrete(ConcreteSubKind kind, int eleNo, int sections,
                                                  int seed) {
  SampleValues d(seed);
  auto r = std::make_unique<DataForConcreteBase>();
  r->eleNo = eleNo;
  r->eleType = seed % 2 ? 18 : 11;
  KindAndSection(kind, r->memberKind, r->secType);
  FillScalars(r->hdrInt, d);
  r->checkStatus = d.Int();
  r->baseFlag = d.Flag();
  FillScalars(r->baseInt, d);
  r->baseInt[2] = sections;
  FillScalars(r->baseDbl, d);
  r->sectionVal.SetSize(sections);
  for (int i = 0; i < sections; ++i) r->sectionVal[i] = d.Dbl();
  switch (kind) {
    case ConcreteSubKind::kRecCol: r->pRecCol = NewFilled<DataForConcreteRecCol>(sections, d); break;
    case ConcreteSubKind::kRoundCol: r->pRoundCol = NewFilled<DataForConcreteRoundCol>(sections, d); break;
    case ConcreteSubKind::kSpecialCol: r->pSpecialCol = NewFilled<DataForSpecialCol>(sections, d); break;
    case ConcreteSubKind::kRecBeam: r->pRecBeam = NewFilled<DataForConcreteRecBeam>(sections, d); break;
    case ConcreteSubKind::kRoundBeam: r->pRoundBeam = NewFilled<DataForConcreteRoundBeam>(sections, d); break;
    case ConcreteSubKind::kWall: r->pWall = NewFilled<DataForConcreteWall>(sections, d); break;
    case ConcreteSubKind::kNone: break;
  }
  return r;
}

void FillDistinct(DataForWallEdge& edge, int seed) {
  SampleValues d(seed);
  FillScalars(edge.dRsl, d);
  FillScalars(edge.bFlag, d);
  FillScalars(edge.nRsl, d);
}

void ExpectSameConcrete(const DataForConcreteBase& a, const DataForConcreteBase& b) {
  EXPECT_EQ(a.eleNo, b.eleNo);
  EXPECT_EQ(a.eleType, b.eleType);
  EXPECT_EQ(a.secType, b.secType);
  ExpectSameArray(a.hdrInt, b.hdrInt, "hdrInt");
  EXPECT_EQ(a.memberKind, b.memberKind);
  EXPECT_EQ(a.checkStatus, b.checkStatus);
  EXPECT_EQ(a.dataLength, b.dataLength);
  EXPECT_EQ(a.baseFlag, b.baseFlag);
  ExpectSameArray(a.baseInt, b.baseInt, "baseInt");
  ExpectSameArray(a.baseDbl, b.baseDbl, "baseDbl");
  ExpectSameColumn(a.sectionVal, b.sectionVal, "sectionVal");
  ExpectSameSub(a.pRecCol, b.pRecCol, "pRecCol");
  ExpectSameSub(a.pRoundCol, b.pRoundCol, "pRoundCol");
  ExpectSameSub(a.pRecBeam, b.pRecBeam, "pRecBeam");
  ExpectSameSub(a.pRoundBeam, b.pRoundBeam, "pRoundBeam");
  ExpectSameSub(a.pWall, b.pWall, "pWall");
  ExpectSameSub(a.pSpecialCol, b.pSpecialCol, "pSpecialCol");
}

Bytes ResultFileOf(const std::vector<DataForConcreteBase*>& recs) {
  return CaptureWrites([&](std::FILE* f) {
    uint8_t count[4];
    chkrsl::io::EncodeFixed32(count, static_cast<int32_t>(recs.size()));
    std::fwrite(count, 1, 4, f);
    for (DataForConcreteBase* r : recs) r->WriteToCHK(f);
  });
}

Bytes ElementTable(const std::vector<int>& eleNos, int kind) {
  Bytes b;
  PutI32(b, static_cast<int32_t>(eleNos.size()));
  for (int e : eleNos) {
    PutI32(b, e);
    PutI32(b, kind);
  }
  return b;
}

Bytes WallList(const std::vector<int>& wallNos, int edgeCount) {
  Bytes b;
  PutI32(b, static_cast<int32_t>(wallNos.size()));
  for (int w : wallNos) PutI32(b, w);
  PutI32(b, edgeCount);
  return b;
}

Bytes EdgeFile(const std::vector<DataForWallEdge*>& edges) {
  chkrsl::io::ByteWriter w;
  w.I32(static_cast<int32_t>(edges.size()));
  for (DataForWallEdge* e : edges) {
    w.I32(e->edgeNo);
    e->Layout(w);
  }
  return w.bytes();
}

}  // namespace chkrsl_test
