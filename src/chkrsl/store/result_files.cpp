#include "chkrsl/store/result_files.h"

namespace chkrsl {

const char* ResultFileName(ResultFileId id) {
  static const char* const kNames[] = {"CHKLS", "CHKCM", "CHKGS", "CHKGS_N", "CHKST",
                                       "CHKST_N", "CHKAL", "CHKHB", "CHKHB_N", "CHKOT",
                                       "CHKPT", "CHKPT_N", "CHKCT"};
  static_assert(sizeof kNames / sizeof kNames[0] == static_cast<int>(ResultFileId::kCount),
                "one name per result file");
  return kNames[static_cast<int>(id)];
}

bool FilesOfKind(int kind, KindFiles& files) {
  using F = ResultFileId;
  switch (kind) {
    case 1: case 4: files = {F::kLS, F::kLS, false}; return true;
    case 2: files = {F::kCM, F::kCM, false}; return true;
    case 3: case 10: files = {F::kPT, F::kPT_N, true}; return true;
    case 5: files = {F::kGS, F::kGS_N, true}; return true;
    case 6: files = {F::kST, F::kST_N, true}; return true;
    case 7: files = {F::kAL, F::kAL, false}; return true;
    case 8: files = {F::kHB, F::kHB_N, true}; return true;
    case 9: files = {F::kOT, F::kOT, false}; return true;
    case 11: case 18: files = {F::kCT, F::kCT, false}; return true;
    default: return false;
  }
}

}  // namespace chkrsl
