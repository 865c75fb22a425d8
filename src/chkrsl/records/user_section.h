// Section sub-records: per-part results of user-defined sections, carried by
// steel-family records of section category 2 (DataForNewSec) and 3
// (DataForLts).
#pragma once

#include "chkrsl/export.h"
#include "chkrsl/io/source.h"

#include <cstddef>
#include <cstdio>

#include "chkrsl/io/coding.h"

// Results per section part (four parts) and per direction (two directions).
class CHKRSL_API DataForNewSec {
 public:
  static constexpr size_t kHeadBytes = 144;
  static constexpr size_t kWidePartBytes = 160;    // parts 0 and 1
  static constexpr size_t kNarrowPartBytes = 96;   // parts 2 and 3
  static constexpr size_t kDirectionBytes = 72;
  static constexpr size_t kEncodedBytes = 800;

  DataForNewSec();
  virtual ~DataForNewSec() = default;
  DataForNewSec(const DataForNewSec&) = default;
  DataForNewSec& operator=(const DataForNewSec&) = default;

  virtual void clear();
  // Copies every field of src.
  virtual void CopyData(DataForNewSec* src);
  virtual void WriteToCHK(std::FILE* f);
  // True when the file held all of the sub-record.
  virtual bool ReadRsl(std::FILE* f);
  bool ReadFrom(chkrsl::io::Source& in);

  double dHead[14] = {};
  int nHead[8] = {};
  // dPart[a][k]: array a, section part k. Arrays 5..8 and 14..17 exist for
  // parts 0 and 1 only; their entries 2 and 3 are never stored.
  double dPart[18][4] = {};
  int nPart[4][4] = {};
  double dDir[6][2] = {};  // dDir[a][direction]
  int nDir[6][2] = {};

  // Encodes or decodes the 800 bytes in file order.
  template <class IO>
  void Layout(IO& io);
};

// A DataForNewSec with the further results of category-3 sections.
class CHKRSL_API DataForLts : public DataForNewSec {
 public:
  static constexpr size_t kOwnBytes = 412;
  static constexpr size_t kEncodedBytes = DataForNewSec::kEncodedBytes + kOwnBytes;

  DataForLts();
  DataForLts(const DataForLts&) = default;
  DataForLts& operator=(const DataForLts&) = default;

  void clear() override;
  // Copies the DataForNewSec part of src, and its own fields when src is a
  // DataForLts too.
  void CopyData(DataForNewSec* src) override;
  void WriteToCHK(std::FILE* f) override;
  bool ReadRsl(std::FILE* f) override;
  bool ReadFrom(chkrsl::io::Source& in);

  double dLtsA[4][4] = {};  // dLtsA[a][part]
  double dLts[3] = {};
  double dLtsB[2][4] = {};
  int nLts = 0;
  double dLtsC[4][4] = {};
  int nLtsC[2][4] = {};
  double dLtsD[4] = {};

  template <class IO>
  void LayoutOwn(IO& io);
};

// A new sub-record of the same class as src with its contents, or null.
DataForNewSec* DuplicateSection(const DataForNewSec* src);

// Bytes of the sub-record that a section of category `category` carries.
size_t SectionBytesOfCategory(int category);
