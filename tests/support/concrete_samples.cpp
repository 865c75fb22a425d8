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

template <class Sub>
void FillResults(Sub& s, SampleValues& d) {
  FillScalars(s.bFlag, d);
  FillScalars(s.dRsl, d);
  FillScalars(s.nRsl, d);
}

void Fill(DataForConcreteRecCol& s, int, SampleValues& d) {
  FillResults(s, d);
  FillList(s.listA, s.countA, 3, d);
  FillList(s.listB, s.countB, 2, d);
}
void Fill(DataForConcreteRoundCol& s, int, SampleValues& d) {
  FillResults(s, d);
  FillList(s.listA, s.countA, 3, d);
}
void Fill(DataForSpecialCol& s, int, SampleValues& d) {
  FillResults(s, d);
  FillList(s.listA, s.countA, 2, d);
  FillList(s.listB, s.countB, 3, d);
}
void Fill(DataForConcreteWall& s, int, SampleValues& d) {
  FillResults(s, d);
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
