// Conversion between the UTF-8 in which this library's texts are written in
// the source and the GBK (code page 936) bytes that it shows and writes.
#pragma once

#include "chkrsl/export.h"

#include <string>
#include <string_view>

namespace chkrsl {

// UTF-8 to GBK. Characters GBK cannot hold become '?'.
CHKRSL_API std::string Utf8ToGbk(std::string_view utf8);

// GBK to UTF-8. Byte sequences that are not GBK become U+FFFD.
CHKRSL_API std::string GbkToUtf8(std::string_view gbk);

}  // namespace chkrsl
