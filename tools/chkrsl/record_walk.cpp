#include "record_walk.h"

#include "chkrsl/internal.h"
#include "chkrsl/format/edge_file.h"
#include "chkrsl/io/source.h"
#include "project_loader.h"

namespace chkrsl_cli {

std::vector<std::string> ElementFileExts() {
  std::vector<std::string> exts = ResultFileExts();
  exts.pop_back();  // "CHKCW"
  return exts;
}

bool WalkFile(const std::string& path, const std::function<void(const chkrsl::WalkedEntry&)>& visit,
              chkrsl::WalkSummary& summary) {
  chkrsl::EntryWalker walker(path);
  if (!walker.opened()) return false;
  chkrsl::WalkedEntry e;
  while (walker.Next(e)) visit(e);
  summary = walker.Summary();
  return true;
}

void ForEachEntry(const std::vector<std::string>& exts, const EntryVisit& visit) {
  for (const std::string& ext : exts) {
    chkrsl::WalkSummary summary;
    WalkFile(
        ProjectFile(ext), [&](const chkrsl::WalkedEntry& e) { visit(ext, e); }, summary);
  }
}

bool ForEachEdge(const std::function<void(const DataForWallEdge&)>& visit) {
  chkrsl::io::FileSource file;
  if (!file.Open(ProjectFile("Edge"), chkrsl::io::FileSource::kLoadBlockBytes)) return false;
  chkrsl::EdgeCursor edges(file);
  bool whole = edges.sound();
  while (whole && edges.Next()) {
    std::unique_ptr<DataForWallEdge> edge(edges.Read());
    whole = edge != nullptr;
    if (whole) visit(*edge);
  }
  return whole;
}

}  // namespace chkrsl_cli
