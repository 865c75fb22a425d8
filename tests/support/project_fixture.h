// Shared test scaffolding: a temporary project opened in the host layer,
// recorded alerts, and helpers to write and read whole files as bytes.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "chkrsl/chkrsl.h"

namespace chkrsl_test {

using Bytes = std::vector<uint8_t>;

Bytes ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const Bytes& bytes);

// Little-endian builders for hand-made files.
void PutI32(Bytes& b, int32_t v);
void PutF64(Bytes& b, double v);
int32_t GetI32(const Bytes& b, size_t offset);
double GetF64(const Bytes& b, size_t offset);

// The bytes a record writes with its WriteToCHK (through a temporary file).
template <class Rec>
Bytes WrittenBytes(Rec& rec);

// Opens a fresh project "proj" in a new temporary folder, clears the
// document and records every alert (as UTF-8). Everything is undone in
// TearDown.
class ProjectTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Path of the project file with extension `ext`.
  std::string PathOf(const std::string& ext) const;
  void WriteProjectFile(const std::string& ext, const Bytes& bytes) const;
  Bytes ReadProjectFile(const std::string& ext) const;

  MyPerDocData& doc() { return *GetQMpDoc(); }
  std::vector<std::string> alerts;  // UTF-8
  std::string folder;
};

// Writes bytes through a callback that receives a FILE* opened "w+b" on a
// temporary file, and returns the bytes that ended up in it.
Bytes CaptureWrites(const std::function<void(std::FILE*)>& write);

// Opens a temporary file holding `bytes` for reading; the caller closes it.
std::FILE* OpenBytes(const Bytes& bytes);

template <class Rec>
Bytes WrittenBytes(Rec& rec) {
  return CaptureWrites([&](std::FILE* f) { rec.WriteToCHK(f); });
}

}  // namespace chkrsl_test
