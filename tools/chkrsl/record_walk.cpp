#include "record_walk.h"

#include <cstdio>

#include "project_loader.h"

namespace chkrsl_cli {

std::vector<std::string> ElementFileExts() {
  std::vector<std::string> exts = ResultFileExts();
  exts.pop_back();  // "CHKCW"
  return exts;
}

bool WalkFile(const std::string& path, const std::function<void(const chkrsl::WalkedEntry&)>& visit,
              chkrsl::WalkSummary& summary) {
  constexpr size_t kBufferBytes = size_t{256} * 1024;
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return false;
  // A buffer of our own: given none, stdio keeps its small default size.
  std::vector<char> buffer(kBufferBytes);
  std::setvbuf(f, buffer.data(), _IOFBF, buffer.size());
  summary = chkrsl::WalkResultEntries(f, visit);
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

}  // namespace chkrsl_cli

#include "chkrsl/chkrsl.h"

namespace chkrsl_cli {

bool ForEachEdge(const std::function<void(const DataForWallEdge&)>& visit) {
  std::FILE* f = std::fopen(ProjectFile("Edge").c_str(), "rb");
  if (!f) return false;
  int32_t n = 0;
  bool whole =
      chkrsl::io::ReadI32(f, n) && chkrsl::io::CountFits(f, n, 4 + DataForWallEdge::kPayloadBytes);
  for (int32_t i = 0; whole && i < n; ++i) {
    DataForWallEdge edge;
    whole = chkrsl::io::ReadI32(f, edge.edgeNo) && edge.ReadRsl(f);
    if (whole) visit(edge);
  }
  std::fclose(f);
  return whole;
}

}  // namespace chkrsl_cli
