// Walking the result files of a project entry by entry, so that memory does
// not grow with the project. Every read of a file's bytes the tool makes
// itself, beside the checks of `verify`, is here.
#pragma once

#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "chkrsl/io/file_io.h"
#include "chkrsl/store/entry_walk.h"

class DataForEffArea;
class DataForWallEdge;

namespace chkrsl_cli {

using EntryVisit = std::function<void(const std::string& ext, const chkrsl::WalkedEntry&)>;

// The element result files (without the wall file "CHKCW").
std::vector<std::string> ElementFileExts();

// Walks the file at `path`. False when it cannot be opened.
bool WalkFile(const std::string& path, const std::function<void(const chkrsl::WalkedEntry&)>& visit,
              chkrsl::WalkSummary& summary);

// Walks each of the open project's files named by `exts` that exists.
void ForEachEntry(const std::vector<std::string>& exts, const EntryVisit& visit);

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
  const uint8_t* Bytes(size_t& n);

 private:
  std::FILE* f_ = nullptr;
  std::optional<chkrsl::io::ReadAhead> ahead_;
  std::unique_ptr<chkrsl::EntryWalker> walker_;
  chkrsl::WalkedEntry entry_;
  std::vector<uint8_t> copy_;  // an entry the read-ahead block does not hold whole
};

// What a walk of "Edge" or "EFFAL" found apart from its entries.
struct CountedWalk {
  bool present = false;  // the file could be opened
  int declared = 0;
  std::string stop;  // why the walk ended before the declared count, at stopOffset
  int64_t stopOffset = 0;
};
using EdgeWalk = CountedWalk;

// Walks the open project's "Edge" file: a count, then per edge its number
// and payload.
EdgeWalk ForEachEdge(const std::function<void(const DataForWallEdge&)>& visit);

// The "Edge" file at `path` (or "EFFAL": a count, then per entry its element
// number, length word and lists), one entry per Next; false at the end or
// where the walk stops.
class EdgeCursor {
 public:
  explicit EdgeCursor(const std::string& path);
  EdgeCursor(const EdgeCursor&) = delete;
  EdgeCursor& operator=(const EdgeCursor&) = delete;
  ~EdgeCursor();
  bool Next(DataForWallEdge& edge);
  const CountedWalk& Walk() const { return walk_; }

 private:
  std::FILE* f_ = nullptr;
  CountedWalk walk_;
  int walked_ = 0;
};

class EffAreaCursor {
 public:
  explicit EffAreaCursor(const std::string& path);
  EffAreaCursor(const EffAreaCursor&) = delete;
  EffAreaCursor& operator=(const EffAreaCursor&) = delete;
  ~EffAreaCursor();
  bool Next(DataForEffArea& rec);
  const CountedWalk& Walk() const { return walk_; }

 private:
  std::FILE* f_ = nullptr;
  CountedWalk walk_;
  int walked_ = 0;
  int64_t size_ = 0;
};

}  // namespace chkrsl_cli
