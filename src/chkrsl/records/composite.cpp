#include "chkrsl/records/composite.h"

#include "chkrsl/records/own_block.h"

using chkrsl::ReadOwnBlock;
using chkrsl::WriteOwnBlock;

// ---- DataForConcreteComposite ----

template <class IO>
void DataForConcreteComposite::LayoutOwn(IO& io) {
  io.Field(dComp[0]).Field(dComp[1]).Fields(dComp + 2, 2).Fields(nComp + 0, 2).Field(dComp[4]);
  io.Fields(nComp + 2, 3).Fields(dComp + 5, 2).Field(dComp[7]);
  io.Field(dComp[8]).Fields(nComp + 5, 2).Field(dComp[9]).Fields(nComp + 7, 2).Field(nComp[9]);
  io.Field(dComp[10]).Fields(dComp + 11, 4).Field(dComp[15]).Fields(dComp + 16, 6);
}

void DataForConcreteComposite::WriteToCHK(std::FILE* f) {
  DataForSteelBase::WriteToCHK(f);
  WriteOwnBlock<kOwnBytes>(*this, f);
}

bool DataForConcreteComposite::ReadRsl(std::FILE* f) {
  return DataForSteelBase::ReadRsl(f) && ReadOwnBlock<kOwnBytes>(*this, f);
}

int64_t DataForConcreteComposite::BodyBytes(int eleType, int secType, bool) {
  return BaseBodyBytes(eleType, secType) + static_cast<int64_t>(kOwnBytes);
}

// ---- DataForConcreteInside ----

DataForConcreteInside::DataForConcreteInside() { nIn[0] = -1; }

template <class IO>
void DataForConcreteInside::LayoutOwn(IO& io) {
  io.Fields(dIn + 0, 4);
  if (secType != kTailSecType) return;
  io.Fields(dIn + 4, 18).Fields(nIn, 3).Fields(dIn + 22, 3);
}

size_t DataForConcreteInside::OwnBytes(int secType) {
  return secType == kTailSecType ? kMaxOwnBytes : kHeadBytes;
}

void DataForConcreteInside::WriteToCHK(std::FILE* f) {
  DataForSteelBase::WriteToCHK(f);
  WriteOwnBlock<kMaxOwnBytes>(*this, f);
}

bool DataForConcreteInside::ReadRsl(std::FILE* f) {
  return DataForSteelBase::ReadRsl(f) && ReadOwnBlock<kMaxOwnBytes>(*this, f, OwnBytes(secType));
}

int64_t DataForConcreteInside::BodyBytes(int eleType, int secType, bool) {
  return BaseBodyBytes(eleType, secType) + static_cast<int64_t>(OwnBytes(secType));
}
