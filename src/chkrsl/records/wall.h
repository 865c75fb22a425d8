// Special-shaped column and shear-wall sub-records of DataForConcreteBase,
// and the free-standing record of a wall boundary member (edge).
#pragma once

#include "chkrsl/export.h"
#include "chkrsl/io/source.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "chkrsl/io/coding.h"
#include "chkrsl/records/concrete_list.h"

// Special-shaped column. Payload: a fixed block of 608 bytes, then listA and
// listB, each a count and items of dbl0, dbl1, dbl2, int0, int1.
class CHKRSL_API DataForSpecialCol {
 public:
  static constexpr size_t kFixedBytes = 608;
  static constexpr size_t kEmptyPayloadBytes = kFixedBytes + 2 * chkrsl::io::kInt32Bytes;

  DataForSpecialCol();
  DataForSpecialCol(const DataForSpecialCol&) = delete;
  DataForSpecialCol& operator=(const DataForSpecialCol&) = delete;

  // bFlag[0] to 0 and 1..7 to 1, dRsl and nRsl to 0, counts to 0; the list
  // columns keep their contents.
  void clear();
  void CopyData(const DataForSpecialCol* src);
  void WriteToCHK(std::FILE* f);
  bool ReadRsl(std::FILE* f);
  bool ReadFrom(chkrsl::io::Source& in);
  void WriteTo(chkrsl::io::ByteWriter& w);

  uint8_t bFlag[8] = {};
  double dRsl[61] = {};
  int nRsl[28] = {};
  chkrsl::ListD3I2 listA, listB;
  int countA = 0;
  int countB = 0;

  // The payload, for writing and naming; LayoutFixed also reads.
  template <class IO>
  void Layout(IO& io);
  template <class IO>
  void LayoutFixed(IO& io);
};

// Shear wall: 147 bytes of bFlag[0..2], dRsl[0..11], nRsl[0..3],
// dRsl[12..14], nRsl[4..5].
class CHKRSL_API DataForConcreteWall {
 public:
  static constexpr size_t kPayloadBytes = 147;

  DataForConcreteWall();

  // Flags to 1, dRsl and nRsl to 0.
  void clear();
  void CopyData(const DataForConcreteWall* src);
  void WriteToCHK(std::FILE* f);
  bool ReadRsl(std::FILE* f);
  bool ReadFrom(chkrsl::io::Source& in);
  void WriteTo(chkrsl::io::ByteWriter& w);

  uint8_t bFlag[3] = {};
  double dRsl[15] = {};
  int nRsl[6] = {};

  template <class IO>
  void Layout(IO& io);
};

// Result of one wall edge. In the edge result file its 145-byte payload
// follows the edge number: nRsl[0], nRsl[1], bFlag[0], dRsl[0], dRsl[1],
// dRsl[2..16]. The suite writes these files; the library only reads them.
class CHKRSL_API DataForWallEdge {
 public:
  static constexpr size_t kPayloadBytes = 145;

  DataForWallEdge();

  // Every field to 0, edgeNo included.
  void clear();
  // Reads the payload; edgeNo is the reader's to set. False when the file
  // ends first.
  bool ReadRsl(std::FILE* f);
  bool ReadFrom(chkrsl::io::Source& in);

  double dRsl[17] = {};
  uint8_t bFlag[1] = {};
  int edgeNo = 0;  // 1-based
  int nRsl[2] = {};

  template <class IO>
  void Layout(IO& io);
};
