// Purlin inputs and the report. Input: a purlin kind byte, a 16-bit length
// L, L bytes of the design file and the rest as the check file "PCR".
// Oracle: the report is written exactly when the kind is roof or wall and
// both files hold their whole layouts, and never in part.
#include "fuzz_project.h"

namespace {

void Check(const uint8_t* data, size_t size) {
  if (size < 3 || size > 1 << 12) return;
  const fuzz::InputScope input;
  static const bool once = [] {
    chkrsl::host::FixClock(1700000000);
    chkrsl::host::SetViewerLauncher([](const std::string&) { return true; });
    return true;
  }();
  (void)once;
  const int kind = data[0] % 4;
  size_t designBytes = data[1] | (data[2] << 8);
  data += 3;
  size -= 3;
  if (designBytes > size) designBytes = size;
  fuzz::WriteProjectFile(kind == kWallPurlin ? "Dlg_DesQLT" : "Dlg_DesWLT", data, designBytes);
  fuzz::WriteProjectFile("PCR", data + designBytes, size - designBytes);
  GetQMpDoc()->purlinKind = kind;
  GetQMpDoc()->AddLoadComb()->AddTerm(0, 1, 1.2, 1.0);

  const std::string report = chkrsl::host::UserFilePath(kind == kWallPurlin ? "Chk_QLT" : "Chk_WLT");
  std::remove(report.c_str());
  const bool written = WritePurlineRsl();
  const size_t layout = kind == kWallPurlin ? kWallDesignBytes : kRoofDesignBytes;
  const bool readable = (kind == kRoofPurlin || kind == kWallPurlin) && designBytes >= layout &&
                        size - designBytes >= kPurlinCheckBytes;
  FUZZ_CHECK(written == readable);
  FUZZ_CHECK(std::filesystem::exists(report) == readable);
  FUZZ_CHECK(GetQMpDoc()->purlinKind == kind);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Check(data, size);
  return 0;
}
