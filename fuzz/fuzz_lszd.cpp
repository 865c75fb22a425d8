// The "LSZD" header. Input: the file. Oracle: the eight parameters change
// exactly when the file holds the whole header, and then hold its values.
#include <cstring>

#include "fuzz_project.h"

namespace {

void Check(const uint8_t* data, size_t size) {
  const fuzz::InputScope input;
  fuzz::WriteProjectFile("LSZD", data, size);
  int n[4] = {-7, -7, -7, -7};
  double d[4] = {-7, -7, -7, -7};
  int nArr[2] = {11, 12};
  double dArr[2] = {1.5, 2.5};
  ReadLSZD(n[0], d[0], d[1], n[1], d[2], n[2], n[3], d[3], nArr, dArr);
  FUZZ_CHECK(nArr[0] == 11 && nArr[1] == 12 && dArr[0] == 1.5 && dArr[1] == 2.5);
  chkrsl::io::ByteReader r(data, size);
  int32_t en[4] = {};
  double ed[4] = {};
  r.I32(en[0]).F64(ed[0]).F64(ed[1]).I32(en[1]).F64(ed[2]).I32(en[2]).I32(en[3]).F64(ed[3]);
  const bool sound = size >= kLszdHeaderBytes;
  for (int i = 0; i < 4; ++i) {
    FUZZ_CHECK(n[i] == (sound ? en[i] : -7));
    // Compared as bits: the header may hold NaNs.
    if (sound) FUZZ_CHECK(std::memcmp(&d[i], &ed[i], sizeof(double)) == 0);
    else FUZZ_CHECK(d[i] == -7);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Check(data, size);
  return 0;
}
