// Walking the result files of a project entry by entry with the library's
// walkers and cursors, so that memory does not grow with the project.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "chkrsl/format/reporter.h"
#include "chkrsl/io/source.h"
#include "chkrsl/store/project_walk.h"

class DataForEffArea;
class DataForWallEdge;

namespace chkrsl {
class EdgeCursor;
class EffAreaCursor;
}  // namespace chkrsl

namespace chkrsl_cli {

// The element result files (without the wall file "CHKCW").
std::vector<std::string> ElementFileExts();

// Walks the file at `path`. False when it cannot be opened.
bool WalkFile(const std::string& path, const std::function<void(const chkrsl::WalkedEntry&)>& visit,
              chkrsl::WalkSummary& summary);

// A result file walked entry by entry, each entry's stored bytes at hand
// (two walks of files that are mostly equal compare bytes first).
class ResultFileWalk {
 public:
  // Opens the file at `path`; present() says whether it could be.
  explicit ResultFileWalk(const std::string& path);
  ResultFileWalk(const ResultFileWalk&) = delete;
  ResultFileWalk& operator=(const ResultFileWalk&) = delete;
  ~ResultFileWalk();

  bool present() const { return walker_ != nullptr; }
  // The next entry (its record lives until the next call); false at the end
  // or where the walk stops (Summary().stop says why).
  bool Next();
  const chkrsl::WalkedEntry& entry() const { return entry_; }
  const chkrsl::WalkSummary& Summary() const { return walker_->Summary(); }
  // The entry's bytes as stored, header to end; null when they cannot be read.
  const uint8_t* Bytes(size_t& n) { return walker_->StoredBytes(n); }

 private:
  std::unique_ptr<chkrsl::EntryWalker> walker_;
  chkrsl::WalkedEntry entry_;
};

// Keeps the first problem a library cursor tells.
struct FirstProblem : chkrsl::Reporter {
  std::string why;
  int64_t offset = 0;
  void Problem(int64_t at, int, const std::string& what) override {
    if (!why.empty()) return;
    why = what;
    offset = at;
  }
};

// What a walk of "Edge" or "EFFAL" found apart from its entries.
struct CountedWalk {
  bool present = false;  // the file could be opened
  int declared = 0;
  std::string stop;  // why the walk ended before the declared count, at stopOffset
  int64_t stopOffset = 0;
};

// The "Edge" file at `path` (or "EFFAL"), walked with the library's cursor
// one entry per Next; false at the end or where the walk stops.
template <class Cursor, class Rec>
class CountedFileWalk {
 public:
  explicit CountedFileWalk(const std::string& path);
  CountedFileWalk(const CountedFileWalk&) = delete;
  CountedFileWalk& operator=(const CountedFileWalk&) = delete;
  ~CountedFileWalk();
  bool Next(Rec& rec);
  CountedWalk Walk() const { return {present_, declared_, stop_.why, stop_.offset}; }

 private:
  chkrsl::io::FileSource file_;
  FirstProblem stop_;
  std::unique_ptr<Cursor> cursor_;
  bool present_ = false;
  int declared_ = 0;
};
using EdgeFileWalk = CountedFileWalk<chkrsl::EdgeCursor, DataForWallEdge>;
using EffAreaFileWalk = CountedFileWalk<chkrsl::EffAreaCursor, DataForEffArea>;

}  // namespace chkrsl_cli
