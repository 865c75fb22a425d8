// "LSZD", a table another module of the suite writes: a 48-byte header
// (a count and seven scalar values, in this order), then per-entry data
// whose layout is not settled and is not read.
#pragma once

#include <cstddef>
#include <cstdint>

namespace chkrsl {
namespace io {
class Source;
}

constexpr size_t kLszdHeaderBytes = 48;

struct LszdHeader {
  int32_t nCount = 0;
  double dVal1 = 0, dVal2 = 0;
  int32_t nVal1 = 0;
  double dVal3 = 0;
  int32_t nVal2 = 0, nVal3 = 0;
  double dVal4 = 0;
};

// Reads the header from the start of `in`. False when the file does not
// hold it whole.
bool ReadLszdHeader(io::Source& in, LszdHeader& h);

}  // namespace chkrsl
