#include "record_walk.h"

#include <cstdio>

#include "chkrsl/chkrsl.h"
#include "project_loader.h"

namespace chkrsl_cli {

std::vector<std::string> ElementFileExts() {
  std::vector<std::string> exts = ResultFileExts();
  exts.pop_back();  // "CHKCW"
  return exts;
}

bool WalkFile(const std::string& path, const std::function<void(const chkrsl::WalkedEntry&)>& visit,
              chkrsl::WalkSummary& summary) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return false;
  {
    // Decoding reads many small fields: served from a block, not per call.
    chkrsl::io::ReadAhead ahead(f, chkrsl::io::kLoadBlockBytes);
    summary = chkrsl::WalkResultEntries(f, visit);
  }
  std::fclose(f);
  return true;
}

void ForEachEntry(const std::vector<std::string>& exts, const EntryVisit& visit) {
  for (const std::string& ext : exts) {
    chkrsl::WalkSummary summary;
    WalkFile(
        ProjectFile(ext), [&](const chkrsl::WalkedEntry& e) { visit(ext, e); }, summary);
  }
}

EdgeWalk ForEachEdge(const std::function<void(const DataForWallEdge&)>& visit) {
  constexpr int64_t kEntryBytes = 4 + DataForWallEdge::kPayloadBytes;
  EdgeWalk walk;
  std::FILE* f = std::fopen(ProjectFile("Edge").c_str(), "rb");
  if (!f) return walk;
  walk.present = true;
  int32_t n = 0;
  if (!chkrsl::io::ReadI32(f, n) || !chkrsl::io::CountFits(f, n, kEntryBytes)) {
    walk.stop = "edge count " + std::to_string(n) + " cannot fit in the file";
    n = 0;
  }
  walk.declared = n;
  for (int32_t i = 0; i < n; ++i) {
    DataForWallEdge edge;
    if (!chkrsl::io::ReadI32(f, edge.edgeNo) || !edge.ReadRsl(f)) {
      walk.stop = "edge entry " + std::to_string(i) + " cut short";
      walk.stopOffset = 4 + kEntryBytes * i;
      break;
    }
    visit(edge);
  }
  std::fclose(f);
  return walk;
}

}  // namespace chkrsl_cli
