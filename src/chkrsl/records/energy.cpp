#include "chkrsl/records/energy.h"

#include "chkrsl/io/file_io.h"

DataForEnergyConsume::DataForEnergyConsume() { nEn[3] = -1; }

template <class IO>
void DataForEnergyConsume::Layout(IO& io) {
  // nEn[1] is written before dEn[9..10] although declared after them.
  io.Fields(dEn + 0, 4).Field(nEn[0]).Fields(dEn + 4, 5).Field(nEn[1]).Fields(dEn + 9, 2);
  io.Field(nEn[2]).Fields(dEn + 11, 2).Fields(bEn, 2).Fields(dEn + 13, 5).Fields(nEn + 3, 11);
}

void DataForEnergyConsume::WriteToCHK(std::FILE* f) {
  chkrsl::io::ByteWriter w(kEncodedBytes);
  Layout(w);
  chkrsl::io::WriteBytes(f, w);
}

bool DataForEnergyConsume::ReadRsl(std::FILE* f) {
  chkrsl::io::FileBlock<kEncodedBytes> block(f);
  chkrsl::io::ByteReader r = block.reader();
  Layout(r);
  return r.ok();
}
