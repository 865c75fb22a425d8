// Variable-length lists of the concrete sub-records. A list is a set of
// parallel growable columns, doubles `dbl0`, ... and integers `int0`, ...;
// its count lives in the owning sub-record. In the file a list is its items,
// each with the double columns in order and then the integer columns, the
// integers of some lists standing second column first.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <utility>
#include <vector>

#include "chkrsl/io/coding.h"
#include "chkrsl/io/source.h"
#include "chkrsl/platform/afx.h"

namespace chkrsl {

using DblColumn = CArray<double, double>;
using IntColumn = CArray<int, int>;

// Order of a two-integer list's integer columns in the file.
enum class IntOrder { kAsDeclared, kSecondFirst };

// The list shapes. Each names its columns and hands them, in declared
// order, to the generic helpers below.
struct ListD1I2 {
  static constexpr size_t kDoubles = 1, kInts = 2;
  DblColumn dbl0;
  IntColumn int0, int1;
  template <class Self>
  static auto Columns(Self& s) {
    return std::make_pair(std::array{&s.dbl0}, std::array{&s.int0, &s.int1});
  }
};

struct ListD2I3 {
  static constexpr size_t kDoubles = 2, kInts = 3;
  DblColumn dbl0, dbl1;
  IntColumn int0, int1, int2;
  template <class Self>
  static auto Columns(Self& s) {
    return std::make_pair(std::array{&s.dbl0, &s.dbl1}, std::array{&s.int0, &s.int1, &s.int2});
  }
};

struct ListD3I2 {
  static constexpr size_t kDoubles = 3, kInts = 2;
  DblColumn dbl0, dbl1, dbl2;
  IntColumn int0, int1;
  template <class Self>
  static auto Columns(Self& s) {
    return std::make_pair(std::array{&s.dbl0, &s.dbl1, &s.dbl2}, std::array{&s.int0, &s.int1});
  }
};

struct ListD4I2 {
  static constexpr size_t kDoubles = 4, kInts = 2;
  DblColumn dbl0, dbl1, dbl2, dbl3;
  IntColumn int0, int1;
  template <class Self>
  static auto Columns(Self& s) {
    return std::make_pair(std::array{&s.dbl0, &s.dbl1, &s.dbl2, &s.dbl3},
                          std::array{&s.int0, &s.int1});
  }
};

struct ListD5I2 {
  static constexpr size_t kDoubles = 5, kInts = 2;
  DblColumn dbl0, dbl1, dbl2, dbl3, dbl4;
  IntColumn int0, int1;
  template <class Self>
  static auto Columns(Self& s) {
    return std::make_pair(std::array{&s.dbl0, &s.dbl1, &s.dbl2, &s.dbl3, &s.dbl4},
                          std::array{&s.int0, &s.int1});
  }
};

// Value i of a column, or 0 where the column is shorter: a record whose
// count outgrew its columns still writes whole items.
template <class T>
T ValueAt(const CArray<T, T>& column, INT_PTR i) {
  return i >= 0 && i < column.GetSize() ? column[i] : T();
}

// Items a count stands for when writing: a negative count writes none.
inline int ItemsToWrite(int count) { return count > 0 ? count : 0; }

template <class List>
constexpr int64_t ListItemBytes() {
  return static_cast<int64_t>(List::kDoubles * io::kDoubleBytes + List::kInts * io::kInt32Bytes);
}

template <class List>
void SizeList(List& list, INT_PTR n) {
  auto cols = List::Columns(list);
  for (DblColumn* c : cols.first) c->SetSize(n);
  for (IntColumn* c : cols.second) c->SetSize(n);
}

// Sets every value the columns hold to 0, keeping their sizes.
template <class List>
void ZeroList(List& list) {
  auto cols = List::Columns(list);
  for (DblColumn* c : cols.first)
    for (INT_PTR i = 0; i < c->GetSize(); ++i) (*c)[i] = 0;
  for (IntColumn* c : cols.second)
    for (INT_PTR i = 0; i < c->GetSize(); ++i) (*c)[i] = 0;
}

// Sizes every column of dst to `count` items and copies them from src.
template <class List>
void CopyList(List& dst, const List& src, int count) {
  const INT_PTR n = ItemsToWrite(count);
  SizeList(dst, n);
  auto to = List::Columns(dst);
  auto from = List::Columns(src);
  for (size_t k = 0; k < to.first.size(); ++k)
    for (INT_PTR i = 0; i < n; ++i) (*to.first[k])[i] = ValueAt(*from.first[k], i);
  for (size_t k = 0; k < to.second.size(); ++k)
    for (INT_PTR i = 0; i < n; ++i) (*to.second[k])[i] = ValueAt(*from.second[k], i);
}

// Reads `count` items whose count has just been read. A count that is
// negative or larger than the rest of the file can hold is refused before
// anything is sized: false, the list and `count` left as they were.
bool ReadItemBlock(io::Source& in, int count, int64_t itemBytes, std::vector<uint8_t>& block);

template <class List>
bool ReadListItems(io::Source& in, List& list, int count, IntOrder order) {
  std::vector<uint8_t> block;
  if (!ReadItemBlock(in, count, ListItemBytes<List>(), block)) return false;
  SizeList(list, count);
  auto cols = List::Columns(list);
  auto& ints = cols.second;
  io::ByteReader r(block.data(), block.size());
  for (INT_PTR i = 0; i < count; ++i) {
    for (DblColumn* c : cols.first) r.F64((*c)[i]);
    if (order == IntOrder::kSecondFirst && ints.size() == 2) {
      r.I32((*ints[1])[i]).I32((*ints[0])[i]);
    } else {
      for (IntColumn* c : ints) r.I32((*c)[i]);
    }
  }
  return r.ok();
}

// Reads a count and its items; `count` receives the count only when it is sound.
template <class List>
bool ReadCountedList(io::Source& in, List& list, int& count, IntOrder order) {
  int32_t n = 0;
  if (!io::ReadI32(in, n) || !ReadListItems(in, list, n, order)) return false;
  count = n;
  return true;
}

}  // namespace chkrsl
