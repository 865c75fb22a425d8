// Stand-in for starting Notepad on a file: starts a viewer program on a
// path, from an argument vector and never through a shell.
#pragma once

#include <string>
#include <vector>

namespace chkrsl {

// Starts the viewer with the file's path as its last argument and does not
// wait for it. True when the process was started. The viewer is, in this
// order: the one the host set; the program named by the environment's
// CHKRSL_VIEWER; notepad.exe on Windows, xdg-open elsewhere.
bool StartViewer(const std::string& path);

// The viewer's argument vector without the path, as StartViewer would use it.
std::vector<std::string> ViewerCommand();

namespace host {

// The viewer program and its leading arguments; an empty vector restores
// the environment's or the platform's default.
void SetViewer(std::vector<std::string> programAndArgs);

}  // namespace host
}  // namespace chkrsl
