// The purlin designs of the example: a roof purlin design in the example
// project and a wall purlin design in a project of its own beside it (both
// kinds share the check result file name "PCR"), each with the load
// combinations of its document.
#pragma once

#include <string>

namespace example {

// Name of the wall purlin project written beside project `name`.
std::string WallPurlinProjectName(const std::string& name);

// Writes both designs into `folder`; leaves project `name` open.
bool WritePurlinExample(const std::string& folder, const std::string& name);

}  // namespace example
