// The concrete part of the example: beams and columns in "CHKCT", shear
// walls in "CHKCW" with their list "CHKWT", and wall edges in "Edge".
#include <cstdio>
#include <functional>
#include <string>
#include <type_traits>
#include <vector>

#include "chkrsl/internal.h"
#include "example_project.h"

namespace example {
namespace {

constexpr int kConcreteKind = 11;  // structure kind of "CHKCT"

// Deterministic values that differ from field to field.
class Values {
 public:
  explicit Values(int seed) : next_(seed * 1000) {}
  double Dbl() { return (++next_) / 8.0; }
  int Int() { return ++next_ % 997; }
  uint8_t Flag() { return static_cast<uint8_t>(++next_ % 2); }

  template <class T, size_t N>
  void Fill(T (&values)[N]) {
    for (T& v : values) {
      if constexpr (std::is_same_v<T, double>) {
        v = Dbl();
      } else if constexpr (std::is_same_v<T, uint8_t>) {
        v = Flag();
      } else {
        v = Int();
      }
    }
  }

  template <class List>
  void FillList(List& list, int& count, int items) {
    count = items;
    chkrsl::SizeList(list, items);
    auto cols = List::Columns(list);
    for (auto* c : cols.first)
      for (int i = 0; i < items; ++i) (*c)[i] = Dbl();
    for (auto* c : cols.second)
      for (int i = 0; i < items; ++i) (*c)[i] = Int();
  }

  template <class T, size_t N>
  void FillSections(CArray<T, T> (&columns)[N], int sections) {
    for (auto& c : columns) {
      c.SetSize(sections);
      for (int i = 0; i < sections; ++i) c[i] = std::is_same_v<T, double> ? T(Dbl()) : T(Int());
    }
  }

