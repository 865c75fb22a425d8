#include "chkrsl/store/lszd_reader.h"

#include "chkrsl/io/source.h"
#include "chkrsl/texts/alerts.h"
#include "chkrsl/store/project_files.h"

void ReadLSZD(int& nCount, double& dVal1, double& dVal2, int& nVal1, double& dVal3, int& nVal2,
              int& nVal3, double& dVal4, int* const, double* const) {
  chkrsl::Call([&](chkrsl::Alerts&) {
    chkrsl::io::FileSource file;
    chkrsl::LszdHeader h;
    if (!chkrsl::OpenProjectFile("LSZD", file, chkrsl::kLszdHeaderBytes) || !chkrsl::ReadLszdHeader(file, h))
      return 0;
    nCount = h.nCount;
    dVal1 = h.dVal1;
    dVal2 = h.dVal2;
    nVal1 = h.nVal1;
    dVal3 = h.dVal3;
    nVal2 = h.nVal2;
    nVal3 = h.nVal3;
    dVal4 = h.dVal4;
    return 1;
  });
}
