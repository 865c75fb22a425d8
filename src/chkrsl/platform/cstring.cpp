#include "chkrsl/platform/cstring.h"

#include <cstdarg>
#include <cstdio>

// The framework's Format is printf-like; callers pass its arguments.
void CString::Format(const char* fmt, ...) {  // NOLINT(cert-dcl50-cpp)
  va_list args;
  va_start(args, fmt);
  va_list copy;
  va_copy(copy, args);
  int n = std::vsnprintf(nullptr, 0, fmt, copy);
  va_end(copy);
  if (n < 0) {
    s_.clear();
  } else {
    std::string out(static_cast<size_t>(n) + 1, '\0');
    std::vsnprintf(&out[0], out.size(), fmt, args);
    out.resize(static_cast<size_t>(n));
    s_.swap(out);
  }
  va_end(args);
}
