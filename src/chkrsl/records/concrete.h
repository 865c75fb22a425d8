// The check-result record of a reinforced-concrete beam, column or shear
// wall, and the sub-records of rectangular and round columns. The results
// proper live in one sub-record chosen by member kind and section type.
#pragma once

#include "chkrsl/export.h"
#include "chkrsl/io/source.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "chkrsl/io/coding.h"
#include "chkrsl/records/chk_rsl.h"
#include "chkrsl/records/concrete_list.h"

class DataForConcreteRecCol;
class DataForConcreteRoundCol;
class DataForConcreteRecBeam;
class DataForConcreteRoundBeam;
class DataForConcreteWall;
class DataForSpecialCol;

// The sub-record a concrete member carries.
enum class ConcreteSubKind { kNone, kRecCol, kRoundCol, kRecBeam, kRoundBeam, kWall, kSpecialCol };

// Beams are member kinds 1 and 5, walls 10, every other kind is a column.
// Section types: 24 round, 28 rectangular beam or special-shaped column,
// 29 rectangular; any other type has no sub-record.
ConcreteSubKind ConcreteSubKindOf(int memberKind, int secType);
bool IsConcreteBeam(int memberKind);

// Entry in a result file (offsets from the start of the entry):
//   0 eleNo, 4 eleType (11 or 18), 8 secType, 12 dataLength (bytes that
//   follow it), 16 hdrInt[0..2], 28 memberKind, 32 checkStatus,
//   36 baseFlag, 37 baseInt[0..6] (baseInt[2] = n at 45), 65 baseDbl[0..3],
//   97 sectionVal[0..n-1], 97 + 8n the sub-record's payload.
class CHKRSL_API DataForConcreteBase : public CHKRsl {
 public:
  static constexpr size_t kHeaderBytes = 12;
  static constexpr size_t kLengthBytes = 4;
  // From hdrInt to baseDbl: the fixed part that dataLength counts.
  static constexpr size_t kFixedBytes = 81;
  static constexpr size_t kSectionValOffset = kHeaderBytes + kLengthBytes + kFixedBytes;

  DataForConcreteBase();
  // Copies get their own sub-records. Running out of memory throws
  // std::bad_alloc and leaves the target as it was.
  DataForConcreteBase(const DataForConcreteBase& src);
  DataForConcreteBase& operator=(const DataForConcreteBase& src);
  ~DataForConcreteBase() override;

  // checkStatus 2, baseFlag 1, baseInt and baseDbl 0; dataLength,
  // sectionVal and the sub-records stay as they are.
  void clear() override;
  // Writes the whole entry. dataLength is computed from the contents on
  // every write and kept in the record. The sub-record written is the one
  // the member kind and section type call for; when it is missing a cleared
  // one is written, so that the entry always reads back as it was written.
  // A beam sub-record is written with the record's n sections.
  void WriteToCHK(std::FILE* f) override;
  // Reads the body after the 12-byte header and creates the sub-record of
  // the kind. False for a short body, a section or list count the entry
  // cannot hold, or a body whose size is not its dataLength.
  bool ReadRsl(std::FILE* f) override;
  bool ReadFrom(chkrsl::io::Source& in);

  // The kind of sub-record this record's member kind and section type call for.
  ConcreteSubKind SubKind() const { return ConcreteSubKindOf(memberKind, secType); }
  // n, the number of calculation sections.
  int SectionCount() const { return baseInt[2]; }

  int dataLength = 0;
  uint8_t baseFlag = 1;
  int baseInt[7] = {};
  double baseDbl[4] = {};
  chkrsl::DblColumn sectionVal;  // one value per calculation section
  // Owned sub-records; at most one is set.
  DataForConcreteRecCol* pRecCol = nullptr;
  DataForConcreteRoundCol* pRoundCol = nullptr;
  DataForConcreteRecBeam* pRecBeam = nullptr;
  DataForConcreteRoundBeam* pRoundBeam = nullptr;
  DataForConcreteWall* pWall = nullptr;
  DataForSpecialCol* pSpecialCol = nullptr;

