// What every fuzz target shares: a project folder of its own (on a memory
// file system when there is one), files written into it from the input,
// alerts counted instead of printed, and the bytes a record writes.
#pragma once

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "chkrsl/internal.h"
#include "chkrsl/format/result_file.h"
#include "chkrsl/io/source.h"

namespace fuzz {

using Bytes = std::vector<uint8_t>;

// Reports a broken oracle the way a sanitizer reports a fault, so that
// libFuzzer keeps the input.
#define FUZZ_CHECK(cond)                                                     \
  do {                                                                       \
    if (!(cond)) {                                                           \
      std::fprintf(stderr, "oracle failed: %s (%s:%d)\n", #cond, __FILE__, __LINE__); \
      std::abort();                                                          \
    }                                                                        \
  } while (0)

inline int& AlertCount() {
  static int count = 0;
  return count;
}

// Opens the project "fuzz" in a folder of this process, once.
inline const std::string& ProjectFolder() {
  static const std::string folder = [] {
    const std::filesystem::path base = std::filesystem::exists("/dev/shm")
                                           ? std::filesystem::path("/dev/shm")
                                           : std::filesystem::temp_directory_path();
    const std::filesystem::path dir = base / ("chkrsl-fuzz-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    // Removed on a normal exit (through a copy that outlives the statics);
    // left for a look after a finding.
    static const std::string* toRemove = new std::string(dir.string());
    std::atexit([] {
      std::error_code ignored;
      std::filesystem::remove_all(*toRemove, ignored);
    });
    chkrsl::host::OpenProject(dir.string(), "fuzz");
    chkrsl::host::SetAlertHandler([](const char*) { ++AlertCount(); });
    return dir.string();
  }();
  return folder;
}

// One input: it starts with an empty document and no entry index kept,
// and gives back at its end what it made the library hold, so that an
// input allocates no more than it frees (libFuzzer otherwise runs it again
// and looks for leaks each time). Each target writes all the files it reads
// on every input.
struct InputScope {
  InputScope() {
    ProjectFolder();
    Release();
    AlertCount() = 0;
  }
  ~InputScope() { Release(); }
  InputScope(const InputScope&) = delete;
  InputScope& operator=(const InputScope&) = delete;

 private:
  static void Release() {
    GetQMpDoc()->Clear();
    chkrsl::host::DropEntryIndexes();
  }
};

inline void WriteProjectFile(const char* ext, const uint8_t* data, size_t n) {
  const std::string path = chkrsl::host::ProjectFilePath(ext);
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) std::abort();
  if (n) std::fwrite(data, 1, n, f);
  std::fclose(f);
  // Dated an hour back, as files of an earlier run are: the readers then
  // keep the index they build and the later reads of the input use it,
  // instead of building one (with a large buffer) on every read.
  std::error_code ignored;
  const auto written = std::filesystem::last_write_time(path, ignored);
  std::filesystem::last_write_time(path, written - std::chrono::hours(1), ignored);
}
inline void WriteProjectFile(const char* ext, const Bytes& b) { WriteProjectFile(ext, b.data(), b.size()); }

inline Bytes ReadWholeFile(const std::string& path) {
  Bytes b;
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return b;
  uint8_t buf[4096];
  size_t got;
  while ((got = std::fread(buf, 1, sizeof buf, f)) > 0) b.insert(b.end(), buf, buf + got);
  std::fclose(f);
  return b;
}

// Bytes written by `write` to a stream in memory.
template <class Write>
Bytes WrittenBytes(Write write) {
  char* buf = nullptr;
  size_t len = 0;
  std::FILE* f = open_memstream(&buf, &len);
  if (!f) std::abort();
  write(f);
  std::fclose(f);
  Bytes b(buf, buf + len);
  std::free(buf);
  return b;
}

inline Bytes RecordBytes(CHKRsl* rec) {
  return WrittenBytes([rec](std::FILE* f) { rec->WriteToCHK(f); });
}

inline bool Contains(const Bytes& hay, const Bytes& needle) {
  return !needle.empty() && std::search(hay.begin(), hay.end(), needle.begin(), needle.end()) != hay.end();
}

// What a written entry may change of the bytes it was read from: the sign
// of the type code, which a record of a class without an energy record
// writes as its member kind says; and a round column's first copy of
// dRsl[23..25], which is written from the second (the copy kept).
struct Span {
  size_t from = 0, to = 0;
};
inline Span RewrittenSpan(const CHKRsl* rec) {
  const auto* c = dynamic_cast<const DataForConcreteBase*>(rec);
  if (!c || !c->pRoundCol) return {};
  const size_t at = DataForConcreteBase::kSectionValOffset + 8 * static_cast<size_t>(c->SectionCount()) +
                    DataForConcreteRoundCol::kFirstCopyAt;
  return {at, at + DataForConcreteRoundCol::kCopyBytes};
}

// Whether `entry` (written by a record) stands at `at` in `hay`, as the
// comment above allows; the rewritten span must hold the kept copy.
inline bool HoldsEntryAt(const Bytes& hay, size_t at, const Bytes& entry, Span span) {
  constexpr size_t kCodeAt = 4, kCodeEnd = 8;
  if (at > hay.size() || hay.size() - at < entry.size() || entry.size() < kCodeEnd) return false;
  const size_t gap = DataForConcreteRoundCol::kSecondCopyAt - DataForConcreteRoundCol::kFirstCopyAt;
  for (size_t i = 0; i < entry.size(); ++i) {
    if (i >= kCodeAt && i < kCodeEnd) continue;
    const bool rewritten = i >= span.from && i < span.to;
    if (entry[i] != (rewritten ? entry[i + gap] : hay[at + i])) return false;
  }
  const int64_t stored = chkrsl::io::DecodeFixed32(hay.data() + at + kCodeAt);
  const int64_t written = chkrsl::io::DecodeFixed32(entry.data() + kCodeAt);
  return stored == written || stored == -written;
}

// Whether `hay` holds `entry` somewhere, as HoldsEntryAt says.
inline bool ContainsEntry(const Bytes& hay, const Bytes& entry, Span span) {
  if (entry.size() < 8) return false;
  for (auto it = hay.begin(); (it = std::search(it, hay.end(), entry.begin(), entry.begin() + 4)) != hay.end(); ++it) {
    if (HoldsEntryAt(hay, static_cast<size_t>(it - hay.begin()), entry, span)) return true;
  }
  return false;
}

inline int32_t I32At(const Bytes& b, size_t at) {
  return at + 4 <= b.size() ? chkrsl::io::DecodeFixed32(b.data() + at) : 0;
}

// A display call over `nos` succeeds exactly when the list form it stands
// on did (`listOk`), and hands out an array only then.
template <class Info>
void CheckDisplayCall(bool (*call)(AcIntArray&, Info*&), const CArray<int, int>& nos, int listOk) {
  AcIntArray numbers;
  for (INT_PTR i = 0; i < nos.GetSize(); ++i) numbers.append(nos[i]);
  Info* info = nullptr;
  const bool shown = call(numbers, info);
  FUZZ_CHECK(shown == (listOk == 1));
  FUZZ_CHECK(shown == (info != nullptr));
  ReleaseChkInfo(info);
}

// An entry header as a walk of the file met it, with where its body starts.
struct WalkedEntry {
  chkrsl::EntryHeader header;
  size_t bodyAt = 0;
};

// The entries whose headers a walk of the result file `bytes` reads: those
// it passes over and the one it stops at.
inline std::vector<WalkedEntry> WalkEntries(const Bytes& bytes) {
  std::vector<WalkedEntry> entries;
  chkrsl::io::MemorySource in(bytes.data(), bytes.size());
  chkrsl::ResultCursor cursor(in);
  while (cursor.Next()) {
    entries.push_back({cursor.header(), static_cast<size_t>(cursor.offset() + chkrsl::kEntryHeaderBytes)});
  }
  return entries;
}

}  // namespace fuzz
