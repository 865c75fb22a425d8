// The project's files as the host names them.
#pragma once

#include <cstddef>
#include <string>

#include "chkrsl/io/source.h"

namespace chkrsl {

// The path of a project file, empty when the host composes none.
std::string ProjectPath(const char* ext);

// Opens the project file `ext` for reading; false when it has no path or
// cannot be opened.
bool OpenProjectFile(const char* ext, io::FileSource& file, size_t blockBytes);

}  // namespace chkrsl
