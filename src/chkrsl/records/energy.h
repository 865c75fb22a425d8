// Further results of an energy-dissipating steel member (member kind 6).
#pragma once

#include "chkrsl/export.h"
#include "chkrsl/io/source.h"

#include <cstddef>
#include <cstdio>

class CHKRSL_API DataForEnergyConsume {
 public:
  static constexpr size_t kEncodedBytes = 202;

  // Every field 0, except nEn[3] = -1.
  DataForEnergyConsume();

  void DataCopy(const DataForEnergyConsume& src) { *this = src; }
  void WriteToCHK(std::FILE* f);
  // True when the file held all 202 bytes.
  bool ReadRsl(std::FILE* f);
  bool ReadFrom(chkrsl::io::Source& in);

  double dEn[18] = {};
  int nEn[14] = {};
  unsigned char bEn[2] = {};

  template <class IO>
  void Layout(IO& io);
};
