// Shared test scaffolding: a temporary project opened in the host layer,
// recorded alerts, and helpers to write and read whole files as bytes.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "chkrsl/internal.h"
#include "chkrsl/format/entry_header.h"

namespace chkrsl_test {

using Bytes = std::vector<uint8_t>;
using Records = CTypedPtrArray<CPtrArray, CHKRsl*>;
using Edges = CTypedPtrArray<CPtrArray, DataForWallEdge*>;

Bytes ReadFileBytes(const std::string& path);
// Sets an environment variable; null removes it.
void SetEnv(const char* name, const char* value);
void WriteFileBytes(const std::string& path, const Bytes& bytes);

// Little-endian builders for hand-made files.
void PutI32(Bytes& b, int32_t v);
void PutF64(Bytes& b, double v);
int32_t GetI32(const Bytes& b, size_t offset);
double GetF64(const Bytes& b, size_t offset);

// Hands out values that never repeat; flags run through bytes above 127.
class Distinct {
 public:
  explicit Distinct(int seed) : d_(seed * 1000.0 + 0.125), i_(seed * 1000 + 1), b_(0x80 + seed) {}
  double D() { return d_ += 1.5; }
  int I() { return -(i_++); }
  uint8_t B() { return static_cast<uint8_t>(b_++); }
  template <class T>
  void Set(T& v) {
    if constexpr (std::is_array_v<T>) {
      Fill(v);
    } else if constexpr (std::is_same_v<T, double>) {
      v = D();
    } else if constexpr (std::is_same_v<T, int>) {
      v = I();
    } else {
      v = B();
    }
  }
  template <class T, size_t N>
  void Fill(T (&a)[N]) {
    for (T& v : a) Set(v);
  }

 private:
  double d_;
  int i_;
  int b_;
};

// Writes bytes through a callback that receives a FILE* opened "w+b" on a
// temporary file, and returns the bytes that ended up in it.
Bytes CaptureWrites(const std::function<void(std::FILE*)>& write);

// Opens a temporary file holding `bytes` for reading; the caller closes it.
std::FILE* OpenBytes(const Bytes& bytes);

// The bytes a record writes with its WriteToCHK (through a temporary file).
template <class Rec>
Bytes WrittenBytes(Rec& rec) {
  return CaptureWrites([&](std::FILE* f) { rec.WriteToCHK(f); });
}
inline Bytes WrittenBytes(DataForEffArea& rec) {
  return CaptureWrites([&](std::FILE* f) { rec.WriteEffArea(f); });
}

// The bytes a record writes, an edge its number and payload; none for null.
template <class Rec>
Bytes BytesOf(Rec* rec) {
  return rec ? WrittenBytes(*rec) : Bytes();
}
Bytes BytesOf(DataForWallEdge* edge);
// The bytes of each record of the array (through one scratch file), which
// is left empty with its records deleted.
std::vector<Bytes> TakeBytes(Records& recs);
std::vector<Bytes> TakeBytes(Edges& edges);

// The first `used` bytes of each of the n items of a display call's array
// (so no padding after the last field); the array is released.
template <class Info>
Bytes InfoBytes(Info*& info, int n, size_t used = sizeof(Info)) {
  Bytes bytes;
  for (const auto* b = reinterpret_cast<const uint8_t*>(info); info && n-- > 0; b += sizeof(Info))
    bytes.insert(bytes.end(), b, b + used);
  ReleaseChkInfo(info);
  info = nullptr;
  return bytes;
}

// A steel record of type code 6 with the section sub-record its section
// type calls for.
std::unique_ptr<DataForSteel> MakeSteel(int eleNo, int secType);
// Gives a record the section sub-record its section type calls for.
void AddSection(DataForSteelBase& r);

// Visits the header of every entry of the open project's result file
// `ext` that a walk of it reaches.
void ForEachEntryHeader(const char* ext, const std::function<void(const chkrsl::EntryHeader&)>& visit);

// A result file: the entry count, then each record's WriteToCHK.
Bytes ResultFileOf(const std::vector<CHKRsl*>& recs);
// "CHKTT" listing each element with the given structure kind.
Bytes ElementTable(const std::vector<int>& eleNos, int kind);

// Opens a fresh project "proj" in a new temporary folder, clears the
// document and records every alert (as UTF-8). Everything is undone in
// TearDown, the record arrays included.
class ProjectTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Path of the project file with extension `ext`.
  std::string PathOf(const std::string& ext) const;
  void WriteProjectFile(const std::string& ext, const Bytes& bytes) const;
  Bytes ReadProjectFile(const std::string& ext) const;
  // Stores the records in `ext`, lists them in "CHKTT" with `kind` and gives
  // the document their section types.
  void StoreResults(const std::string& ext, const std::vector<CHKRsl*>& recs, int kind);
  // Copies the files of the bundled example project into this one.
  void CopyExample();
  // Dates every project file an hour back, old enough for its index to be kept.
  void AgeFiles() const;

  MyPerDocData& doc() { return *GetQMpDoc(); }
  std::vector<std::string> alerts;  // UTF-8
  std::string folder;
  Records recs, walls;
  Edges edges;
};

}  // namespace chkrsl_test
