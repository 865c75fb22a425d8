// Sub-records of concrete beams: results per calculation section (arrays of
// secCount values, secDbl[k][i] and secInt[k][i]) beside scalars and lists.
// secCount is not stored; the owning record sets it to its section count n.
#pragma once

#include "chkrsl/export.h"
#include "chkrsl/io/source.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "chkrsl/io/coding.h"
#include "chkrsl/records/concrete_list.h"

// Rectangular beam. Payload: bFlag[0..6]; per section secDbl[0..3],
// secInt[0..5], secDbl[4..9] (104 bytes a section); dRsl[0..3], nRsl[0..1],
// countA, dRsl[4] only when countA is not 0, the items of listA (dbl0, dbl1,
// int0, int1, int2); then listB to listE, each a count and items whose
// second integer column stands first.
class CHKRSL_API DataForConcreteRecBeam {
 public:
  static constexpr size_t kFlagBytes = 7;
  static constexpr size_t kSectionBytes = 104;
  static constexpr size_t kMiddleBytes = 44;  // dRsl[0..3], nRsl[0..1], countA
  static constexpr size_t kEmptyPayloadBytes = kFlagBytes + kMiddleBytes + 4 * chkrsl::io::kInt32Bytes;

  DataForConcreteRecBeam();
  DataForConcreteRecBeam(const DataForConcreteRecBeam&) = delete;
  DataForConcreteRecBeam& operator=(const DataForConcreteRecBeam&) = delete;

  // bFlag[0] to 0 and 1..6 to 1, dRsl and nRsl to 0, counts to 0; the
  // arrays keep their contents.
  void clear();
  void CopyData(const DataForConcreteRecBeam* src);
  void WriteToCHK(std::FILE* f);
  // Reads secCount sections; false for a short payload or an unsound count.
  bool ReadRsl(std::FILE* f);
  bool ReadFrom(chkrsl::io::Source& in);
  void WriteTo(chkrsl::io::ByteWriter& w);

  int secCount = 0;
  uint8_t bFlag[7] = {};
  chkrsl::DblColumn secDbl[10];
  chkrsl::IntColumn secInt[6];
  double dRsl[5] = {};
  int nRsl[2] = {};
  int countA = 0, countB = 0, countC = 0, countD = 0, countE = 0;
  chkrsl::ListD2I3 listA;
  chkrsl::ListD3I2 listB;
  chkrsl::ListD5I2 listC;
  chkrsl::ListD1I2 listD;
  chkrsl::ListD1I2 listE;

  // The payload with `sections` sections, for writing and naming.
  template <class IO>
  void Layout(IO& io, int sections);

 private:
  template <class IO>
  void LayoutMiddle(IO& io);
  void SizeSections(INT_PTR n);
};

// Round beam. Payload: bFlag[0..4]; per section secDbl[0..3], secInt[0..3],
// secDbl[4..7] (80 bytes a section); listA (count, items of dbl0..dbl3,
// int0, int1) and listB (count, items of dbl0, int0, int1).
class CHKRSL_API DataForConcreteRoundBeam {
 public:
  static constexpr size_t kFlagBytes = 5;
  static constexpr size_t kSectionBytes = 80;
  static constexpr size_t kEmptyPayloadBytes = kFlagBytes + 2 * chkrsl::io::kInt32Bytes;

  DataForConcreteRoundBeam();
  DataForConcreteRoundBeam(const DataForConcreteRoundBeam&) = delete;
  DataForConcreteRoundBeam& operator=(const DataForConcreteRoundBeam&) = delete;

  // bFlag[0..1] to 0 and 2..4 to 1, every per-section value held to 0,
  // counts to 0 and the list columns emptied.
  void clear();
  void CopyData(const DataForConcreteRoundBeam* src);
  void WriteToCHK(std::FILE* f);
  bool ReadRsl(std::FILE* f);
  bool ReadFrom(chkrsl::io::Source& in);
  void WriteTo(chkrsl::io::ByteWriter& w);

  int secCount = 0;
  uint8_t bFlag[5] = {};
  chkrsl::DblColumn secDbl[8];
  chkrsl::IntColumn secInt[4];
  int countA = 0, countB = 0;
  chkrsl::ListD4I2 listA;
  chkrsl::ListD1I2 listB;

  template <class IO>
  void Layout(IO& io, int sections);

 private:
  void SizeSections(INT_PTR n);
};