  // From hdrInt to baseDbl, in file order.
  template <class IO>
  void LayoutFixed(IO& io);

 private:
  void ReleaseSubRecords();
  void WriteSubRecord(chkrsl::io::ByteWriter& w);
  bool ReadSectionValues(chkrsl::io::Source& in);
  bool ReadSubRecord(chkrsl::io::Source& in);
};

// Rectangular column. Payload: a fixed block of 746 bytes, then listA and
// listB, each a count and items of dbl0, dbl1, dbl2, int1, int0.
class CHKRSL_API DataForConcreteRecCol {
 public:
  static constexpr size_t kFixedBytes = 746;
  static constexpr size_t kEmptyPayloadBytes = kFixedBytes + 2 * chkrsl::io::kInt32Bytes;

  DataForConcreteRecCol();
  DataForConcreteRecCol(const DataForConcreteRecCol&) = delete;
  DataForConcreteRecCol& operator=(const DataForConcreteRecCol&) = delete;

  // Flags 0..2 to 0 and 3..9 to 1, every dRsl and nRsl to 0, counts to 0;
  // the list columns keep their contents.
  void clear();
  void CopyData(const DataForConcreteRecCol* src);
  void WriteToCHK(std::FILE* f);
  bool ReadRsl(std::FILE* f);
  bool ReadFrom(chkrsl::io::Source& in);
  void WriteTo(chkrsl::io::ByteWriter& w);

  uint8_t bFlag[10] = {};
  double dRsl[75] = {};
  int nRsl[34] = {};
  chkrsl::ListD3I2 listA, listB;
  int countA = 0;
  int countB = 0;

  // The payload, for writing and naming; LayoutFixed also reads.
  template <class IO>
  void Layout(IO& io);
  template <class IO>
  void LayoutFixed(IO& io);
};

// Round column. Payload: a 317-byte head (dRsl[23..25] stand in it twice,
// at 237 and 269), listA (count and items of dbl0..dbl3, int0, int1) and a
// 33-byte tail.
class CHKRSL_API DataForConcreteRoundCol {
 public:
  static constexpr size_t kHeadBytes = 317;
  static constexpr size_t kTailBytes = 33;
  static constexpr size_t kEmptyPayloadBytes = kHeadBytes + chkrsl::io::kInt32Bytes + kTailBytes;
  static constexpr size_t kFirstCopyAt = 237, kSecondCopyAt = 269, kCopyBytes = 24;

  DataForConcreteRoundCol();
  DataForConcreteRoundCol(const DataForConcreteRoundCol&) = delete;
  DataForConcreteRoundCol& operator=(const DataForConcreteRoundCol&) = delete;

  // Flags 0..1 to 0 and 2..5 to 1, dRsl and nRsl to 0, countA to 0 and the
  // items the list holds to 0.
  void clear();
  void CopyData(const DataForConcreteRoundCol* src);
  void WriteToCHK(std::FILE* f);
  // False for a short payload or an unsound count. Both copies of
  // dRsl[23..25] are read into the same fields, so the second one is kept.
  bool ReadRsl(std::FILE* f);
  bool ReadFrom(chkrsl::io::Source& in);
  // Whether the two copies in a payload head (kHeadBytes) differ: such an
  // entry reads, but is written back with the second copy twice.
  static bool CopiesDiffer(const uint8_t* head);
  void WriteTo(chkrsl::io::ByteWriter& w);

  uint8_t bFlag[6] = {};
  double dRsl[32] = {};
  int nRsl[16] = {};
  chkrsl::ListD4I2 listA;
  int countA = 0;

  // The payload, for writing and naming; head and tail also read.
  template <class IO>
  void Layout(IO& io);
  template <class IO>
  void LayoutHead(IO& io);
  template <class IO>
  void LayoutTail(IO& io);
};
