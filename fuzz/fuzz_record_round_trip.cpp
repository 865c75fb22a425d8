// One result entry decoded, written, decoded and written again. Input: the
// entry (header and body). Oracle: a record that reads writes bytes that
// read back into a record writing the very same bytes, and those bytes are
// the entry's own, but for what fuzz::HoldsEntryAt allows.
#include "fuzz_project.h"

namespace {

using fuzz::Bytes;

// Reads the entry (in a file of count 1) as the readers do.
CHKRsl* Decode(const Bytes& entry) {
  chkrsl::io::ByteWriter w;
  w.I32(1).U8s(entry.data(), entry.size());
  chkrsl::io::MemorySource in(w.data(), w.size());
  chkrsl::ResultCursor cursor(in);
  CHKRsl* rec = nullptr;
  if (cursor.Next()) cursor.Read(cursor.header().secType, rec);
  return rec;
}

void Check(const uint8_t* data, size_t size) {
  if (size < 12 || size > 1 << 16) return;
  const Bytes entry(data, data + size);
  CHKRsl* first = Decode(entry);
  if (!first) return;
  const Bytes once = fuzz::RecordBytes(first);
  const fuzz::Span rewritten = fuzz::RewrittenSpan(first);
  delete first;
  FUZZ_CHECK(fuzz::HoldsEntryAt(entry, 0, once, rewritten));
  CHKRsl* second = Decode(once);
  FUZZ_CHECK(second != nullptr);
  FUZZ_CHECK(fuzz::RecordBytes(second) == once);
  delete second;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Check(data, size);
  return 0;
}
