#include "chkrsl/format/file_codes.h"

#include "chkrsl/io/source.h"

namespace chkrsl {

FileCodeCursor::FileCodeCursor(io::Source& in) : in_(in) {
  int32_t n = 0;
  in.MoveTo(0);
  if (io::ReadI32(in, n) && n > 0) declared_ = n;
}

bool FileCodeCursor::Next() {
  if (consumed_ >= declared_) return false;
  io::FileBlock<kFileCodeEntryBytes> block(in_);
  io::ByteReader r = block.reader();
  r.I32(entry_.eleNo).I32(entry_.fileCode).I32(entry_.typeCode);
  if (!r.ok()) {
    consumed_ = declared_;
    return false;
  }
  ++consumed_;
  return true;
}

}  // namespace chkrsl
