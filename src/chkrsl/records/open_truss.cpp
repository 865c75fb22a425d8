#include "chkrsl/records/open_truss.h"

#include "chkrsl/io/file_io.h"

static_assert(OpenTruss::Section::kEncodedBytes == 1223, "section layout");
static_assert(OpenTruss::Member::kEncodedBytes == 6567, "member block layout");

namespace OpenTruss {

template <class IO>
void Plate::Layout(IO& io) {
  io.Field(nPlate[0]).Fields(dPlate + 0, 2).Field(nPlate[1]).Field(dPlate[2]);
  io.Fields(nPlate + 2, 2).Field(dPlate[3]).Fields(nPlate + 4, 3).Fields(dPlate + 4, 7);
  io.Field(bPlate);
}

template <class IO>
void Section::Layout(IO& io) {
  io.Field(bSec[0]).Field(nSec[0]).Field(nSec[1]);
  for (Plate& p : plate) p.Layout(io);
  io.Fields(dSec, 5).Fields(bSec + 1, 4);
}

template <class IO>
void Force::Layout(IO& io) {
  io.Field(nForce).Fields(dForce, 5);
}

template <class IO>
void Member::Layout(IO& io) {
  io.Fields(nMember, 2).Fields(material.dMat, 4).Fields(nListA, 5).Fields(nListB, 5);
  for (Force& f : force) f.Layout(io);
  for (Section& s : section) s.Layout(io);
  io.Fields(dMember, 19);
}

}  // namespace OpenTruss

void DataForOpenTruss::WriteToCHK(std::FILE* f) {
  DataForSteelBase::WriteToCHK(f);
  chkrsl::io::ByteWriter w(kOwnBytes);
  member.Layout(w);
  chkrsl::io::WriteBytes(f, w);
}

bool DataForOpenTruss::ReadRsl(std::FILE* f) {
  if (!DataForSteelBase::ReadRsl(f)) return false;
  chkrsl::io::FileBlock<kOwnBytes> block(f);
  chkrsl::io::ByteReader r = block.reader();
  member.Layout(r);
  return r.ok();
}

bool DataForOpenTruss::IsForceDffrt(int i) {
  if (i < 1) return true;
  if (i >= OpenTruss::Member::kForces) return false;
  for (int j = 0; j < i; ++j) {
    if (member.force[j].nForce == member.force[i].nForce &&
        member.nListB[j] == member.nListB[i]) {
      return false;
    }
  }
  return true;
}

int64_t DataForOpenTruss::BodyBytes(int eleType, int secType, bool) {
  return BaseBodyBytes(eleType, secType) + static_cast<int64_t>(kOwnBytes);
}
