#include "record_walk.h"

#include "chkrsl/internal.h"
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

ResultFileWalk::ResultFileWalk(const std::string& path) {
  walker_ = std::make_unique<chkrsl::EntryWalker>(path);
  if (!walker_->opened()) walker_.reset();
}

ResultFileWalk::~ResultFileWalk() = default;

bool ResultFileWalk::Next() { return walker_ && walker_->Next(entry_); }

template <class Cursor, class Rec>
CountedFileWalk<Cursor, Rec>::CountedFileWalk(const std::string& path) {
  if (!file_.Open(path, chkrsl::io::FileSource::kLoadBlockBytes)) return;
  present_ = true;
  cursor_ = std::make_unique<Cursor>(file_, &stop_);
  declared_ = cursor_->declared();
}

template <class Cursor, class Rec>
CountedFileWalk<Cursor, Rec>::~CountedFileWalk() = default;

template <class Cursor, class Rec>
bool CountedFileWalk<Cursor, Rec>::Next(Rec& rec) {
  if (!cursor_ || !stop_.why.empty() || !cursor_->Next()) return false;
  std::unique_ptr<Rec> read(cursor_->Read());
  if (!read) return false;
  rec = *read;
  return true;
}

template class CountedFileWalk<chkrsl::EdgeCursor, DataForWallEdge>;
template class CountedFileWalk<chkrsl::EffAreaCursor, DataForEffArea>;

}  // namespace chkrsl_cli
