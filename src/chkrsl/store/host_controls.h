// The controls a host has over the result store.
#pragma once

#include "chkrsl/export.h"

namespace chkrsl {
namespace host {

// Drops every kept entry index; the next read walks again. For hosts that
// want the memory back or rewrite result files behind the library's back
// with timestamps the file system cannot tell apart. May be called from any
// thread, also while others read.
CHKRSL_API void DropEntryIndexes();

}  // namespace host
}  // namespace chkrsl
