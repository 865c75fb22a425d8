#include "chkrsl/records/composite.h"

#include "chkrsl/records/field_visitor.h"
#include "chkrsl/records/own_block.h"

using chkrsl::ReadOwnBlock;
using chkrsl::WriteOwnBlock;

// ---- DataForConcreteComposite ----

template <class IO>
void DataForConcreteComposite::LayoutOwn(IO& io) {
  io.Fields("dComp", dComp, 0, 4).Fields("nComp", nComp, 0, 2).Fields("dComp", dComp, 4, 1);
  io.Fields("nComp", nComp, 2, 3).Fields("dComp", dComp, 5, 4).Fields("nComp", nComp, 5, 2);
  io.Fields("dComp", dComp, 9, 1).Fields("nComp", nComp, 7, 3).Fields("dComp", dComp, 10, 12);
}

void DataForConcreteComposite::WriteToCHK(std::FILE* f) {
  DataForSteelBase::WriteToCHK(f);
  WriteOwnBlock<kOwnBytes>(*this, f);
}

bool DataForConcreteComposite::ReadFrom(chkrsl::io::Source& in) {
  return DataForSteelBase::ReadFrom(in) && ReadOwnBlock<kOwnBytes>(*this, in);
}

bool DataForConcreteComposite::ReadRsl(std::FILE* f) { return chkrsl::io::ReadFromStream(*this, f); }

int64_t DataForConcreteComposite::BodyBytes(int eleType, int secType, bool) {
  return BaseBodyBytes(eleType, secType) + static_cast<int64_t>(kOwnBytes);
}

// ---- DataForConcreteInside ----

DataForConcreteInside::DataForConcreteInside() { nIn[0] = -1; }

template <class IO>
void DataForConcreteInside::LayoutOwn(IO& io) {
  io.Fields("dIn", dIn, 0, 4);
  if (secType != kTailSecType) return;
  io.Fields("dIn", dIn, 4, 18).Fields("nIn", nIn, 0, 3).Fields("dIn", dIn, 22, 3);
}

size_t DataForConcreteInside::OwnBytes(int secType) {
  return secType == kTailSecType ? kMaxOwnBytes : kHeadBytes;
}

void DataForConcreteInside::WriteToCHK(std::FILE* f) {
  DataForSteelBase::WriteToCHK(f);
  WriteOwnBlock<kMaxOwnBytes>(*this, f);
}

bool DataForConcreteInside::ReadFrom(chkrsl::io::Source& in) {
  return DataForSteelBase::ReadFrom(in) && ReadOwnBlock<kMaxOwnBytes>(*this, in, OwnBytes(secType));
}

bool DataForConcreteInside::ReadRsl(std::FILE* f) { return chkrsl::io::ReadFromStream(*this, f); }

int64_t DataForConcreteInside::BodyBytes(int eleType, int secType, bool) {
  return BaseBodyBytes(eleType, secType) + static_cast<int64_t>(OwnBytes(secType));
}

template void DataForConcreteComposite::LayoutOwn(chkrsl::FieldNamer&);
template void DataForConcreteInside::LayoutOwn(chkrsl::FieldNamer&);
