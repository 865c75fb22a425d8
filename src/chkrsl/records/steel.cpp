#include "chkrsl/records/steel.h"

#include <memory>

#include "chkrsl/io/file_io.h"
#include "chkrsl/io/source.h"
#include "chkrsl/records/field_visitor.h"
#include "chkrsl/records/user_section.h"

using chkrsl::io::ByteReader;
using chkrsl::io::ByteWriter;
using chkrsl::io::FileBlock;

namespace {

constexpr int kEnergyMemberKind = 6;

}  // namespace

int JudgeSecCate(int secType) {
  if (secType == 26 || secType == 27) return 3;
  if (secType >= 50 && secType <= 68) return 3;
  if (secType == 42 || secType == 48 || secType == 49) return 4;
  if (secType >= 35 && secType <= 49) return 2;
  return 1;
}

// ---- DataForSteelBase ----

DataForSteelBase::DataForSteelBase() { DataForSteelBase::clear(); }

void DataForSteelBase::clear() {
  CHKRsl::clear();
  dBase[5] = -0.001;
  nBase[3] = 0;
  dBase[8] = -0.001;
  nBase[5] = 0;
  dBase[17] = -0.001;
  nBase[7] = 0;
  dBase[26] = -0.001;
  nBase[9] = 0;
  dBase[27] = -0.001;
  nBase[11] = 0;
  dBase[28] = 0;
  dBase[30] = 0;
  nBase[13] = -1;
  nBase[14] = 0;
  dBase[31] = 0;
  dBase[33] = -101.0;
  nBase[16] = -1;
  nBase[17] = 0;
  dBase[36] = -0.001;
  dBase[37] = 0;
  nBase[19] = 0;
  dBase[40] = -0.001;
  dBase[41] = 0;
  nBase[21] = 0;
  dBase[43] = 0;
  nBase[23] = 0;
  nBase[24] = 0;
  dBase[44] = 0;
  nBase[25] = 0;
  nBase[26] = 0;
  checkStatus = 2;
  if (pSec) pSec->clear();
}

bool DataForSteelBase::ShortBodyCode(int eleType) {
  return eleType == 216 || eleType == 218 || eleType == 316 || eleType == 318;
}

size_t DataForSteelBase::CommonBodyBytes(int eleType) {
  return ShortBodyCode(eleType) ? kCommonBodyBytes - kOptionalBlockBytes : kCommonBodyBytes;
}

int64_t DataForSteelBase::BaseBodyBytes(int eleType, int secType) {
  return static_cast<int64_t>(CommonBodyBytes(eleType) +
                              SectionBytesOfCategory(JudgeSecCate(secType)));
}

template <class IO>
void DataForSteelBase::LayoutBody(IO& io) {
  io.Fields("hdrInt", hdrInt, 0, 3).Field("memberKind", memberKind);
  io.Fields("nBase", nBase, 0, 3).Fields("dBase", dBase, 0, 6);
  io.Fields("nBase", nBase, 3, 2).Fields("dBase", dBase, 6, 2);
  if (!ShortBodyCode(eleType)) {
    io.Fields("dBase", dBase, 8, 3).Fields("nBase", nBase, 5, 2).Fields("dBase", dBase, 11, 9);
    io.Fields("nBase", nBase, 7, 2).Fields("dBase", dBase, 20, 6);
  }
  io.Fields("dBase", dBase, 26, 1).Fields("nBase", nBase, 9, 2);
  io.Fields("dBase", dBase, 27, 1).Fields("nBase", nBase, 11, 2);
  io.Fields("dBase", dBase, 28, 3).Fields("nBase", nBase, 13, 3);
  io.Fields("dBase", dBase, 31, 3).Fields("nBase", nBase, 16, 3);
  io.Fields("dBase", dBase, 34, 4).Fields("nBase", nBase, 19, 2);
  io.Fields("dBase", dBase, 38, 4).Fields("nBase", nBase, 21, 2);
  io.Fields("dBase", dBase, 42, 2).Fields("nBase", nBase, 23, 2);
  io.Fields("dBase", dBase, 44, 1).Fields("nBase", nBase, 25, 2);
  io.Field("checkStatus", checkStatus);
}

void DataForSteelBase::WriteToCHK(std::FILE* f) {
  ByteWriter w(kHeaderBytes + kCommonBodyBytes);
  w.I32(eleNo).I32(memberKind == kEnergyMemberKind ? -eleType : eleType).I32(secType);
  LayoutBody(w);
  chkrsl::io::WriteBytes(f, w);
  if (pSec) pSec->WriteToCHK(f);
}

