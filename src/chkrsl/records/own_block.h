// Writing and reading the fixed block of own fields that a steel-family
// record appends to its base entry. `Rec::LayoutOwn(io)` lists the fields
// once, in file order, for both directions.
#pragma once

#include <cstddef>
#include <cstdio>

#include "chkrsl/io/file_io.h"
#include "chkrsl/io/source.h"

namespace chkrsl {

template <size_t kBytes, class Rec>
void WriteOwnBlock(Rec& rec, std::FILE* f) {
  io::ByteWriter w(kBytes);
  rec.LayoutOwn(w);
  io::WriteBytes(f, w);
}

// Reads `bytes` (at most kBytes) with one read. True when the file held
// them all; fields it did not reach keep their values.
template <size_t kBytes, class Rec>
bool ReadOwnBlock(Rec& rec, io::Source& in, size_t bytes = kBytes) {
  io::FileBlock<kBytes> block(in, bytes);
  io::ByteReader r = block.reader();
  rec.LayoutOwn(r);
  return r.ok();
}

}  // namespace chkrsl
