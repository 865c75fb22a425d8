// The effective-area file "EFFAL". Input: the file. Oracle: every element
// whose entry reads writes back the bytes it was read from, and writing
// the records read gives a file that reads back the same.
#include "fuzz_project.h"

namespace {

using fuzz::Bytes;

Bytes EntryBytes(DataForEffArea& rec) {
  return fuzz::WrittenBytes([&](std::FILE* f) { rec.WriteEffArea(f); });
}

// Element numbers of the entries, walked by their length words.
std::vector<int> EntryNumbers(const Bytes& file) {
  std::vector<int> numbers;
  const int32_t n = fuzz::I32At(file, 0);
  size_t at = 4;
  for (int32_t i = 0; i < n && i < 64 && at + 8 <= file.size(); ++i) {
    numbers.push_back(fuzz::I32At(file, at));
    const int32_t length = fuzz::I32At(file, at + 4);
    if (length < 0) break;
    at += 8 + static_cast<size_t>(length);
  }
  return numbers;
}

void Check(const uint8_t* data, size_t size) {
  if (size > 1 << 16) return;
  const fuzz::InputScope input;
  const Bytes file(data, data + size);
  fuzz::WriteProjectFile("EFFAL", file);
  std::vector<int> numbers = EntryNumbers(file);
  numbers.push_back(-1);  // one that no file is meant to hold

  CTypedPtrArray<CPtrArray, DataForEffArea*> read;
  for (int eleNo : numbers) {
    DataForEffArea* rec = nullptr;
    if (ReadEffectiveArea(eleNo, rec) != 1) continue;
    FUZZ_CHECK(rec && rec->eleNo == eleNo);
    FUZZ_CHECK(fuzz::Contains(file, EntryBytes(*rec)));
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
