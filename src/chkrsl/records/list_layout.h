// The lists and per-section columns of the concrete sub-records in the
// layout form: for writing (io::ByteWriter) and naming (FieldNamer). Items
// are named list[i].dbl0, ...; a per-section value secDbl[k][i]. Reading
// sizes the columns first and stays with the readers (concrete_list.h).
#pragma once

#include <cstdint>

#include "chkrsl/records/concrete_list.h"

namespace chkrsl {

inline const char* DblColumnName(size_t k) {
  static const char* const kNames[] = {"dbl0", "dbl1", "dbl2", "dbl3", "dbl4"};
  return kNames[k];
}

inline const char* IntColumnName(size_t k) {
  static const char* const kNames[] = {"int0", "int1", "int2"};
  return kNames[k];
}

template <class IO, class T>
void LayoutValue(IO& io, const io::FieldName& name, const CArray<T, T>& column, INT_PTR i) {
  const T v = ValueAt(column, i);
  io.Field(name, v);
}

// The items of a list whose count is stored elsewhere.
template <class IO, class List>
void LayoutListItems(IO& io, const char* name, const List& list, int count, IntOrder order) {
  auto cols = List::Columns(list);
  const auto& ints = cols.second;
  for (int i = 0; i < ItemsToWrite(count); ++i) {
    for (size_t k = 0; k < cols.first.size(); ++k)
      LayoutValue(io, {name, i, -1, DblColumnName(k)}, *cols.first[k], i);
    if (order == IntOrder::kSecondFirst && ints.size() == 2) {
      LayoutValue(io, {name, i, -1, IntColumnName(1)}, *ints[1], i);
      LayoutValue(io, {name, i, -1, IntColumnName(0)}, *ints[0], i);
    } else {
      for (size_t k = 0; k < ints.size(); ++k)
        LayoutValue(io, {name, i, -1, IntColumnName(k)}, *ints[k], i);
    }
  }
}

// The count (as written: never negative), then the items.
template <class IO, class List>
void LayoutCountedList(IO& io, const char* countName, int count, const char* name, const List& list,
                       IntOrder order) {
  const int32_t written = ItemsToWrite(count);
  io.Field(countName, written);
  LayoutListItems(io, name, list, count, order);
}

// Runs of per-section columns: for each section, `count` columns from `first`.
template <class T>
struct ColumnRun {
  const char* name;
  const CArray<T, T>* columns;
  int first;
  int count;
};

template <class IO, class T>
void LayoutRun(IO& io, const ColumnRun<T>& run, int section) {
  for (int k = run.first; k < run.first + run.count; ++k)
    LayoutValue(io, {run.name, k, section}, run.columns[k], section);
}

// The per-section block: for each section a run of doubles, of integers and
// of doubles again.
template <class IO>
void LayoutSections(IO& io, int sections, const ColumnRun<double>& head, const ColumnRun<int>& ints,
                    const ColumnRun<double>& tail) {
  for (int i = 0; i < sections; ++i) {
    LayoutRun(io, head, i);
    LayoutRun(io, ints, i);
    LayoutRun(io, tail, i);
  }
}

}  // namespace chkrsl
