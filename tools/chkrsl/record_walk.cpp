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

ResultFileWalk::ResultFileWalk(const std::string& path) {
  f_ = std::fopen(path.c_str(), "rb");
  if (!f_) return;
  ahead_.emplace(f_, chkrsl::io::kLoadBlockBytes);
  walker_ = std::make_unique<chkrsl::EntryWalker>(f_);
}

ResultFileWalk::~ResultFileWalk() {
  walker_.reset();
  ahead_.reset();
  if (f_) std::fclose(f_);
}

bool ResultFileWalk::Next() { return walker_ && walker_->Next(entry_); }

const uint8_t* ResultFileWalk::Bytes(size_t& n) {
  const chkrsl::EntryHeader& h = entry_.header;
  // A body that carries its own length word: the word, then bodyBytes.
  const bool lengthWord = chkrsl::EntryBodyBytes(h.storedCode, h.secType) < 0;
  const int64_t bytes = 12 + (lengthWord ? 4 : 0) + entry_.bodyBytes;
  const int64_t end = entry_.offset + bytes;
  if (bytes < 0 || end > ahead_->Size()) return nullptr;
  n = static_cast<size_t>(bytes);
  // The walk has just read the entry: it is mostly still in the block, and
  // the position goes back to its end, where the walk goes on.
  const uint8_t* in = ahead_->MoveTo(entry_.offset) ? ahead_->Borrow(n) : nullptr;
  if (!in) {
    copy_.resize(n);
    in = ahead_->MoveTo(entry_.offset) && ahead_->Read(copy_.data(), n) == n ? copy_.data()
                                                                             : nullptr;
  }
  return ahead_->MoveTo(end) ? in : nullptr;
}

namespace {

constexpr int64_t kEdgeEntryBytes = 4 + DataForWallEdge::kPayloadBytes;

// Opens a counted file and reads its count; the count must fit in the file.
std::FILE* OpenCounted(const std::string& path, int64_t entryBytes, CountedWalk& walk) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return nullptr;
  walk.present = true;
  int32_t n = 0;
  if (!chkrsl::io::ReadI32(f, n) || !chkrsl::io::CountFits(f, n, entryBytes)) {
    walk.stop = "entry count " + std::to_string(n) + " cannot fit in the file";
    return f;
  }
  walk.declared = n;
  return f;
}

}  // namespace

EdgeCursor::EdgeCursor(const std::string& path) { f_ = OpenCounted(path, kEdgeEntryBytes, walk_); }

EdgeCursor::~EdgeCursor() {
  if (f_) std::fclose(f_);
}

bool EdgeCursor::Next(DataForWallEdge& edge) {
  if (!f_ || walked_ >= walk_.declared || !walk_.stop.empty()) return false;
  if (!chkrsl::io::ReadI32(f_, edge.edgeNo) || !edge.ReadRsl(f_)) {
    walk_.stop = "edge entry " + std::to_string(walked_) + " cut short";
    walk_.stopOffset = 4 + kEdgeEntryBytes * walked_;
    return false;
  }
  ++walked_;
  return true;
}

EffAreaCursor::EffAreaCursor(const std::string& path) {
  f_ = OpenCounted(path, DataForEffArea::kKeyBytes, walk_);
  if (f_) size_ = chkrsl::io::BytesLeft(f_) + 4;
}

EffAreaCursor::~EffAreaCursor() {
  if (f_) std::fclose(f_);
}

bool EffAreaCursor::Next(DataForEffArea& rec) {
  if (!f_ || walked_ >= walk_.declared || !walk_.stop.empty()) return false;
  const int64_t offset = size_ - chkrsl::io::BytesLeft(f_);
  if (!chkrsl::io::ReadI32(f_, rec.eleNo) || !chkrsl::io::ReadI32(f_, rec.dataLength) ||
      !rec.ReadEffArea(f_)) {
    walk_.stop = "entry " + std::to_string(walked_) + " cut short or with a negative list count";
    walk_.stopOffset = offset;
    return false;
  }
  ++walked_;
  return true;
}

EdgeWalk ForEachEdge(const std::function<void(const DataForWallEdge&)>& visit) {
  EdgeCursor cursor(ProjectFile("Edge"));
  DataForWallEdge edge;
  while (cursor.Next(edge)) visit(edge);
  return cursor.Walk();
}

}  // namespace chkrsl_cli
