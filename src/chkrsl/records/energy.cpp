#include "chkrsl/records/energy.h"

#include "chkrsl/io/file_io.h"
#include "chkrsl/io/source.h"
#include "chkrsl/records/field_visitor.h"

DataForEnergyConsume::DataForEnergyConsume() { nEn[3] = -1; }

template <class IO>
void DataForEnergyConsume::Layout(IO& io) {
  // nEn[1] is written before dEn[9..10] although declared after them.
  io.Fields("dEn", dEn, 0, 4).Fields("nEn", nEn, 0, 1).Fields("dEn", dEn, 4, 5);
  io.Fields("nEn", nEn, 1, 1).Fields("dEn", dEn, 9, 2).Fields("nEn", nEn, 2, 1);
  io.Fields("dEn", dEn, 11, 2).Fields("bEn", bEn, 0, 2).Fields("dEn", dEn, 13, 5);
  io.Fields("nEn", nEn, 3, 11);
}

void DataForEnergyConsume::WriteToCHK(std::FILE* f) {
  chkrsl::io::ByteWriter w(kEncodedBytes);
  Layout(w);
  chkrsl::io::WriteBytes(f, w);
}

bool DataForEnergyConsume::ReadFrom(chkrsl::io::Source& in) {
  chkrsl::io::FileBlock<kEncodedBytes> block(in);
  chkrsl::io::ByteReader r = block.reader();
  Layout(r);
  return r.ok();
}

bool DataForEnergyConsume::ReadRsl(std::FILE* f) { return chkrsl::io::ReadFromStream(*this, f); }

template void DataForEnergyConsume::Layout(chkrsl::FieldNamer&);
