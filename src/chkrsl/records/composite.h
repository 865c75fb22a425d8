// Members in which steel and concrete act together: steel-concrete
// composite members and concrete-filled members. Both are steel records
// with a block of own fields after the common body and the section
// sub-record; the concrete-filled block has a tail that only section type
// 32 carries.
#pragma once

#include "chkrsl/export.h"
#include "chkrsl/io/source.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "chkrsl/records/steel.h"

// Steel-concrete composite members (element type codes 76 and 78).
class CHKRSL_API DataForConcreteComposite : public DataForSteelBase {
 public:
  static constexpr size_t kOwnBytes = 216;

  DataForConcreteComposite() = default;
  DataForConcreteComposite(const DataForConcreteComposite&) = default;
  DataForConcreteComposite& operator=(const DataForConcreteComposite&) = default;

  void WriteToCHK(std::FILE* f) override;
  bool ReadRsl(std::FILE* f) override;
  bool ReadFrom(chkrsl::io::Source& in);

  static int64_t BodyBytes(int eleType, int secType, bool energy);

  double dComp[22] = {};
  int nComp[10] = {};

  template <class IO>
  void LayoutOwn(IO& io);
};

// Concrete-filled members (element type codes 216, 218, 226, 228, 316,
// 318; also every code the type code table does not list).
class CHKRSL_API DataForConcreteInside : public DataForSteelBase {
 public:
  static constexpr int kTailSecType = 32;
  static constexpr size_t kHeadBytes = 32;   // dIn[0..3]
  static constexpr size_t kTailBytes = 180;  // dIn[4..21], nIn[0..2], dIn[22..24]
  static constexpr size_t kMaxOwnBytes = kHeadBytes + kTailBytes;

  // nIn[0] = -1; every other own field 0.
  DataForConcreteInside();
  DataForConcreteInside(const DataForConcreteInside&) = default;
  DataForConcreteInside& operator=(const DataForConcreteInside&) = default;

  void WriteToCHK(std::FILE* f) override;
  // Reads the tail only for section type 32; otherwise dIn[4..24] and
  // nIn[0..2] keep their values.
  bool ReadRsl(std::FILE* f) override;
  bool ReadFrom(chkrsl::io::Source& in);

  // Bytes of the own block for a section type.
  static size_t OwnBytes(int secType);
  static int64_t BodyBytes(int eleType, int secType, bool energy);

  double dIn[25] = {};  // dIn[4..21]: 6 x 3, row by row
  int nIn[3] = {};

  template <class IO>
  void LayoutOwn(IO& io);
};
