#include "chkrsl/records/steel_family.h"

#include "chkrsl/records/field_visitor.h"
#include "chkrsl/records/own_block.h"

using chkrsl::ReadOwnBlock;
using chkrsl::WriteOwnBlock;

// ---- DataForLightSteel ----

template <class IO>
void DataForLightSteel::LayoutOwn(IO& io) {
  io.Fields("nLight", nLight, 0, 1).Fields("dLight", dLight, 0, 5).Fields("nLight", nLight, 1, 2);
  io.Fields("dLight", dLight, 5, 1).Fields("nLight", nLight, 3, 2);
  io.Fields("dLight", dLight, 6, 1).Fields("nLight", nLight, 5, 1);
  io.Fields("dLight", dLight, 7, 3).Fields("nLight", nLight, 6, 1);
  io.Fields("dLight", dLight, 10, 9);
}

void DataForLightSteel::WriteToCHK(std::FILE* f) {
  DataForSteelBase::WriteToCHK(f);
  WriteOwnBlock<kOwnBytes>(*this, f);
}

bool DataForLightSteel::ReadFrom(chkrsl::io::Source& in) {
  return DataForSteelBase::ReadFrom(in) && ReadOwnBlock<kOwnBytes>(*this, in);
}

bool DataForLightSteel::ReadRsl(std::FILE* f) { return chkrsl::io::ReadFromStream(*this, f); }

int64_t DataForLightSteel::BodyBytes(int eleType, int secType, bool) {
  return BaseBodyBytes(eleType, secType) + static_cast<int64_t>(kOwnBytes);
}

// ---- DataForGrid ----

template <class IO>
void DataForGrid::LayoutOwn(IO& io) {
  io.Fields("nGrid", nGrid, 0, 3).Fields("dGrid", dGrid, 0, 24);
}

void DataForGrid::WriteToCHK(std::FILE* f) {
  DataForSteelBase::WriteToCHK(f);
  WriteOwnBlock<kOwnBytes>(*this, f);
}

bool DataForGrid::ReadFrom(chkrsl::io::Source& in) {
  return DataForSteelBase::ReadFrom(in) && ReadOwnBlock<kOwnBytes>(*this, in);
}

bool DataForGrid::ReadRsl(std::FILE* f) { return chkrsl::io::ReadFromStream(*this, f); }

int64_t DataForGrid::BodyBytes(int eleType, int secType, bool) {
  return BaseBodyBytes(eleType, secType) + static_cast<int64_t>(kOwnBytes);
}

// ---- DataForPoleTower ----

template <class IO>
void DataForPoleTower::LayoutOwn(IO& io) {
  io.Fields("dPole", dPole, 0, 24).Fields("nPole", nPole, 0, 1);
}

void DataForPoleTower::WriteToCHK(std::FILE* f) {
  DataForSteelBase::WriteToCHK(f);
  WriteOwnBlock<kOwnBytes>(*this, f);
}

bool DataForPoleTower::ReadFrom(chkrsl::io::Source& in) {
  return DataForSteelBase::ReadFrom(in) && ReadOwnBlock<kOwnBytes>(*this, in);
}

bool DataForPoleTower::ReadRsl(std::FILE* f) { return chkrsl::io::ReadFromStream(*this, f); }

int64_t DataForPoleTower::BodyBytes(int eleType, int secType, bool) {
  return BaseBodyBytes(eleType, secType) + static_cast<int64_t>(kOwnBytes);
}

// ---- DataForAluminiumAlloy ----

template <class IO>
void DataForAluminiumAlloy::LayoutOwn(IO& io) {
  io.Fields("dAl", dAl, 0, 3);
}

void DataForAluminiumAlloy::WriteToCHK(std::FILE* f) {
  DataForSteel::WriteToCHK(f);
  WriteOwnBlock<kOwnBytes>(*this, f);
}

bool DataForAluminiumAlloy::ReadFrom(chkrsl::io::Source& in) {
  return DataForSteel::ReadFrom(in) && ReadOwnBlock<kOwnBytes>(*this, in);
}

bool DataForAluminiumAlloy::ReadRsl(std::FILE* f) { return chkrsl::io::ReadFromStream(*this, f); }

int64_t DataForAluminiumAlloy::BodyBytes(int eleType, int secType, bool energy) {
  return DataForSteel::BodyBytes(eleType, secType, energy) + static_cast<int64_t>(kOwnBytes);
}

template void DataForLightSteel::LayoutOwn(chkrsl::FieldNamer&);
template void DataForGrid::LayoutOwn(chkrsl::FieldNamer&);
template void DataForPoleTower::LayoutOwn(chkrsl::FieldNamer&);
template void DataForAluminiumAlloy::LayoutOwn(chkrsl::FieldNamer&);
