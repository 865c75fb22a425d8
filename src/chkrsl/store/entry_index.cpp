#include "chkrsl/store/entry_index.h"

#include <algorithm>
#include <map>
#include <memory>

#include "chkrsl/io/file_io.h"
#include "chkrsl/records/wall.h"
#include "chkrsl/store/entry_scanner.h"

namespace chkrsl {
namespace {

constexpr int64_t kEntryHeaderBytes = 12;
constexpr int64_t kEdgeEntryBytes = io::kInt32Bytes + DataForWallEdge::kPayloadBytes;
constexpr int kWalkBufferBytes = 1 << 20;
// Marks kept for all files together (16 bytes each); beyond it the oldest
// indexes go.
constexpr size_t kMaxKeptMarks = size_t{8} << 20;

// Appends a mark when the entry's number is a new maximum.
void NoteEntry(EntryIndex& index, int64_t pos, int32_t eleNo, int32_t code) {
  if (index.marks.empty() || eleNo > index.marks.back().eleNo) {
    index.marks.push_back(EntryMark{pos, eleNo, code});
  }
}

// The walk of ReadEleRslEntry's scan, over every entry it could reach.
void WalkResultEntries(std::FILE* f, EntryIndex& index) {
  ResultFile rf;
  rf.file = f;
  rf.ReadCount();
  int64_t pos = int64_t{io::kInt32Bytes};
  for (int i = 0; i < rf.count; ++i) {
    uint8_t head[kEntryHeaderBytes];
    if (!io::ReadExact(f, head, 8)) return;
    NoteEntry(index, pos, io::DecodeFixed32(head), io::DecodeFixed32(head + 4));
    if (!io::ReadExact(f, head + 8, 4)) return;
    const int64_t body =
        PassOverBody(f, io::DecodeFixed32(head + 4), io::DecodeFixed32(head + 8));
    if (body < 0) return;
    pos += kEntryHeaderBytes + body;
  }
}

// "Edge": a count that the file cannot hold reads as no entries.
void WalkEdgeEntries(std::FILE* f, EntryIndex& index) {
  int32_t n = 0;
  if (!io::ReadI32(f, n) || !io::CountFits(f, n, kEdgeEntryBytes)) return;
  for (int32_t i = 0; i < n; ++i) {
    int32_t number = 0;
    if (!io::ReadI32(f, number)) return;
    NoteEntry(index, int64_t{io::kInt32Bytes} + i * kEdgeEntryBytes, number, 0);
    if (!io::PassOver(f, DataForWallEdge::kPayloadBytes)) return;
  }
}

// "CHKTT": a lookup takes the first pair of a number, wherever it is.
void WalkTable(std::FILE* f, EntryIndex& index) {
  int32_t n = 0;
  if (!io::ReadI32(f, n) || !io::CountFits(f, n, 8)) return;
  std::vector<uint8_t> bytes(static_cast<size_t>(n) * 8);
  if (!io::ReadExact(f, bytes.data(), bytes.size())) return;
  index.marks.resize(static_cast<size_t>(n));
  for (int32_t i = 0; i < n; ++i) {
    const uint8_t* pair = &bytes[static_cast<size_t>(i) * 8];
    index.marks[i] = EntryMark{int64_t{io::kInt32Bytes} + int64_t{i} * 8, io::DecodeFixed32(pair),
                               io::DecodeFixed32(pair + 4)};
  }
  std::stable_sort(index.marks.begin(), index.marks.end(),
                   [](const EntryMark& a, const EntryMark& b) { return a.eleNo < b.eleNo; });
  auto sameNumber = [](const EntryMark& a, const EntryMark& b) { return a.eleNo == b.eleNo; };
  auto last = std::unique(index.marks.begin(), index.marks.end(), sameNumber);
  index.marks.erase(last, index.marks.end());
  index.marks.shrink_to_fit();
}

struct KeptIndexes {
  std::map<std::string, EntryIndex> byPath;
  size_t marks = 0;

