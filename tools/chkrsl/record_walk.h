// Walking the result files of a project entry by entry, so that memory does
// not grow with the project.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "chkrsl/store/project_walk.h"

namespace chkrsl_cli {

using EntryVisit = std::function<void(const std::string& ext, const chkrsl::WalkedEntry&)>;

// The element result files (without the wall file "CHKCW").
std::vector<std::string> ElementFileExts();

// Walks the file at `path` with a large read buffer. False when it cannot
// be opened.
bool WalkFile(const std::string& path, const std::function<void(const chkrsl::WalkedEntry&)>& visit,
              chkrsl::WalkSummary& summary);

// Walks each of the open project's files named by `exts` that exists.
void ForEachEntry(const std::vector<std::string>& exts, const EntryVisit& visit);

}  // namespace chkrsl_cli

class DataForWallEdge;

namespace chkrsl_cli {

// Walks the open project's "Edge" file: a count, then per edge its number
// and payload. False when the file is missing or ends before its count.
bool ForEachEdge(const std::function<void(const DataForWallEdge&)>& visit);

}  // namespace chkrsl_cli
