// Finding entry N: the one route of every list and single read, for
// elements, walls, edges and the pairs of "CHKTT". For each wanted number
// it finds the entry a forward scan of the file for that number would stop
// at, and only when that entry has the wanted number.
//
// The file's index is used when it is valid: the kept one while the file is
// still the very file it was built from, else one built now. Every entry it
// points to is checked (its number and code read again from the file)
// before it is read. When a kept index disagrees with the file, a walk made
// now decides; when even that disagrees (the file is changing), or the
// file is replaced meanwhile, each number is scanned for from the start.
#pragma once

#include <algorithm>
#include <cstddef>
#include <numeric>
#include <string>
#include <vector>

#include "chkrsl/io/source.h"
#include "chkrsl/store/entry_index.h"

namespace chkrsl {

// Reads of a few entries each take a block near an entry's size.
constexpr size_t kEntryBlockBytes = size_t{8} * 1024;

// Cursor: ResultCursor, EdgeCursor or TableCursor. For each i whose number
// has an entry, `read(cursor, i)` is called with the cursor on it, in
// ascending file position; `reset(i)` undoes a read when a pass is
// abandoned. False when the file cannot be opened.
template <class Cursor, class Read, class Reset>
bool FindEntries(const std::string& path, EntryLayout layout, const std::vector<int>& numbers,
                 Read read, Reset reset, size_t blockBytes = kEntryBlockBytes) {
  io::FileSource file;
  if (!file.Open(path, blockBytes)) return false;
  std::vector<size_t> order(numbers.size());
  std::iota(order.begin(), order.end(), size_t{0});
  std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return numbers[a] < numbers[b]; });
  for (int pass = 0; pass < 2; ++pass) {
    bool built = false;
    const auto index = IndexOf(path, file.identity(), layout, pass > 0, built);
    if (!index) break;
    Cursor cursor(file, JumpsOnly());
    std::vector<size_t> done;
    bool agrees = true;
    for (size_t i : order) {
      const EntryMark* m = index->StopFor(numbers[i]);
      if (!m || m->eleNo != numbers[i]) {
        agrees = built;  // a kept index that misses a number may be stale
        if (!agrees) break;
        continue;
      }
      agrees = cursor.JumpTo(m->pos) && cursor.number() == m->eleNo && cursor.code() == m->code;
      if (!agrees) break;
      read(cursor, i);
      done.push_back(i);
    }
    if (agrees) return true;
    for (size_t i : done) reset(i);
    if (built) break;
  }
  for (size_t i : order) {
    io::FileSource one;
    if (!one.Open(path, blockBytes)) continue;
    Cursor cursor(one);
    if (cursor.ScanFor(numbers[i]) && cursor.number() == numbers[i]) read(cursor, i);
  }
  return true;
}

}  // namespace chkrsl
