// Checked stdio helpers of the writers. (Reads go through io::Source.)
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "chkrsl/io/coding.h"

namespace chkrsl {
namespace io {

// Writes all bytes; false on a short write. Through the write seam.
bool WriteBytes(std::FILE* f, const void* src, size_t n);
inline bool WriteBytes(std::FILE* f, const ByteWriter& w) { return WriteBytes(f, w.data(), w.size()); }

// Creates (or empties) the file at `path` and writes all bytes to it. False
// when it cannot be created, a write fails or it cannot be closed; a file
// that could not be written whole is removed.
bool WriteWholeFile(const char* path, const void* src, size_t n);

// Writes one int32 at offset 0 of the file and returns to the end; the
// result files keep their entry count there.
bool WriteCountAtStart(std::FILE* f, int32_t count);

}  // namespace io
}  // namespace chkrsl