  void Forget(const std::string& path) {
    auto it = byPath.find(path);
    if (it == byPath.end()) return;
    marks -= it->second.marks.size();
    byPath.erase(it);
  }
  // Takes the index over unless it alone is larger than the bound; then it
  // stays the caller's.
  const EntryIndex* Keep(const std::string& path, EntryIndex& index) {
    Forget(path);
    if (index.marks.size() > kMaxKeptMarks) return nullptr;
    while (marks + index.marks.size() > kMaxKeptMarks) Forget(byPath.begin()->first);
    marks += index.marks.size();
    EntryIndex& slot = byPath[path];
    slot = std::move(index);
    return &slot;
  }
};

KeptIndexes& Kept() {
  static KeptIndexes kept;
  return kept;
}

}  // namespace

const EntryMark* EntryIndex::StopFor(int eleNo) const {
  auto it = std::lower_bound(marks.begin(), marks.end(), eleNo,
                             [](const EntryMark& m, int n) { return m.eleNo < n; });
  return it == marks.end() ? nullptr : &*it;
}

const EntryIndex& IndexOf(const std::string& path, const io::FileIdentity& identity,
                          EntryLayout layout, bool fresh, bool* built) {
  static EntryIndex scratch;  // an index used for one call only
  KeptIndexes& kept = Kept();
  const int64_t now = io::FileClockNow();
  auto it = kept.byPath.find(path);
  if (built) *built = false;
  if (!fresh && it != kept.byPath.end() && it->second.identity == identity) return it->second;
  if (built) *built = true;
  kept.Forget(path);
  EntryIndex index;
  index.identity = identity;
  // The pass reads a stream of its own with a large buffer (no larger than
  // the file, so small projects do not pay for it); the caller's stream is
  // left for the few entries wanted.
  const int64_t fileBytes = identity.size > 0 ? identity.size : 1;
  const size_t bufferBytes = static_cast<size_t>(std::min<int64_t>(kWalkBufferBytes, fileBytes));
  std::unique_ptr<char[]> buffer(new char[bufferBytes]);
  std::FILE* walk = std::fopen(path.c_str(), "rb");
  if (walk) std::setvbuf(walk, buffer.get(), _IOFBF, bufferBytes);
  const bool same = walk && io::IdentityOf(walk) == identity;
  if (same) {
    io::KnownFileSize known(walk);
    switch (layout) {
      case EntryLayout::kResult: WalkResultEntries(walk, index); break;
      case EntryLayout::kEdge: WalkEdgeEntries(walk, index); break;
      case EntryLayout::kTable: WalkTable(walk, index); break;
    }
  }
  // Kept only when nothing can have changed the file unseen since it was
  // written, nor while it was walked.
  const bool keep =
      same && io::ModifiedLongBefore(identity, now) && io::IdentityOf(walk) == identity;
  if (walk) std::fclose(walk);
  if (keep) {
    if (const EntryIndex* held = kept.Keep(path, index)) return *held;
  }
  // A file replaced between the two opens gives an empty index that does
  // not count as built now: its misses are not trusted.
  if (!same) index.marks.clear();
  if (built) *built = same;
  scratch = std::move(index);
  return scratch;
}

bool EntryStillThere(std::FILE* f, const EntryMark& m, EntryLayout layout) {
  uint8_t head[8];
  const bool coded = layout != EntryLayout::kEdge;
  const size_t bytes = coded ? 8 : 4;
  if (!io::SeekTo(f, m.pos) || !io::ReadExact(f, head, bytes)) return false;
  if (io::DecodeFixed32(head) != m.eleNo) return false;
  return !coded || io::DecodeFixed32(head + 4) == m.code;
}

void ForgetEntryIndex(const std::string& path) { Kept().Forget(path); }

namespace host {

void DropEntryIndexes() {
  KeptIndexes& kept = Kept();
  kept.byPath.clear();
  kept.marks = 0;
}

}  // namespace host
}  // namespace chkrsl
