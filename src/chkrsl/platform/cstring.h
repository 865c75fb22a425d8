// Stand-in for the framework's byte string. It holds the bytes it is given
// (GBK text in this library) and never converts them.
#pragma once

#include "chkrsl/export.h"

#include <cstddef>
#include <string>

typedef const char* LPCTSTR;

class CHKRSL_API CString {
 public:
  CString() = default;
  CString(const char* s) : s_(s ? s : "") {}  // NOLINT: implicit as in the framework
  CString(const char* s, int n) : s_(s, static_cast<size_t>(n > 0 ? n : 0)) {}
  explicit CString(const std::string& s) : s_(s) {}

  CString& operator=(const char* s) {
    s_ = s ? s : "";
    return *this;
  }
  CString& operator+=(const char* s) {
    if (s) s_ += s;
    return *this;
  }
  CString& operator+=(const CString& s) {
    s_ += s.s_;
    return *this;
  }
  CString& operator+=(char c) {
    s_ += c;
    return *this;
  }

  int GetLength() const { return static_cast<int>(s_.size()); }
  bool IsEmpty() const { return s_.empty(); }
  void Empty() { s_.clear(); }
  char GetAt(int i) const { return s_[static_cast<size_t>(i)]; }
  operator LPCTSTR() const { return s_.c_str(); }  // NOLINT: as in the framework
  LPCTSTR GetString() const { return s_.c_str(); }

  // printf-style formatting, replacing the contents.
  void Format(const char* fmt, ...);

  // The bytes, for code of this library and its tests.
  const std::string& str() const { return s_; }

  friend bool operator==(const CString& a, const CString& b) { return a.s_ == b.s_; }
  friend bool operator!=(const CString& a, const CString& b) { return a.s_ != b.s_; }
  friend CString operator+(CString a, const CString& b) { return a += b; }
  friend CString operator+(CString a, const char* b) { return a += b; }

 private:
  std::string s_;
};
