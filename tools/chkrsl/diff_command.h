// chkrsl diff OLD NEW: what changed between two runs of the checks.
#pragma once

#include <string>

#include "commands.h"

namespace chkrsl_cli {

struct DiffOptions {
  std::string oldProject;  // "<folder>/<name>"
  std::string newProject;
  double tolerance = 0;  // relative
  double atol = 0;       // absolute
  bool stat = false;     // counts instead of every change
  bool brief = false;    // only whether the projects differ
};

// Elements and walls added, removed, whose check status changed or whose
// stored values changed beyond the tolerances, grouped by structure kind;
// then the wall edges, the effective areas and the purlin design; damaged
// files on either side are reported. Exit 0 when equal, 1 when different,
// 2 when either project's element table cannot be read.
int DiffProjects(const DiffOptions& options, const Output& o);

}  // namespace chkrsl_cli
