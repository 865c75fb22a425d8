#include "chkrsl/presentation/concrete_info.h"

#include "chkrsl/records/concrete.h"
#include "chkrsl/records/concrete_beam.h"
#include "chkrsl/records/wall.h"
#include "chkrsl/store/call.h"
#include "chkrsl/store/element_reads.h"
#include "chkrsl/store/wall_reads.h"

namespace {

using chkrsl::DblColumn;
using chkrsl::ValueAt;

constexpr double kMicro = 1e-6;
constexpr double kMilli = 0.001;
constexpr int kNotChecked = -1;

void CopyNumbers(const AcIntArray& numbers, CArray<int, int>& out) {
  out.SetSize(numbers.length());
  for (int i = 0; i < numbers.length(); ++i) out[i] = numbers[i];
}

uint8_t CheckedFlag(int checkStatus) { return checkStatus == kNotChecked ? 0 : 1; }

// The larger of a and b; b when they are equal.
double PairedMax(double a, double b) { return a > b ? a : b; }

// The sections a beam of n sections shows: first, middle and last.
struct ShownSections {
  INT_PTR first, mid, last;
};

void AtFirstMidLast(double (&out)[3], const DblColumn& values, const ShownSections& s) {
  out[0] = ValueAt(values, s.first);
  out[1] = ValueAt(values, s.mid);
  out[2] = ValueAt(values, s.last);
}

void AtFirstLastMid(double (&out)[3], const DblColumn& values, const ShownSections& s) {
  out[0] = ValueAt(values, s.first);
  out[1] = ValueAt(values, s.last);
  out[2] = ValueAt(values, s.mid);
}

void FillRoundBeam(ShowConcreteFrameStl& s, const DataForConcreteRoundBeam& b, int n) {
  if (n <= 0) return;
  const ShownSections at{0, n / 2, n - 1};
  AtFirstMidLast(s.beamAtSections, b.secDbl[4], at);
  AtFirstLastMid(s.endsOrPairedMaxima, b.secDbl[5], at);
}

void FillRecBeam(ShowConcreteFrameStl& s, const DataForConcreteRecBeam& b, int n) {
  s.extraValues[0] = b.dRsl[2];
  s.extraValues[1] = b.dRsl[3];
  if (n <= 0) return;
  const ShownSections at{0, n / 2, n - 1};
  AtFirstMidLast(s.beamAtSections, b.secDbl[4], at);
  AtFirstMidLast(s.rectBeamAtSections, b.secDbl[5], at);
  AtFirstLastMid(s.endsOrPairedMaxima, b.secDbl[6], at);
}

void FillRoundCol(ShowConcreteFrameStl& s, const DataForConcreteRoundCol& c) {
  s.columnValues[1] = c.dRsl[3];
  s.columnValues[3] = c.dRsl[7];
  s.columnValues[4] = c.dRsl[20];
  s.endsOrPairedMaxima[0] = s.endsOrPairedMaxima[1] = c.dRsl[15];
  s.endsOrPairedMaxima[2] = c.dRsl[19];
}

void FillSpecialCol(ShowConcreteFrameStl& s, const DataForSpecialCol& c) {
  const double* d = c.dRsl;
  s.columnValues[0] = d[3];
  s.columnValues[1] = d[41];
  s.columnValues[2] = d[7];
  s.columnValues[3] = 0.0;
  s.columnValues[4] = d[38];
  s.endsOrPairedMaxima[0] = s.endsOrPairedMaxima[1] = PairedMax(d[15], d[19]);
  s.endsOrPairedMaxima[2] = PairedMax(d[23], d[27]);
  s.extraValues[0] = d[32];
  s.extraValues[1] = d[31];
  s.extraColumnValues[0] = d[37];
  s.extraColumnValues[1] = d[36];
}

void FillRecCol(ShowConcreteFrameStl& s, const DataForConcreteRecCol& c) {
  const double* d = c.dRsl;
  s.columnValues[0] = d[7];
  s.columnValues[1] = d[3];
  s.columnValues[2] = d[15];
  s.columnValues[3] = d[11];
  s.columnValues[4] = d[50];
  s.columnValues[5] = d[53];
  s.endsOrPairedMaxima[0] = s.endsOrPairedMaxima[1] = PairedMax(d[27], d[31]);
  s.endsOrPairedMaxima[2] = PairedMax(d[35], d[39]);
  s.extraValues[0] = d[44];
  s.extraValues[1] = d[43];
  s.extraColumnValues[0] = d[49];
  s.extraColumnValues[1] = d[48];
}

// Fills what the record's kind calls for; the rest stays 0.
void FillMember(ShowConcreteFrameStl& s, const CHKRsl* rec) {
  const auto* r = dynamic_cast<const DataForConcreteBase*>(rec);
  if (!r) return;
  s.memberClass = IsConcreteBeam(r->memberKind) ? 1 : 2;
  const int n = r->SectionCount();
  switch (r->SubKind()) {
    case ConcreteSubKind::kRoundBeam: if (r->pRoundBeam) FillRoundBeam(s, *r->pRoundBeam, n); break;
    case ConcreteSubKind::kRecBeam: if (r->pRecBeam) FillRecBeam(s, *r->pRecBeam, n); break;
    case ConcreteSubKind::kRoundCol: if (r->pRoundCol) FillRoundCol(s, *r->pRoundCol); break;
    case ConcreteSubKind::kSpecialCol: if (r->pSpecialCol) FillSpecialCol(s, *r->pSpecialCol); break;
    case ConcreteSubKind::kRecCol: if (r->pRecCol) FillRecCol(s, *r->pRecCol); break;
    case ConcreteSubKind::kWall:
    case ConcreteSubKind::kNone: break;
  }
  s.checked = CheckedFlag(r->checkStatus);
}

void FillWall(ShowShearWallStl& s, const CHKRsl* rec) {
  const auto* r = dynamic_cast<const DataForConcreteBase*>(rec);
  if (!r) return;
  if (r->pWall) {
    s.dRsl2Scaled = r->pWall->dRsl[2] * kMicro;
    s.dRsl6Scaled = r->pWall->dRsl[6] * kMicro;
  }
  s.checked = CheckedFlag(r->checkStatus);
}

void FillEdge(ShowBoundMemStl& s, const DataForWallEdge& e) {
  const double* d = e.dRsl;
  s.flag = e.bFlag[0];
  s.code = e.nRsl[1];
  s.dRsl4Scaled = d[4] * kMilli;
  s.dRsl5Scaled = d[5] * kMilli;
  s.dRsl2Scaled = d[2] * kMilli;
  s.dRsl3Scaled = d[3] * kMilli;
  s.dRsl6Scaled = d[6] * kMilli;
  s.dRsl7Scaled = d[7] * kMilli;
  s.dRsl8Scaled = d[8] * kMilli;
  s.dRsl9Scaled = d[9] * kMilli;
  s.dRsl10Scaled = d[10] * kMilli;
  s.dRsl11 = d[11];
  s.dRsl13Scaled = d[13] * kMicro;
  s.dRsl12Scaled = d[12] * kMicro;
  s.dRsl16 = d[16];
  s.dRsl14 = d[14];
  s.dRsl15 = d[15];
}

// Each display call reads its records for itself and hands out the array
// only once it is filled; running out of memory leaves `info` as it was.
template <class Info, class Rec, class Read, class Fill>
bool ShowRecords(AcIntArray& nos, Info*& info, Read read, Fill fill) {
  return chkrsl::ReadCall([&](chkrsl::Alerts& alerts) {
    CArray<int, int> numbers;
    CopyNumbers(nos, numbers);
    chkrsl::CallRecords<Rec> records;
    if (read(records.items, numbers, alerts) != 1) return false;
    auto* shown = new Info[static_cast<size_t>(records.items.GetSize())]();
    for (INT_PTR i = 0; i < records.items.GetSize(); ++i) {
      if (records.items[i]) fill(shown[i], *records.items[i]);
    }
    info = shown;
    return true;
  });
}

}  // namespace

bool GetCTMemberChkInfo(AcIntArray& elementNos, ShowConcreteFrameStl*& info) {
  return ShowRecords<ShowConcreteFrameStl, CHKRsl>(
      elementNos, info, chkrsl::ReadElementList,
      [](ShowConcreteFrameStl& s, const CHKRsl& rec) { FillMember(s, &rec); });
}

bool GetCTWallChkInfo(AcIntArray& elementNos, ShowShearWallStl*& info) {
  return ShowRecords<ShowShearWallStl, CHKRsl>(
      elementNos, info, chkrsl::ReadWallsOf,
      [](ShowShearWallStl& s, const CHKRsl& rec) { FillWall(s, &rec); });
}

bool GetCTEdgeChkInfo(AcIntArray& edgeNos, ShowBoundMemStl*& info) {
  return ShowRecords<ShowBoundMemStl, DataForWallEdge>(edgeNos, info, chkrsl::ReadEdgesOf, FillEdge);
}

void ReleaseChkInfo(ShowConcreteFrameStl* info) { delete[] info; }
void ReleaseChkInfo(ShowShearWallStl* info) { delete[] info; }
void ReleaseChkInfo(ShowBoundMemStl* info) { delete[] info; }
