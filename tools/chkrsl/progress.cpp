#include "progress.h"

#include <filesystem>
#include <system_error>

namespace chkrsl_cli {
namespace {

constexpr double kRefreshSeconds = 0.2;

std::string Megabytes(int64_t bytes) { return std::to_string((bytes + 500000) / 1000000); }

}  // namespace

int64_t FileSize(const std::string& path) {
  std::error_code ec;
  const auto size = std::filesystem::file_size(path, ec);
  return ec ? -1 : static_cast<int64_t>(size);
}

Progress::Progress(const ProgressOptions& options, const char* command,
                   const std::vector<std::string>& paths, int passes)
    : options_(options), command_(command), start_(std::chrono::steady_clock::now()) {
  for (const std::string& path : paths) {
    const int64_t size = FileSize(path);
    if (size < 0) continue;
    files_ += passes;
    bytes_ += passes * size;
  }
}

void Progress::FileDone(int files, int64_t bytes) {
  filesDone_ += files;
  bytesDone_ += bytes;
  current_ = 0;
  if (options_.err) Look();
}

void Progress::Look() {
  const auto now = std::chrono::steady_clock::now();
  const double running = std::chrono::duration<double>(now - start_).count();
  if (running < options_.delaySeconds) return;
  if (width_ > 0 && std::chrono::duration<double>(now - shown_).count() < kRefreshSeconds) return;
  shown_ = now;
  std::string line = "chkrsl " + command_ + ": " + std::to_string(filesDone_) + " of " +
                     std::to_string(files_) + " files, " + Megabytes(bytesDone_ + current_) +
                     " of " + Megabytes(bytes_) + " MB";
  if (line.size() < width_) line.append(width_ - line.size(), ' ');
  width_ = line.size();
  *options_.err << '\r' << line << std::flush;
}

void Progress::Clear() {
  if (width_ == 0) return;
  *options_.err << '\r' << std::string(width_, ' ') << '\r' << std::flush;
  width_ = 0;
}

}  // namespace chkrsl_cli