bool DataForSteelBase::ReadFrom(chkrsl::io::Source& in) {
  FileBlock<kCommonBodyBytes> block(in, CommonBodyBytes(eleType));
  ByteReader r = block.reader();
  LayoutBody(r);
  if (!r.ok()) return false;
  if (!pSec) return true;
  // The section's own class reads it (the read path is not virtual).
  if (auto* lts = dynamic_cast<DataForLts*>(pSec)) return lts->ReadFrom(in);
  return pSec->ReadFrom(in);
}

bool DataForSteelBase::ReadRsl(std::FILE* f) { return chkrsl::io::ReadFromStream(*this, f); }

// ---- DataForSteel ----

DataForSteel::DataForSteel() {
  dSteel[25] = 0;
  dSteel[26] = 0;
}

DataForSteel::DataForSteel(const DataForSteel& src)
    : DataForSteelBase(src) {
  for (int i = 0; i < 3; ++i) bSteel[i] = src.bSteel[i];
  for (int i = 0; i < 27; ++i) dSteel[i] = src.dSteel[i];
  for (int i = 0; i < 6; ++i) nSteel[i] = src.nSteel[i];
  CopyEnergyFrom(src.pEnergy);
}

// The energy record is copied first: the base's assignment is the last step
// that can fail, and it changes nothing when it does.
DataForSteel& DataForSteel::operator=(const DataForSteel& src) {
  if (this == &src) return *this;
  std::unique_ptr<DataForEnergyConsume> energy(src.pEnergy ? new DataForEnergyConsume(*src.pEnergy) : nullptr);
  DataForSteelBase::operator=(src);
  for (int i = 0; i < 3; ++i) bSteel[i] = src.bSteel[i];
  for (int i = 0; i < 27; ++i) dSteel[i] = src.dSteel[i];
  for (int i = 0; i < 6; ++i) nSteel[i] = src.nSteel[i];
  delete pEnergy;
  pEnergy = energy.release();
  return *this;
}

DataForSteel::~DataForSteel() { delete pEnergy; }

void DataForSteel::CopyEnergyFrom(const DataForEnergyConsume* src) {
  DataForEnergyConsume* copy = src ? new DataForEnergyConsume(*src) : nullptr;
  delete pEnergy;
  pEnergy = copy;
}

int64_t DataForSteel::BodyBytes(int eleType, int secType, bool energy) {
  return BaseBodyBytes(eleType, secType) + static_cast<int64_t>(kOwnBytes) +
         (energy ? static_cast<int64_t>(DataForEnergyConsume::kEncodedBytes) : 0);
}

template <class IO>
void DataForSteel::LayoutOwn(IO& io) {
  io.Fields("bSteel", bSteel, 0, 2).Fields("nSteel", nSteel, 0, 1).Fields("dSteel", dSteel, 0, 1);
  io.Fields("bSteel", bSteel, 2, 1).Fields("dSteel", dSteel, 1, 2);
  io.Fields("nSteel", nSteel, 1, 1).Fields("dSteel", dSteel, 3, 5);
  io.Fields("nSteel", nSteel, 2, 1).Fields("dSteel", dSteel, 8, 4);
  io.Fields("nSteel", nSteel, 3, 1).Fields("dSteel", dSteel, 12, 6);
  io.Fields("nSteel", nSteel, 4, 1).Fields("dSteel", dSteel, 18, 3);
  io.Fields("nSteel", nSteel, 5, 1).Fields("dSteel", dSteel, 21, 6);
}

void DataForSteel::WriteToCHK(std::FILE* f) {
  DataForSteelBase::WriteToCHK(f);
  ByteWriter w(kOwnBytes);
  LayoutOwn(w);
  chkrsl::io::WriteBytes(f, w);
  if (memberKind != kEnergyMemberKind) return;
  if (pEnergy) {
    pEnergy->WriteToCHK(f);
  } else {
    DataForEnergyConsume().WriteToCHK(f);
  }
}

bool DataForSteel::ReadFrom(chkrsl::io::Source& in) {
  if (!DataForSteelBase::ReadFrom(in)) return false;
  FileBlock<kOwnBytes> block(in);
  ByteReader r = block.reader();
  LayoutOwn(r);
  if (!r.ok()) return false;
  if (memberKind != kEnergyMemberKind) return true;
  delete pEnergy;
  pEnergy = new DataForEnergyConsume;
  return pEnergy->ReadFrom(in);
}

bool DataForSteel::ReadRsl(std::FILE* f) { return chkrsl::io::ReadFromStream(*this, f); }

template void DataForSteelBase::LayoutBody(chkrsl::FieldNamer&);
template void DataForSteel::LayoutOwn(chkrsl::FieldNamer&);
