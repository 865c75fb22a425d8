// The common part of every steel-family record and the ordinary steel
// member record, with the section classifier that decides which section
// sub-record a record carries and which file of a pair it lives in.
#pragma once

#include "chkrsl/export.h"
#include "chkrsl/io/source.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "chkrsl/records/chk_rsl.h"
#include "chkrsl/records/energy.h"
#include "chkrsl/records/user_section.h"

// Section category of a section type code: 3 (DataForLts, "_N" file),
// 4 (no sub-record, plain file), 2 (DataForNewSec, "_N" file) or 1 (none,
// plain file).
CHKRSL_API int JudgeSecCate(int secType);

class CHKRSL_API DataForSteelBase : public CHKRsl {
 public:
  static constexpr size_t kHeaderBytes = 12;
  static constexpr size_t kCommonBodyBytes = 488;
  // Bytes from offset 112 to 271, left out for the codes of ShortBodyCode.
  static constexpr size_t kOptionalBlockBytes = 160;

  DataForSteelBase();
  DataForSteelBase(const DataForSteelBase& src) = default;
  DataForSteelBase& operator=(const DataForSteelBase& src) = default;

  void clear() override;
  // Writes the header, the common body and the section sub-record if any.
  void WriteToCHK(std::FILE* f) override;
  // Reads the common body and the section sub-record if pSec is set.
  bool ReadRsl(std::FILE* f) override;
  bool ReadFrom(chkrsl::io::Source& in);

  // Element type codes whose common body leaves out the optional block.
  static bool ShortBodyCode(int eleType);
  // Bytes of the common body (without header) for an element type code.
  static size_t CommonBodyBytes(int eleType);
  // Bytes that the common body and the section sub-record of an entry take,
  // as reading it would consume them.
  static int64_t BaseBodyBytes(int eleType, int secType);

  double dBase[45] = {};
  int nBase[27] = {};

  // The common body in file order, for writing, reading and naming.
  template <class IO>
  void LayoutBody(IO& io);
};

class CHKRSL_API DataForSteel : public DataForSteelBase {
 public:
  static constexpr size_t kOwnBytes = 243;

  DataForSteel();
  DataForSteel(const DataForSteel& src);
  DataForSteel& operator=(const DataForSteel& src);
  ~DataForSteel() override;

  // Writes the base entry, the 243-byte block and, for member kind 6, the
  // energy record (a default one when pEnergy is missing, so that the entry
  // always matches its negated type code).
  void WriteToCHK(std::FILE* f) override;
  // Reads the base body, the block and, for member kind 6, a new energy record.
  bool ReadRsl(std::FILE* f) override;
  bool ReadFrom(chkrsl::io::Source& in);

  // Body bytes (without header) of an entry of this class.
  static int64_t BodyBytes(int eleType, int secType, bool energy);

  unsigned char bSteel[3] = {};
  double dSteel[27] = {};
  int nSteel[6] = {};
  DataForEnergyConsume* pEnergy = nullptr;  // owned; set when memberKind is 6

  template <class IO>
  void LayoutOwn(IO& io);

 private:
  void CopyEnergyFrom(const DataForEnergyConsume* src);
};
