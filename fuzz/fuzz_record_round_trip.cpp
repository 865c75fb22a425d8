// One result entry decoded, written, decoded and written again. Input: the
// entry (header and body). Oracle: a record that reads writes bytes that
// read back into a record writing the very same bytes, and those bytes are
// the entry's own, but for what fuzz::HoldsEntryAt allows.
#include "fuzz_project.h"

namespace {

using fuzz::Bytes;

// Reads the entry of `file` (count 1 and one entry) as the scanner does.
CHKRsl* Decode(const Bytes& entry, int eleNo, int secType) {
  chkrsl::io::ByteWriter w;
  w.I32(1).U8s(entry.data(), entry.size());
  fuzz::WriteProjectFile("CHKST", w.bytes());
  chkrsl::ResultFile rf;
  rf.file = chkrsl::OpenProjectFile("CHKST");
  CHKRsl* rec = nullptr;
  if (rf.file && rf.ReadCount() && chkrsl::ReadEleRslEntry(rec, rf, eleNo, secType) != 1) rec = nullptr;
  rf.Close();
  return rec;
}

void Check(const uint8_t* data, size_t size) {
  if (size < 12 || size > 1 << 16) return;
  const fuzz::InputScope input;
  const Bytes entry(data, data + size);
  const int eleNo = fuzz::I32At(entry, 0), secType = fuzz::I32At(entry, 8);
  CHKRsl* first = Decode(entry, eleNo, secType);
  if (!first) return;
  const Bytes once = fuzz::RecordBytes(first);
  const fuzz::Span rewritten = fuzz::RewrittenSpan(first);
  delete first;
  FUZZ_CHECK(fuzz::HoldsEntryAt(entry, 0, once, rewritten));
  CHKRsl* second = Decode(once, eleNo, secType);
  FUZZ_CHECK(second != nullptr);
  FUZZ_CHECK(fuzz::RecordBytes(second) == once);
  delete second;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Check(data, size);
  return 0;
}
