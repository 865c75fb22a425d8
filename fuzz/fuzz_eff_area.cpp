// The effective-area file "EFFAL". Input: the file. Oracle: every element
// whose entry reads writes back the bytes it was read from, and writing
// the records read gives a file that reads back the same.
#include "fuzz_project.h"

namespace {

using fuzz::Bytes;

Bytes EntryBytes(DataForEffArea& rec) {
  return fuzz::WrittenBytes([&](std::FILE* f) { rec.WriteEffArea(f); });
}

// The bytes an entry's lists take after its length word.
int64_t ListBytes(const Bytes& file, size_t body) {
  int64_t at = static_cast<int64_t>(body) + 1;
  for (int k = 0; k < DataForEffArea::kLists; ++k) {
    const int32_t count = fuzz::I32At(file, static_cast<size_t>(at));
    if (count < 0 || at > static_cast<int64_t>(file.size())) return -1;
    at += 4 + int64_t{40} * count;
  }
  return at - static_cast<int64_t>(body);
}

// Element numbers of the entries, walked by their length words, and
// whether some entry's length word differs from what its lists take (a
// known fault, mended elsewhere: the length word is not checked when the
// entry is read, so such an entry is still returned).
std::vector<int> EntryNumbers(const Bytes& file, bool& lengthMismatch) {
  std::vector<int> numbers;
  const int32_t n = fuzz::I32At(file, 0);
  size_t at = 4;
  for (int32_t i = 0; i < n && i < 64 && at + 8 <= file.size(); ++i) {
    numbers.push_back(fuzz::I32At(file, at));
    const int32_t length = fuzz::I32At(file, at + 4);
    lengthMismatch = lengthMismatch || length != ListBytes(file, at + 8);
    if (length < 0) break;
    at += 8 + static_cast<size_t>(length);
  }
  return numbers;
}

void Check(const uint8_t* data, size_t size) {
  if (size > 1 << 16) return;
  fuzz::NewInput();
  const Bytes file(data, data + size);
  fuzz::WriteProjectFile("EFFAL", file);
  bool lengthMismatch = false;
  std::vector<int> numbers = EntryNumbers(file, lengthMismatch);
  numbers.push_back(-1);  // one that no file is meant to hold

  CTypedPtrArray<CPtrArray, DataForEffArea*> read;
  for (int eleNo : numbers) {
    DataForEffArea* rec = nullptr;
    if (ReadEffectiveArea(eleNo, rec) != 1) continue;
    FUZZ_CHECK(rec && rec->eleNo == eleNo);
    if (!lengthMismatch) FUZZ_CHECK(fuzz::Contains(file, EntryBytes(*rec)));
    if (read.GetSize() == 0 || read[read.GetSize() - 1]->eleNo < eleNo) read.Add(rec);
    else delete rec;
  }
  FUZZ_CHECK(fuzz::AlertCount() == 0);

  WriteAlEffArea(read);
  for (INT_PTR i = 0; i < read.GetSize(); ++i) {
    DataForEffArea* again = nullptr;
    FUZZ_CHECK(ReadEffectiveArea(read[i]->eleNo, again) == 1);
    FUZZ_CHECK(EntryBytes(*again) == EntryBytes(*read[i]));
    delete again;
    delete read[i];
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Check(data, size);
  return 0;
}
