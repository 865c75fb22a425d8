// Stand-in for starting Notepad on a file: starts a viewer program on a
// path, from an argument vector and never through a shell.
#pragma once

#include "chkrsl/export.h"

#include <functional>
#include <string>
#include <vector>

namespace chkrsl {

// Opens the file for the user and does not wait. With a launcher set by the
// host, the launcher does it. Otherwise a viewer process is started with the
// path as its last argument; the viewer is, in this order: the one the host
// set; the program named by the environment's CHKRSL_VIEWER; notepad.exe on
// Windows, xdg-open elsewhere. True when the file was handed over.
CHKRSL_API bool StartViewer(const std::string& path);

// The viewer's argument vector without the path, as StartViewer would use it.
std::vector<std::string> ViewerCommand();

namespace host {

// The viewer program and its leading arguments; an empty vector restores
// the environment's or the platform's default.
CHKRSL_API void SetViewer(std::vector<std::string> programAndArgs);

// Hands every file to be opened to `launcher` instead of starting a process
// (a host with its own editor, a batch tool that only writes, a test); an
// empty launcher restores the viewer process.
using ViewerLauncher = std::function<bool(const std::string& path)>;
CHKRSL_API void SetViewerLauncher(ViewerLauncher launcher);

}  // namespace host
}  // namespace chkrsl
