// chkrsl export: every record with every named field, as JSON Lines or CSV,
// streamed entry by entry.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "commands.h"

namespace chkrsl_cli {

struct ExportOptions {
  bool csv = false;                           // else JSON Lines
  std::string outputDir;                      // one file per record class; empty: the output stream
  bool excel = false;                         // CSV starts with a UTF-8 byte-order mark
  std::vector<std::pair<int, int>> elements;  // inclusive ranges; empty: all
  int kind = 0;                               // structure kind; 0: all
  std::string className;                      // empty: all
  bool walls = false;                         // also the walls and edges
};

// "1,5-9" as ranges; false for any other text.
bool ParseElementRanges(const std::string& text, std::vector<std::pair<int, int>>& ranges);

// Exit 0; 1 when some records could not be read (each is left out and named
// on the error stream) or none matches the selection; 2 when the element
// table cannot be read or an output cannot be made or written.
int ExportRecords(const ExportOptions& options, const Output& o);

}  // namespace chkrsl_cli
