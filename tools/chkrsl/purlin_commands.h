// The tool's commands for clause texts and the purlin design report.
#pragma once

#include <iosfwd>
#include <string>

#include "commands.h"

class MyPerDocData;

namespace chkrsl_cli {

enum class PlateKind { kWeb, kFlange };

// Prints the clause text and verdict of `ruleCode` for `ratio` (as UTF-8)
// and whether the plate passes. Exit 0; 64 for a code without a clause for
// the plate or a ratio that is not a finite number.
int PrintRule(PlateKind plate, int ruleCode, double ratio, bool useEffective, const Output& o);

// Fills the document's load combinations from a JSON file of the form
// {"combinations": [[{"kind": 0, "case": 0, "factor": 1.2, "coef": 1}, ...], ...]}.
// False, with the reason in `error`, when the file cannot be read or has
// another form; the document then holds no combinations.
bool LoadCombinationsJson(const std::string& path, MyPerDocData& doc, std::string& error);

struct PurlinReportOptions {
  int purlinKind = 0;              // 1 roof, 2 wall; 0 picks the kind whose design file exists
  std::string combinations;        // JSON file; empty: "<project>.LoadComb.json" when it exists
  std::string outputFolder = ".";  // where the report is written (the user area)
  bool print = false;              // print the report as UTF-8 and write no file
  bool open = false;               // open it in the viewer
};

// Writes the purlin report of the open project. Returns 0 when it was
// written, 1 when it could not be.
int WritePurlinReport(const PurlinReportOptions& options, std::ostream& out, std::ostream& err);

}  // namespace chkrsl_cli
