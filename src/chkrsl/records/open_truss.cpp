#include "chkrsl/records/open_truss.h"

#include "chkrsl/io/file_io.h"
#include "chkrsl/io/source.h"
#include "chkrsl/records/field_visitor.h"

static_assert(OpenTruss::Section::kEncodedBytes == 1223, "section layout");
static_assert(OpenTruss::Member::kEncodedBytes == 6567, "member block layout");

namespace OpenTruss {

template <class IO>
void Plate::Layout(IO& io) {
  io.Fields("nPlate", nPlate, 0, 1).Fields("dPlate", dPlate, 0, 2).Fields("nPlate", nPlate, 1, 1);
  io.Fields("dPlate", dPlate, 2, 1).Fields("nPlate", nPlate, 2, 2).Fields("dPlate", dPlate, 3, 1);
  io.Fields("nPlate", nPlate, 4, 3).Fields("dPlate", dPlate, 4, 7).Field("bPlate", bPlate);
}

template <class IO>
void Section::Layout(IO& io) {
  io.Fields("bSec", bSec, 0, 1).Fields("nSec", nSec, 0, 2);
  for (int k = 0; k < kPlates; ++k) {
    io.Enter({"plate", k});
    plate[k].Layout(io);
    io.Leave();
  }
  io.Fields("dSec", dSec, 0, 5).Fields("bSec", bSec, 1, 4);
}

template <class IO>
void Force::Layout(IO& io) {
  io.Field("nForce", nForce).Fields("dForce", dForce, 0, 5);
}

template <class IO>
void Member::Layout(IO& io) {
  io.Fields("nMember", nMember, 0, 2).Enter("material").Fields("dMat", material.dMat, 0, 4).Leave();
  io.Fields("nListA", nListA, 0, 5).Fields("nListB", nListB, 0, 5);
  for (int k = 0; k < kForces; ++k) {
    io.Enter({"force", k});
    force[k].Layout(io);
    io.Leave();
  }
  for (int k = 0; k < kSections; ++k) {
    io.Enter({"section", k});
    section[k].Layout(io);
    io.Leave();
  }
  io.Fields("dMember", dMember, 0, 19);
}

}  // namespace OpenTruss

void DataForOpenTruss::WriteToCHK(std::FILE* f) {
  DataForSteelBase::WriteToCHK(f);
  chkrsl::io::ByteWriter w(kOwnBytes);
  member.Layout(w);
  chkrsl::io::WriteBytes(f, w);
}

bool DataForOpenTruss::ReadFrom(chkrsl::io::Source& in) {
  if (!DataForSteelBase::ReadFrom(in)) return false;
  chkrsl::io::FileBlock<kOwnBytes> block(in);
  chkrsl::io::ByteReader r = block.reader();
  member.Layout(r);
  return r.ok();
}

bool DataForOpenTruss::ReadRsl(std::FILE* f) { return chkrsl::io::ReadFromStream(*this, f); }

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

template void OpenTruss::Member::Layout(chkrsl::FieldNamer&);
