// Stand-ins for the subset of the host framework's collection and string
// classes that cross the library's boundary. Member names and meanings follow
// the framework so that code written against it reads the same here.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "chkrsl/platform/cstring.h"

typedef ptrdiff_t INT_PTR;

// Growable array of values. New elements created by SetSize are
// value-initialised (zero for numbers and pointers), as the framework does.
// Like the framework's array it cannot be copied by construction; use Copy.
template <class TYPE, class ARG_TYPE = const TYPE&>
class CArray {
 public:
  CArray() = default;
  CArray(const CArray&) = delete;
  CArray& operator=(const CArray&) = delete;
  virtual ~CArray() = default;

  INT_PTR GetSize() const { return static_cast<INT_PTR>(data_.size()); }
  INT_PTR GetCount() const { return GetSize(); }
  INT_PTR GetUpperBound() const { return GetSize() - 1; }
  bool IsEmpty() const { return data_.empty(); }

  // nGrowBy is accepted for source compatibility; growth is the vector's.
  void SetSize(INT_PTR nNewSize, INT_PTR nGrowBy = -1) {
    (void)nGrowBy;
    data_.resize(nNewSize > 0 ? static_cast<size_t>(nNewSize) : 0);
  }
  void FreeExtra() { data_.shrink_to_fit(); }
  void RemoveAll() { data_.clear(); }

  const TYPE& GetAt(INT_PTR i) const { return data_[static_cast<size_t>(i)]; }
  TYPE& GetAt(INT_PTR i) { return data_[static_cast<size_t>(i)]; }
  void SetAt(INT_PTR i, ARG_TYPE v) { data_[static_cast<size_t>(i)] = v; }
  TYPE& ElementAt(INT_PTR i) { return data_[static_cast<size_t>(i)]; }
  const TYPE& operator[](INT_PTR i) const { return GetAt(i); }
  TYPE& operator[](INT_PTR i) { return GetAt(i); }

  const TYPE* GetData() const { return data_.data(); }
  TYPE* GetData() { return data_.data(); }

  // SetAtGrow grows the array so that index i exists.
  void SetAtGrow(INT_PTR i, ARG_TYPE v) {
    if (i >= GetSize()) SetSize(i + 1);
    SetAt(i, v);
  }
  INT_PTR Add(ARG_TYPE v) {
    data_.push_back(v);
    return GetUpperBound();
  }
  INT_PTR Append(const CArray& src) {
    INT_PTR old = GetSize();
    data_.insert(data_.end(), src.data_.begin(), src.data_.end());
    return old;
  }
  void Copy(const CArray& src) {
    if (this != &src) data_ = src.data_;
  }
  void InsertAt(INT_PTR i, ARG_TYPE v, INT_PTR nCount = 1) {
    data_.insert(data_.begin() + i, static_cast<size_t>(nCount), v);
  }
  void RemoveAt(INT_PTR i, INT_PTR nCount = 1) {
    data_.erase(data_.begin() + i, data_.begin() + i + nCount);
  }

 private:
  std::vector<TYPE> data_;
};

// Untyped pointer array; elements are not owned.
class CPtrArray : public CArray<void*, void*> {};

// Typed pointer array. The framework's version is a typed view over its
// base array; here it keeps typed storage of its own, which gives the same
// members without reinterpreting one pointer type as another. Elements are
// not owned: whoever fills the array decides who deletes what it points to.
template <class BASE_CLASS, class TYPE>
class CTypedPtrArray : public CArray<TYPE, TYPE> {};
