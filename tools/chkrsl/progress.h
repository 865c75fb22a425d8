// Progress of the long commands on standard error: files and bytes done,
// shown only on a terminal and only once the command has run a while.
#pragma once

#include <chrono>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

namespace chkrsl_cli {

struct ProgressOptions {
  std::ostream* err = nullptr;  // the terminal; null: never shown
  double delaySeconds = 1.0;    // shown once the command runs longer
};

// The size of the file at `path`; -1 when there is none.
int64_t FileSize(const std::string& path);

class Progress {
 public:
  // Over the files at `paths` that exist, each walked `passes` times.
  Progress(const ProgressOptions& options, const char* command,
           const std::vector<std::string>& paths, int passes = 1);
  Progress(const Progress&) = delete;
  Progress& operator=(const Progress&) = delete;
  ~Progress() { Clear(); }

  // `offset` bytes of the file(s) being walked are done.
  void At(int64_t offset) {
    current_ = offset;
    if (options_.err && ++calls_ % kCallsPerLook == 0) Look();
  }
  // The file(s) being walked are done.
  void FileDone(int files, int64_t bytes);
  // Clears the line, if one is shown (before a message, and at the end);
  // the next step shows it again.
  void Clear();

 private:
  static constexpr int kCallsPerLook = 64;
  void Look();

  ProgressOptions options_;
  std::string command_;
  int files_ = 0, filesDone_ = 0;
  int64_t bytes_ = 0, bytesDone_ = 0, current_ = 0;
  int64_t calls_ = 0;
  std::chrono::steady_clock::time_point start_, shown_;
  size_t width_ = 0;  // of the line shown; 0: none
};

}  // namespace chkrsl_cli
