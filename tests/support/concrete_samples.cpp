#include "support/concrete_samples.h"

#include <tuple>
#include <utility>

namespace chkrsl_test {
namespace {

template <class List>
void FillList(List& list, int& count, int items, Distinct& d) {
  count = items;
  chkrsl::SizeList(list, items);
  auto cols = List::Columns(list);
  for (auto* c : cols.first)
    for (int i = 0; i < items; ++i) d.Set((*c)[i]);
  for (auto* c : cols.second)
    for (int i = 0; i < items; ++i) d.Set((*c)[i]);
}

template <class Sub>
void FillSections(Sub& s, int sections, Distinct& d) {
  s.secCount = sections;
  for (auto& c : s.secDbl) {
    c.SetSize(sections);
    for (int i = 0; i < sections; ++i) d.Set(c[i]);
  }
  for (auto& c : s.secInt) {
    c.SetSize(sections);
    for (int i = 0; i < sections; ++i) d.Set(c[i]);
  }
}

// Fills the sub-record of one kind; `lists` gives the item count of each list.
template <class Sub>
Sub* NewFilled(int sections, Distinct& d, std::initializer_list<int> lists) {
  Sub* s = new Sub;
  d.Fill(s->bFlag);
  if constexpr (std::is_same_v<Sub, DataForConcreteRecBeam> ||
                std::is_same_v<Sub, DataForConcreteRoundBeam>) {
    FillSections(*s, sections, d);
  }
  if constexpr (!std::is_same_v<Sub, DataForConcreteRoundBeam>) {
    d.Fill(s->dRsl);
    d.Fill(s->nRsl);
  }
  const int* n = lists.begin();
  if constexpr (!std::is_same_v<Sub, DataForConcreteWall>) FillList(s->listA, s->countA, *n++, d);
  if constexpr (!std::is_same_v<Sub, DataForConcreteWall> &&
                !std::is_same_v<Sub, DataForConcreteRoundCol>) {
    FillList(s->listB, s->countB, *n++, d);
  }
  if constexpr (std::is_same_v<Sub, DataForConcreteRecBeam>) {
    FillList(s->listC, s->countC, *n++, d);
    FillList(s->listD, s->countD, *n++, d);
    FillList(s->listE, s->countE, *n++, d);
  }
  return s;
}

}  // namespace

std::unique_ptr<DataForConcreteBase> MakeConcrete(ConcreteSubKind kind, int eleNo, int sections,
                                                  int seed) {
  using K = ConcreteSubKind;
  static const struct {
    K kind;
    int memberKind, secType;
  } kinds[] = {{K::kRecCol, 2, 29},  {K::kRoundCol, 3, 24},  {K::kSpecialCol, 2, 28},
               {K::kRecBeam, 1, 29}, {K::kRoundBeam, 5, 24}, {K::kWall, 10, 29},
               {K::kNone, 2, 30}};
  Distinct d(seed);
  auto r = std::make_unique<DataForConcreteBase>();
  r->eleNo = eleNo;
  r->eleType = seed % 2 ? 18 : 11;
  for (const auto& k : kinds)
    if (k.kind == kind) std::tie(r->memberKind, r->secType) = std::pair(k.memberKind, k.secType);
  d.Fill(r->hdrInt);
  d.Set(r->checkStatus);
  d.Set(r->baseFlag);
  d.Fill(r->baseInt);
  r->baseInt[2] = sections;
  d.Fill(r->baseDbl);
  r->sectionVal.SetSize(sections);
  for (int i = 0; i < sections; ++i) d.Set(r->sectionVal[i]);
  switch (kind) {
    case K::kRecCol: r->pRecCol = NewFilled<DataForConcreteRecCol>(sections, d, {3, 2}); break;
    case K::kRoundCol: r->pRoundCol = NewFilled<DataForConcreteRoundCol>(sections, d, {3}); break;
    case K::kSpecialCol: r->pSpecialCol = NewFilled<DataForSpecialCol>(sections, d, {2, 3}); break;
    case K::kRecBeam: r->pRecBeam = NewFilled<DataForConcreteRecBeam>(sections, d, {2, 3, 1, 4, 2}); break;
    case K::kRoundBeam: r->pRoundBeam = NewFilled<DataForConcreteRoundBeam>(sections, d, {3, 2}); break;
    case K::kWall: r->pWall = NewFilled<DataForConcreteWall>(sections, d, {}); break;
    case K::kNone: break;
  }
  return r;
}

Bytes WallList(const std::vector<int>& wallNos, int edgeCount) {
  chkrsl::io::ByteWriter w;
  w.I32(static_cast<int32_t>(wallNos.size())).I32s(wallNos.data(), wallNos.size()).I32(edgeCount);
  return w.bytes();
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
