#include "chkrsl/store/entry_index.h"

#include <algorithm>
#include <list>
#include <mutex>
#include <unordered_map>
#include <utility>

#include "chkrsl/format/edge_file.h"
#include "chkrsl/format/element_table.h"
#include "chkrsl/format/result_file.h"
#include "chkrsl/io/source.h"

namespace chkrsl {
namespace {

// A walk reads the whole file front to back.
constexpr size_t kWalkBlockBytes = io::FileSource::kLoadBlockBytes;
// 2 M marks (32 MiB): the address space of a 32-bit host is shared with its
// model, and one index of a file of 400 000 entries takes 6 MiB.
constexpr size_t kMaxKeptMarks = size_t{2} << 20;

// Appends a mark when the entry's number is a new maximum.
void NoteEntry(EntryIndex& index, int64_t pos, int32_t eleNo, int32_t code) {
  if (index.marks.empty() || eleNo > index.marks.back().eleNo) {
    index.marks.push_back(EntryMark{pos, eleNo, code});
  }
}

void WalkResults(io::Source& in, EntryIndex& index) {
  ResultCursor entries(in);
  while (entries.Next()) {
    NoteEntry(index, entries.offset(), entries.header().eleNo, entries.header().storedCode);
  }
}

void WalkEdges(io::Source& in, EntryIndex& index) {
  EdgeCursor edges(in);
  while (edges.Next()) NoteEntry(index, edges.offset(), edges.number(), 0);
}

// "CHKTT": a lookup takes the first pair of a number, wherever it is.
void WalkTable(io::Source& in, EntryIndex& index) {
  TableCursor pairs(in);
  index.marks.reserve(static_cast<size_t>(pairs.declared()));
  while (pairs.Next()) index.marks.push_back(EntryMark{pairs.offset(), pairs.eleNo(), pairs.kind()});
  if (!pairs.sound()) index.marks.clear();  // a table that ends early is read by nobody
  std::stable_sort(index.marks.begin(), index.marks.end(),
                   [](const EntryMark& a, const EntryMark& b) { return a.eleNo < b.eleNo; });
  auto sameNumber = [](const EntryMark& a, const EntryMark& b) { return a.eleNo == b.eleNo; };
  index.marks.erase(std::unique(index.marks.begin(), index.marks.end(), sameNumber), index.marks.end());
  index.marks.shrink_to_fit();
}

// The indexes kept between calls, most recently used first.
class KeptIndexes {
 public:
  std::shared_ptr<const EntryIndex> Find(const std::string& path, const io::FileIdentity& identity) {
    std::lock_guard<std::mutex> lock(mu_);
    auto it = byPath_.find(path);
    if (it == byPath_.end() || it->second.index->identity != identity) return nullptr;
    uses_.splice(uses_.begin(), uses_, it->second.use);
    return it->second.index;
  }

  // All or nothing: what can fail (the use and the slot of a new path) is
  // made before anything kept changes; the rest cannot fail.
  void Keep(const std::string& path, std::shared_ptr<const EntryIndex> index) {
    const size_t size = index->marks.size();
    std::list<std::string> use;
    if (size <= kMaxKeptMarks) use.push_back(path);
    std::lock_guard<std::mutex> lock(mu_);
    auto it = byPath_.find(path);
    if (size > kMaxKeptMarks) {
      if (it != byPath_.end()) ForgetLocked(it);
      return;
    }
    if (it == byPath_.end()) {
      it = byPath_.emplace(path, Slot{nullptr, use.begin()}).first;
    } else {
      marks_ -= it->second.index->marks.size();
      uses_.erase(it->second.use);
    }
    uses_.splice(uses_.begin(), use);
    it->second = Slot{std::move(index), uses_.begin()};
    marks_ += size;
    while (marks_ > kMaxKeptMarks) ForgetLocked(byPath_.find(uses_.back()));
  }

  void Forget(const std::string& path) {
    std::lock_guard<std::mutex> lock(mu_);
    auto it = byPath_.find(path);
    if (it != byPath_.end()) ForgetLocked(it);
  }

  bool Consistent() {
    std::lock_guard<std::mutex> lock(mu_);
    size_t marks = 0;
    for (const auto& [path, slot] : byPath_) {
      if (!slot.index || *slot.use != path) return false;
      marks += slot.index->marks.size();
    }
    return uses_.size() == byPath_.size() && marks == marks_;
  }

  void Clear() {
    std::lock_guard<std::mutex> lock(mu_);
    byPath_.clear();
    uses_.clear();
    marks_ = 0;
  }

 private:
  struct Slot {
    std::shared_ptr<const EntryIndex> index;
    std::list<std::string>::iterator use;
  };
  void ForgetLocked(std::unordered_map<std::string, Slot>::iterator it) {
    marks_ -= it->second.index->marks.size();
    uses_.erase(it->second.use);
    byPath_.erase(it);
  }
  std::mutex mu_;
  std::unordered_map<std::string, Slot> byPath_;
  std::list<std::string> uses_;
  size_t marks_ = 0;
};

KeptIndexes gKept;

}  // namespace

const EntryMark* EntryIndex::StopFor(int eleNo) const {
  auto it = std::lower_bound(marks.begin(), marks.end(), eleNo,
                             [](const EntryMark& m, int n) { return m.eleNo < n; });
  return it == marks.end() ? nullptr : &*it;
}

std::shared_ptr<const EntryIndex> IndexOf(const std::string& path, const io::FileIdentity& identity,
                                          EntryLayout layout, bool fresh, bool& built) {
  built = false;
  if (!fresh) {
    if (auto kept = gKept.Find(path, identity)) return kept;
  }
  const int64_t now = io::FileClockNow();
  io::FileSource walk;
  // A file replaced since the caller opened it: nothing here is about it.
  if (!walk.Open(path, kWalkBlockBytes) || walk.identity() != identity) return nullptr;
  auto index = std::make_shared<EntryIndex>();
  index->identity = identity;
  switch (layout) {
    case EntryLayout::kResult: WalkResults(walk, *index); break;
    case EntryLayout::kEdge: WalkEdges(walk, *index); break;
    case EntryLayout::kTable: WalkTable(walk, *index); break;
  }
  built = true;
  // Kept only when nothing can have changed the file unseen since it was
  // written, nor while it was walked.
  if (io::ModifiedLongBefore(identity, now) && walk.IdentityNow() == identity) {
    gKept.Keep(path, index);
  }
  return index;
}

void ForgetEntryIndex(const std::string& path) { gKept.Forget(path); }

bool KeptIndexesConsistent() { return gKept.Consistent(); }

size_t KeptMarksBound() { return kMaxKeptMarks; }

namespace host {

void DropEntryIndexes() { gKept.Clear(); }

}  // namespace host
}  // namespace chkrsl
