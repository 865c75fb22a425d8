#include "chkrsl/records/steel_family.h"

#include "chkrsl/records/own_block.h"

using chkrsl::ReadOwnBlock;
using chkrsl::WriteOwnBlock;

// ---- DataForLightSteel ----

template <class IO>
void DataForLightSteel::LayoutOwn(IO& io) {
  io.Field(nLight[0]).Field(dLight[0]).Fields(dLight + 1, 2).Field(dLight[3]);
  io.Field(dLight[4]).Field(nLight[1]).Field(nLight[2]);
  io.Field(dLight[5]).Field(nLight[3]).Field(nLight[4]);
  io.Field(dLight[6]).Field(nLight[5]).Field(dLight[7]).Fields(dLight + 8, 2).Field(nLight[6]);
  io.Fields(dLight + 10, 6).Fields(dLight + 16, 2).Field(dLight[18]);
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
  io.Fields(nGrid, 3).Fields(dGrid, 21).Fields(dGrid + 21, 3);
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
  io.Fields(dPole, 6).Fields(dPole + 6, 3).Fields(dPole + 9, 2).Fields(dPole + 11, 12);
  io.Field(dPole[23]).Field(nPole[0]);
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
  io.Fields(dAl, 3);
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
