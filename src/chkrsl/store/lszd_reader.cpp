#include "chkrsl/records/lszd.h"

#include "chkrsl/io/file_io.h"
#include "chkrsl/platform/qmbaseform.h"

namespace {

struct LszdHeader {
  int32_t nCount = 0;
  double dVal1 = 0, dVal2 = 0;
  int32_t nVal1 = 0;
  double dVal3 = 0;
  int32_t nVal2 = 0, nVal3 = 0;
  double dVal4 = 0;

  bool Decode(chkrsl::io::ByteReader r) {
    r.I32(nCount).F64(dVal1).F64(dVal2).I32(nVal1).F64(dVal3).I32(nVal2).I32(nVal3).F64(dVal4);
    return r.ok();
  }
};

bool ReadHeader(LszdHeader& h) {
  char path[kProjPathBufferSize];
  if (GetProjFileName(path, "LSZD", true, true, false, 0) != 1) return false;
  std::FILE* f = std::fopen(path, "rb");
  if (!f) return false;
  chkrsl::io::FileBlock<kLszdHeaderBytes> block(f);
  std::fclose(f);
  return h.Decode(block.reader());
}

}  // namespace

void ReadLSZD(int& nCount, double& dVal1, double& dVal2, int& nVal1, double& dVal3, int& nVal2,
              int& nVal3, double& dVal4, int* const, double* const) {
  LszdHeader h;
  if (!ReadHeader(h)) return;
  nCount = h.nCount;
  dVal1 = h.dVal1;
  dVal2 = h.dVal2;
  nVal1 = h.nVal1;
  dVal3 = h.dVal3;
  nVal2 = h.nVal2;
  nVal3 = h.nVal3;
  dVal4 = h.dVal4;
}
