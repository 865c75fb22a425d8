// Walking the result files of a project entry by entry, so that memory does
// not grow with the project. Every read of a file's bytes the tool makes
// itself, beside the checks of `verify`, is here.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "chkrsl/store/entry_walk.h"

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

// What a walk of "Edge" found apart from its edges.
struct EdgeWalk {
  bool present = false;  // the file could be opened
  int declared = 0;
  std::string stop;  // why the walk ended before the declared count, at stopOffset
  int64_t stopOffset = 0;
};

// Walks the open project's "Edge" file: a count, then per edge its number
// and payload.
EdgeWalk ForEachEdge(const std::function<void(const DataForWallEdge&)>& visit);

}  // namespace chkrsl_cli
