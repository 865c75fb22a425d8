#include "chkrsl/records/chk_rsl.h"

#include "chkrsl/records/user_section.h"

CHKRsl::CHKRsl() { CHKRsl::clear(); }

CHKRsl::CHKRsl(const CHKRsl& src)
    : eleNo(src.eleNo),
      secType(src.secType),
      hdrInt{src.hdrInt[0], src.hdrInt[1], src.hdrInt[2]},
      eleType(src.eleType),
      memberKind(src.memberKind),
      checkStatus(src.checkStatus) {
  CopySectionFrom(src.pSec);
}

CHKRsl& CHKRsl::operator=(const CHKRsl& src) {
  if (this == &src) return *this;
  CopySectionFrom(src.pSec);  // the one step that can fail, before the others
  eleNo = src.eleNo;
  secType = src.secType;
  for (int i = 0; i < 3; ++i) hdrInt[i] = src.hdrInt[i];
  eleType = src.eleType;
  memberKind = src.memberKind;
  checkStatus = src.checkStatus;
  return *this;
}

CHKRsl::~CHKRsl() { delete pSec; }

void CHKRsl::clear() { checkStatus = 2; }

void CHKRsl::WriteToCHK(std::FILE*) {}

bool CHKRsl::ReadRsl(std::FILE*) { return true; }

void CHKRsl::CopySectionFrom(const DataForNewSec* src) {
  DataForNewSec* copy = DuplicateSection(src);
  delete pSec;
  pSec = copy;
}
