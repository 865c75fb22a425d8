#include "chkrsl/platform/viewer.h"

#include <cstdlib>

#ifdef _WIN32
#include <windows.h>
#else
#include <spawn.h>
#include <sys/types.h>
#include <sys/wait.h>
extern char** environ;
#endif

namespace chkrsl {
namespace {

std::vector<std::string>& HostViewer() {
  static std::vector<std::string> viewer;
  return viewer;
}

host::ViewerLauncher& Launcher() {
  static host::ViewerLauncher launcher;
  return launcher;
}

#ifdef _WIN32

// One argument of a Windows command line, quoted when it holds blanks or
// quotes, so that a path with blanks stays one argument.
std::string QuoteArgument(const std::string& arg) {
  if (!arg.empty() && arg.find_first_of(" \t\"") == std::string::npos) return arg;
  std::string out = "\"";
  size_t backslashes = 0;
  for (char c : arg) {
    if (c == '\\') {
      ++backslashes;
      continue;
    }
    out.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
    backslashes = 0;
    out += c;
  }
  out.append(backslashes * 2, '\\');
  return out + "\"";
}

bool Start(const std::vector<std::string>& argv) {
  std::string line;
  for (const std::string& a : argv) line += (line.empty() ? "" : " ") + QuoteArgument(a);
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
    return false;
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return true;
}

#else

// Viewers started earlier; each is reaped once it has ended, so that a
// long-running host does not collect finished children.
std::vector<pid_t>& StartedViewers() {
  static std::vector<pid_t> pids;
  return pids;
}

void ReapFinished() {
  std::vector<pid_t>& pids = StartedViewers();
  for (size_t i = 0; i < pids.size();) {
    int status = 0;
    if (waitpid(pids[i], &status, WNOHANG) != 0) {
      pids[i] = pids.back();
      pids.pop_back();
    } else {
      ++i;
    }
  }
}

bool Start(const std::vector<std::string>& argv) {
  ReapFinished();
  std::vector<char*> args;
  args.reserve(argv.size() + 1);
  for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  // Room for the pid first: a viewer once started is always kept to be reaped.
  std::vector<pid_t>& started = StartedViewers();
  started.reserve(started.size() + 1);
  pid_t pid = 0;
  if (posix_spawnp(&pid, args[0], nullptr, nullptr, args.data(), environ) != 0) return false;
  started.push_back(pid);
  return true;
}

#endif

}  // namespace

std::vector<std::string> ViewerCommand() {
  if (!HostViewer().empty()) return HostViewer();
  const char* env = std::getenv("CHKRSL_VIEWER");
  if (env && *env) return {env};
#ifdef _WIN32
  return {"notepad.exe"};
#else
  return {"xdg-open"};
#endif
}

bool StartViewer(const std::string& path) {
  if (Launcher()) return Launcher()(path);
  std::vector<std::string> argv = ViewerCommand();
  if (argv.empty() || argv[0].empty()) return false;
  argv.push_back(path);
  return Start(argv);
}

namespace host {

void SetViewer(std::vector<std::string> programAndArgs) {
  HostViewer() = std::move(programAndArgs);
}

void SetViewerLauncher(ViewerLauncher launcher) { Launcher() = std::move(launcher); }

}  // namespace host
}  // namespace chkrsl
