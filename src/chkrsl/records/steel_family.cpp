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

bool DataForLightSteel::ReadRsl(std::FILE* f) {
  return DataForSteelBase::ReadRsl(f) && ReadOwnBlock<kOwnBytes>(*this, f);
}

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

bool DataForGrid::ReadRsl(std::FILE* f) {
  return DataForSteelBase::ReadRsl(f) && ReadOwnBlock<kOwnBytes>(*this, f);
}

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

bool DataForPoleTower::ReadRsl(std::FILE* f) {
  return DataForSteelBase::ReadRsl(f) && ReadOwnBlock<kOwnBytes>(*this, f);
}

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

bool DataForAluminiumAlloy::ReadRsl(std::FILE* f) {
  return DataForSteel::ReadRsl(f) && ReadOwnBlock<kOwnBytes>(*this, f);
}

int64_t DataForAluminiumAlloy::BodyBytes(int eleType, int secType, bool energy) {
  return DataForSteel::BodyBytes(eleType, secType, energy) + static_cast<int64_t>(kOwnBytes);
}

template void DataForLightSteel::LayoutOwn(chkrsl::FieldNamer&);
template void DataForGrid::LayoutOwn(chkrsl::FieldNamer&);
template void DataForPoleTower::LayoutOwn(chkrsl::FieldNamer&);
template void DataForAluminiumAlloy::LayoutOwn(chkrsl::FieldNamer&);
