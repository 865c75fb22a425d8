// Opens a project for the tool and stands in for the design document.
#pragma once

#include <string>

namespace chkrsl_cli {

// Opens the project given as "<folder>/<name>" (its files are
// "<folder>/<name>.<ext>"). False when the path names no project.
bool OpenProjectPath(const std::string& projectPath);

// The readers compare each stored section type with the document's current
// one. The tool has no design document, so it takes the stored section type
// of every entry of every result file as the element's current one.
void AdoptStoredSections();

}  // namespace chkrsl_cli
