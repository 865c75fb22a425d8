#include "chkrsl/format/lszd_file.h"

#include "chkrsl/io/source.h"

namespace chkrsl {

bool ReadLszdHeader(io::Source& in, LszdHeader& h) {
  io::FileBlock<kLszdHeaderBytes> block(in);
  io::ByteReader r = block.reader();
  r.I32(h.nCount).F64(h.dVal1).F64(h.dVal2).I32(h.nVal1).F64(h.dVal3).I32(h.nVal2).I32(h.nVal3).F64(h.dVal4);
  return r.ok();
}

}  // namespace chkrsl
