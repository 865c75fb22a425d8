// Open pipe-truss members (element type code 9): a steel record whose own
// part is one fixed-size aggregate of sections, plates, forces and material
// values. Every array has a fixed capacity; the member block is always
// written whole, used or not.
#pragma once

#include "chkrsl/export.h"
#include "chkrsl/io/source.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "chkrsl/records/steel.h"

namespace OpenTruss {

// Not embedded in any record; kept as a plain value for the suite's modules.
struct Node {
  int nNode[2] = {};
  double dNode[3] = {};
};

struct Plate {
  static constexpr size_t kEncodedBytes = 117;
  int nPlate[7] = {};
  double dPlate[11] = {};
  unsigned char bPlate = 0;

  template <class IO>
  void Layout(IO& io);
};

struct Section {
  static constexpr int kPlates = 10;
  static constexpr size_t kEncodedBytes = 9 + kPlates * Plate::kEncodedBytes + 44;
  int nSec[2] = {};
  double dSec[5] = {};
  unsigned char bSec[5] = {};
  Plate plate[kPlates];

  template <class IO>
  void Layout(IO& io);
};

struct Force {
  static constexpr size_t kEncodedBytes = 44;
  int nForce = 0;
  double dForce[5] = {};

  template <class IO>
  void Layout(IO& io);
};

struct Material {
  double dMat[4] = {};
};

struct Member {
  static constexpr int kSections = 5;
  static constexpr int kForces = 5;
  static constexpr size_t kEncodedBytes =
      80 + kForces * Force::kEncodedBytes + kSections * Section::kEncodedBytes + size_t{19} * 8;
  int nMember[2] = {};
  int nListA[5] = {};  // indexed like section and force
  int nListB[5] = {};
  Section section[kSections];
  Force force[kForces];
  Material material;
  double dMember[19] = {};

  template <class IO>
  void Layout(IO& io);
};

}  // namespace OpenTruss

class CHKRSL_API DataForOpenTruss : public DataForSteelBase {
 public:
  static constexpr size_t kOwnBytes = OpenTruss::Member::kEncodedBytes;

  DataForOpenTruss() = default;
  DataForOpenTruss(const DataForOpenTruss&) = default;
  DataForOpenTruss& operator=(const DataForOpenTruss&) = default;

  void WriteToCHK(std::FILE* f) override;
  bool ReadRsl(std::FILE* f) override;
  bool ReadFrom(chkrsl::io::Source& in);

  // Whether force i differs, in nForce together with nListB, from every
  // force before it. True for i < 1; false for i above the last force,
  // which does not exist.
  bool IsForceDffrt(int i);

  static int64_t BodyBytes(int eleType, int secType, bool energy);

  OpenTruss::Member member;
};
