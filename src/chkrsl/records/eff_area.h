// Effective-area data of the aluminium-alloy check: per element five lists
// of items of five doubles, kept in the project file "EFFAL" (an int32
// entry count, then the entries in ascending element number).
#pragma once

#include "chkrsl/export.h"
#include "chkrsl/io/source.h"

#include <cstddef>
#include <cstdio>

#include "chkrsl/platform/afx.h"

struct EffAreaItem {
  static constexpr size_t kEncodedBytes = 40;
  double val[5] = {};
};

class CHKRSL_API DataForEffArea {
 public:
  static constexpr int kLists = 5;
  static constexpr size_t kKeyBytes = 8;     // eleNo, dataLength
  static constexpr size_t kFixedBytes = 21;  // bEff and the five counts

  DataForEffArea() = default;
  // Copies get their own items. Running out of memory throws
  // std::bad_alloc and leaves the target as it was.
  DataForEffArea(const DataForEffArea& src);
  DataForEffArea& operator=(const DataForEffArea& src);
  // Deletes every item of the five lists.
  ~DataForEffArea();

  // Sets dataLength and writes the whole entry. List k is written with
  // effCount[k] items, or with as many as it holds when it holds fewer.
  void WriteEffArea(std::FILE* f);
  // Reads an entry from its bEff field on (the caller has read eleNo and
  // dataLength), replacing the lists. False when a count is negative or the
  // file does not hold the items it declares; the lists are then left
  // holding the items read so far.
  bool ReadEffArea(std::FILE* f);
  bool ReadFrom(chkrsl::io::Source& in);
  // The bytes the entry holds from its bEff field on, by its counts: what
  // its length word must say.
  int64_t HeldBytes() const;

  // Item i of list k.
  EffAreaItem* Item(int k, INT_PTR i) const { return static_cast<EffAreaItem*>(effList[k][i]); }

  int eleNo = 0;
  int dataLength = 0;  // bytes of the entry after this field
  unsigned char bEff = 0;
  int effCount[kLists] = {};
  CPtrArray effList[kLists];  // owned EffAreaItem pointers

  // The entry in file order, for writing and naming.
  template <class IO>
  void Layout(IO& io);

 private:
  void DeleteItems();
  void CopyItemsFrom(const DataForEffArea& src);
  int WrittenCount(int k) const;
};
