// Stand-ins for the two pieces of the CAD host that the library uses: the
// modal alert and the host's integer array.
#pragma once

#include "chkrsl/export.h"

#include <functional>
#include <vector>

// Shows one modal message. `message` is GBK text. Here the message goes to
// the alert handler (see chkrsl::host::SetAlertHandler); the default handler
// writes it, converted to UTF-8, to standard error. Returns 1 (RTNORM).
CHKRSL_API int acedAlert(const char* message);

// Tag of the host array's reallocation policy; only the name matters here.
template <class T>
struct AcArrayMemCopyReallocator {};

// The host's growable array, with the members the library uses.
template <class T, class R = AcArrayMemCopyReallocator<T>>
class AcArray {
 public:
  AcArray() = default;
  AcArray(std::initializer_list<T> items) : data_(items) {}

  int length() const { return static_cast<int>(data_.size()); }
  int logicalLength() const { return length(); }
  bool isEmpty() const { return data_.empty(); }
  AcArray& append(const T& v) {
    data_.push_back(v);
    return *this;
  }
  AcArray& setLogicalLength(int n) {
    data_.resize(n > 0 ? static_cast<size_t>(n) : 0);
    return *this;
  }
  AcArray& removeAll() {
    data_.clear();
    return *this;
  }
  const T& at(int i) const { return data_[static_cast<size_t>(i)]; }
  T& at(int i) { return data_[static_cast<size_t>(i)]; }
  const T& operator[](int i) const { return at(i); }
  T& operator[](int i) { return at(i); }
  const T* asArrayPtr() const { return data_.data(); }
  T* asArrayPtr() { return data_.data(); }

 private:
  std::vector<T> data_;
};

namespace chkrsl {

// Shows a message written in UTF-8 through acedAlert, as GBK.
CHKRSL_API void AlertUtf8(const char* utf8);

namespace host {

// Receives every alert as the GBK bytes acedAlert was given.
using AlertHandler = std::function<void(const char* gbk)>;

// Installs `handler` (an empty one restores the default) and returns the
// handler it replaces.
CHKRSL_API AlertHandler SetAlertHandler(AlertHandler handler);

}  // namespace host
}  // namespace chkrsl
