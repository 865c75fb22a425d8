#include "chkrsl/purlin/report_writer.h"

#include "chkrsl/io/file_io.h"
#include "chkrsl/platform/acad.h"
#include "chkrsl/platform/clock.h"
#include "chkrsl/platform/qmbaseform.h"
#include "chkrsl/platform/viewer.h"
#include "chkrsl/purlin/purlin_data.h"
#include "chkrsl/purlin/report_layout.h"
#include "chkrsl/texts/alerts.h"
#include "chkrsl/texts/messages.h"

namespace {

const char* ReportFileName(int kind) { return kind == kRoofPurlin ? "Chk_WLT" : "Chk_QLT"; }

}  // namespace

bool WritePurlineRsl() {
  return chkrsl::Call([](chkrsl::Alerts& alerts) {
    PurlineDesData des;
    if (!ReadPurlineDesData(des)) return false;
    const int kind = GetQMpDoc()->purlinKind;
    char path[kProjPathBufferSize];
    if (GetProjFileName_User(path, ReportFileName(kind), true, false, 0) != 1) return false;
    PurlineChkData chk;
    if (!ReadPurlineChkData(chk)) return false;

    // The report is made in memory and written in one piece: running out of
    // memory before that writes nothing.
    chkrsl::ReportStream out;
    chkrsl::WritePurlinReport(out, des, chk, kind, chkrsl::CtimeText(chkrsl::CurrentWritingTime()));
    // The stream already holds CR LF, so the bytes are written as they are.
    if (!chkrsl::io::WriteWholeFile(path, out.bytes().data(), out.bytes().size())) {
      // No part of a report is left behind, and the viewer is not started on
      // what is not there.
      alerts.Add(chkrsl::msg::kWriteError);
      return false;
    }
    return chkrsl::StartViewer(path);
  });
}

bool OpenInNotepad(const char* path) {
  return chkrsl::Call([&](chkrsl::Alerts&) { return path && chkrsl::StartViewer(path); });
}
