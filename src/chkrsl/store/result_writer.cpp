#include "chkrsl/store/result_writer.h"

#include <climits>

#include "chkrsl/io/source.h"
#include "chkrsl/io/output_file.h"
#include "chkrsl/platform/qmbaseform.h"
#include "chkrsl/format/file_codes.h"
#include "chkrsl/store/call.h"
#include "chkrsl/store/entry_index.h"
#include "chkrsl/store/project_files.h"
#include "chkrsl/texts/messages.h"

namespace chkrsl {
namespace {

constexpr int kNoFileCode = -1;
constexpr int kCountOnlyCode = 1;  // "CHKLT": counted, no record written

struct FileOfCode {
  int code;
  const char* name;
};

// In the order the files are finished and closed.
constexpr FileOfCode kFilesOfCodes[] = {
    {1, "CHKLT"},    {2, "CHKCM"},    {5, "CHKGS"},    {6, "CHKST"},
    {7, "CHKAL"},    {8, "CHKHB"},    {10, "CHKPT"},   {3, "CHKCT"},
    {25, "CHKGS_N"}, {26, "CHKST_N"}, {28, "CHKHB_N"}, {30, "CHKPT_N"},
};
constexpr int kFileCount = sizeof kFilesOfCodes / sizeof kFilesOfCodes[0];

int SlotOfCode(int code) {
  for (int i = 0; i < kFileCount; ++i) {
    if (kFilesOfCodes[i].code == code) return i;
  }
  return -1;
}

// The result files of one call, each opened on first use.
class ResultOutputs {
 public:
  // The open file of a slot, opening it with a provisional count of 0 on
  // first use; null when it cannot be created.
  io::OutputFile* Get(int slot) {
    io::OutputFile& out = files_[slot];
    if (!tried_[slot]) {
      tried_[slot] = true;
      const std::string path = ProjectPath(kFilesOfCodes[slot].name);
      ForgetEntryIndex(path);
      if (!path.empty() && out.Open(path)) out.WriteCount(0);
      else failed_ = true;
    }
    return out.IsOpen() ? &out : nullptr;
  }

  void Count(int slot) { ++counts_[slot]; }

  // Finishes the files in the order of the table; true when all of them,
  // and every file tried, were written.
  bool FinishAll() {
    for (int i = 0; i < kFileCount; ++i) {
      if (files_[i].IsOpen() && !files_[i].Finish(counts_[i])) failed_ = true;
    }
    return !failed_;
  }

 private:
  io::OutputFile files_[kFileCount];
  int32_t counts_[kFileCount] = {};
  bool tried_[kFileCount] = {};
  bool failed_ = false;
};

// Element type codes are kept positive in memory; the record negates its
// code itself when it is an energy-dissipating member.
int TypeCodeToKeep(int32_t stored) {
  return stored < 0 && stored != INT_MIN ? -stored : stored;
}

void WriteEntry(ResultOutputs& outputs, const FileCodeEntry& e, CHKRsl* rec) {
  const int slot = SlotOfCode(e.fileCode);
  // Passed over, written nowhere and counted nowhere: an unknown file code,
  // a missing record, or a type code that has no positive value.
  if (slot < 0 || !rec || e.typeCode == INT_MIN) return;
  io::OutputFile* out = outputs.Get(slot);
  if (!out) return;
  outputs.Count(slot);
  if (e.fileCode == kCountOnlyCode || out->Failed()) return;
  rec->eleType = TypeCodeToKeep(e.typeCode);
  rec->WriteToCHK(out->stream());
  out->CheckStream();
}

}  // namespace

const char* ResultFileOfCode(int fileCode) {
  const int slot = SlotOfCode(fileCode);
  return slot < 0 ? nullptr : kFilesOfCodes[slot].name;
}

}  // namespace chkrsl

void WriteCHKResult(CTypedPtrArray<CPtrArray, CHKRsl*>& recs) {
  chkrsl::WriteCall([&](chkrsl::Alerts& alerts) {
    chkrsl::io::FileSource table;
    if (!chkrsl::OpenProjectFile("CHKFF", table, chkrsl::io::FileSource::kLoadBlockBytes)) return;
    chkrsl::FileCodeCursor plan(table);
    chkrsl::ResultOutputs outputs;
    for (INT_PTR i = 0; i < recs.GetSize() && plan.Next(); ++i) {
      const chkrsl::FileCodeEntry& e = plan.entry();
      if (e.fileCode == chkrsl::kNoFileCode) continue;
      chkrsl::WriteEntry(outputs, e, recs[i]);
    }
    if (!outputs.FinishAll()) alerts.Add(chkrsl::msg::kWriteError);
  });
}

// A writer that runs out of memory leaves each file it had not finished
// with a count of 0 (io::OutputFile does when it is left unfinished).
void WriteCHKResult_Wall(CTypedPtrArray<CPtrArray, CHKRsl*>& recs) {
  chkrsl::WriteCall([&](chkrsl::Alerts& alerts) {
    const std::string path = chkrsl::ProjectPath("CHKCW");
    if (path.empty()) return;
    chkrsl::io::OutputFile out;
    chkrsl::ForgetEntryIndex(path);
    if (!out.Open(path) ||
        !chkrsl::io::WriteRecords(out, recs, [](CHKRsl& rec, std::FILE* f) { rec.WriteToCHK(f); }))
      alerts.Add(chkrsl::msg::kWriteError);
  });
}
