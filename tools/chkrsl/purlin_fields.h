// The purlin design of the open project as named values, for comparing two
// projects: the roof and wall design inputs and the check results, each
// read by the library's readers.
#pragma once

#include <array>
#include <string>
#include <utility>
#include <vector>

namespace chkrsl_cli {

struct PurlinPart {
  const char* name;  // "roof", "wall", "check"
  const char* file;  // "Dlg_DesWLT", "Dlg_DesQLT", "PCR"
  const char* className;  // of the library's structure it is read into
  bool present = false;
  std::vector<std::pair<std::string, double>> values;  // in layout order
};
using PurlinFields = std::array<PurlinPart, 3>;

PurlinFields ReadPurlinFields();

}  // namespace chkrsl_cli