 private:
  int next_;
};

DataForConcreteBase* MakeMember(int eleNo, int eleType, int memberKind, int secType,
                                int sections, Values& v) {
  auto* rec = new DataForConcreteBase;
  rec->eleNo = eleNo;
  rec->eleType = eleType;
  rec->memberKind = memberKind;
  rec->secType = secType;
  v.Fill(rec->hdrInt);
  rec->checkStatus = eleNo % 4 == 0 ? -1 : 1;
  v.Fill(rec->baseInt);
  rec->baseInt[2] = sections;
  v.Fill(rec->baseDbl);
  rec->sectionVal.SetSize(sections);
  for (int i = 0; i < sections; ++i) rec->sectionVal[i] = i / (sections > 1 ? sections - 1.0 : 1.0);
  return rec;
}

DataForConcreteBase* RectBeam(int eleNo, int sections) {
  Values v(eleNo);
  DataForConcreteBase* rec = MakeMember(eleNo, 11, 1, 29, sections, v);
  auto* b = rec->pRecBeam = new DataForConcreteRecBeam;
  b->secCount = sections;
  v.Fill(b->bFlag);
  v.FillSections(b->secDbl, sections);
  v.FillSections(b->secInt, sections);
  v.Fill(b->dRsl);
  v.Fill(b->nRsl);
  v.FillList(b->listA, b->countA, 2);
  v.FillList(b->listB, b->countB, 1);
  v.FillList(b->listC, b->countC, 2);
  v.FillList(b->listD, b->countD, 3);
  v.FillList(b->listE, b->countE, 0);
  return rec;
}

DataForConcreteBase* RoundBeam(int eleNo, int sections) {
  Values v(eleNo);
  DataForConcreteBase* rec = MakeMember(eleNo, 18, 5, 24, sections, v);
  auto* b = rec->pRoundBeam = new DataForConcreteRoundBeam;
  b->secCount = sections;
  v.Fill(b->bFlag);
  v.FillSections(b->secDbl, sections);
  v.FillSections(b->secInt, sections);
  v.FillList(b->listA, b->countA, 2);
  v.FillList(b->listB, b->countB, 1);
  return rec;
}

DataForConcreteBase* RectColumn(int eleNo) {
  Values v(eleNo);
  DataForConcreteBase* rec = MakeMember(eleNo, 11, 2, 29, 2, v);
  auto* c = rec->pRecCol = new DataForConcreteRecCol;
  v.Fill(c->bFlag);
  v.Fill(c->dRsl);
  v.Fill(c->nRsl);
  v.FillList(c->listA, c->countA, 2);
  v.FillList(c->listB, c->countB, 1);
  return rec;
}

DataForConcreteBase* RoundColumn(int eleNo) {
  Values v(eleNo);
  DataForConcreteBase* rec = MakeMember(eleNo, 18, 2, 24, 2, v);
  auto* c = rec->pRoundCol = new DataForConcreteRoundCol;
  v.Fill(c->bFlag);
  v.Fill(c->dRsl);
  v.Fill(c->nRsl);
  v.FillList(c->listA, c->countA, 3);
  return rec;
}

DataForConcreteBase* SpecialColumn(int eleNo) {
  Values v(eleNo);
  DataForConcreteBase* rec = MakeMember(eleNo, 11, 2, 28, 1, v);
  auto* c = rec->pSpecialCol = new DataForSpecialCol;
  v.Fill(c->bFlag);
  v.Fill(c->dRsl);
  v.Fill(c->nRsl);
  v.FillList(c->listA, c->countA, 1);
  v.FillList(c->listB, c->countB, 2);
  return rec;
}

DataForConcreteBase* Wall(int eleNo) {
  Values v(eleNo);
  DataForConcreteBase* rec = MakeMember(eleNo, 11, 10, 29, 2, v);
  rec->pWall = new DataForConcreteWall;
  v.Fill(rec->pWall->bFlag);
  v.Fill(rec->pWall->dRsl);
  v.Fill(rec->pWall->nRsl);
  rec->pWall->dRsl[2] = 1.5e6 * eleNo;  // shown scaled by 1e-6
  return rec;
}

bool WriteProjectFile(const std::string& ext, const chkrsl::io::ByteWriter& bytes) {
  const std::string path = chkrsl::host::ProjectFilePath(ext);
  std::FILE* f = path.empty() ? nullptr : std::fopen(path.c_str(), "wb");
  if (!f) return false;
  const bool ok = chkrsl::io::WriteBytes(f, bytes);
  return std::fclose(f) == 0 && ok;
}

const int kWallNos[] = {21, 23, 25};
constexpr int kEdgeCount = 4;

bool WriteWalls() {
  std::vector<DataForConcreteBase*> walls;
  for (int no : kWallNos) walls.push_back(Wall(no));
  const std::string path = chkrsl::host::ProjectFilePath("CHKCW");
  std::FILE* f = path.empty() ? nullptr : std::fopen(path.c_str(), "wb");
  bool ok = f != nullptr;
  if (f) {
    chkrsl::io::ByteWriter count;
    count.I32(static_cast<int32_t>(walls.size()));
    ok = chkrsl::io::WriteBytes(f, count);
    for (DataForConcreteBase* w : walls) w->WriteToCHK(f);
    ok = std::ferror(f) == 0 && std::fclose(f) == 0 && ok;
  }
  for (DataForConcreteBase* w : walls) delete w;
  return ok;
}

bool WriteWallList() {
  chkrsl::io::ByteWriter w;
  w.I32(static_cast<int32_t>(std::size(kWallNos)));
  for (int no : kWallNos) w.I32(no);
  w.I32(kEdgeCount);
  return WriteProjectFile("CHKWT", w);
}

bool WriteEdges() {
  chkrsl::io::ByteWriter w;
  w.I32(kEdgeCount);
  for (int no = 1; no <= kEdgeCount; ++no) {
    Values v(100 + no);
    DataForWallEdge edge;
    v.Fill(edge.dRsl);
    for (int k = 2; k <= 10; ++k) edge.dRsl[k] = 250.0 * (k + no);  // shown scaled by 0.001
    edge.bFlag[0] = static_cast<uint8_t>(190 + no);
    v.Fill(edge.nRsl);
    edge.edgeNo = no;
    w.I32(edge.edgeNo);
    edge.Layout(w);
  }
  return WriteProjectFile("Edge", w);
}

}  // namespace

void AddConcreteExample(ExampleProject& project) {
  project.Add(kConcreteKind, "CHKCT", RectBeam(11, 5));
  project.Add(kConcreteKind, "CHKCT", RoundBeam(12, 3));
  project.Add(kConcreteKind, "CHKCT", RectColumn(13));
  project.Add(kConcreteKind, "CHKCT", RoundColumn(14));
  project.Add(kConcreteKind, "CHKCT", SpecialColumn(15));
  project.Add(kConcreteKind, "CHKCT", RectBeam(16, 0));  // a beam without sections
}

bool WriteWallExample() { return WriteWalls() && WriteWallList() && WriteEdges(); }

}  // namespace example
