#include "chkrsl/store/eff_area_files.h"

#include "chkrsl/format/eff_area_file.h"
#include "chkrsl/io/output_file.h"
#include "chkrsl/store/call.h"
#include "chkrsl/store/find_entry.h"
#include "chkrsl/store/project_files.h"
#include "chkrsl/texts/messages.h"

namespace {

constexpr const char kEffAreaFile[] = "EFFAL";

}  // namespace

int ReadEffectiveArea(int eleNo, DataForEffArea*& out) {
  return chkrsl::ReadCall([&](chkrsl::Alerts& alerts) {
    chkrsl::io::FileSource file;
    if (!chkrsl::OpenProjectFile(kEffAreaFile, file, chkrsl::kEntryBlockBytes)) {
      alerts.Add(chkrsl::msg::kNotChecked);
      return 0;
    }
    chkrsl::EffAreaCursor entries(file);
    DataForEffArea* rec = nullptr;
    if (entries.ScanFor(eleNo) && entries.number() == eleNo) rec = entries.Read();
    if (!rec) return 0;
    out = rec;
    return 1;
  });
}

void WriteAlEffArea(CTypedPtrArray<CPtrArray, DataForEffArea*>& recs) {
  chkrsl::WriteCall([&](chkrsl::Alerts& alerts) {
    const std::string path = chkrsl::ProjectPath(kEffAreaFile);
    if (path.empty()) return;
    chkrsl::io::OutputFile out;
    if (!out.Open(path.c_str())) return;
    if (!chkrsl::io::WriteRecords(out, recs, [](DataForEffArea& rec, std::FILE* f) { rec.WriteEffArea(f); }))
      alerts.Add(chkrsl::msg::kWriteError);
  });
}
