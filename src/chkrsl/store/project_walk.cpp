#include "chkrsl/store/project_walk.h"

#include <algorithm>
#include <tuple>
#include <unordered_set>
#include <vector>

#include "chkrsl/format/edge_file.h"
#include "chkrsl/format/result_file.h"
#include "chkrsl/format/scan.h"
#include "chkrsl/io/source.h"
#include "chkrsl/records/chk_rsl.h"
#include "chkrsl/store/element_reads.h"
#include "chkrsl/store/project_files.h"
#include "chkrsl/store/result_files.h"
#include "chkrsl/store/wall_reads.h"

namespace chkrsl {
namespace {

// Keeps what the cursor said last, for the walk to place it.
struct Heard : Reporter {
  std::string problem, note;
  int64_t offset = 0;
  void Problem(int64_t at, int, const std::string& why) override {
    problem = why;
    offset = at;
  }
  void Note(int64_t, int, const std::string& what) override { note = what; }
  void Clear() {
    problem.clear();
    note.clear();
  }
};

constexpr char kUnreached[] = "stands after a higher number, where no read reaches it";

}  // namespace

struct EntryWalker::State {
  io::FileSource file;
  Heard heard;
  std::unique_ptr<ResultCursor> cursor;
  std::unique_ptr<CHKRsl> rec;
  WalkSummary summary;
  std::vector<uint8_t> copy;  // an entry the source's block does not hold whole
  ScanReach reach;
  bool done = false;

  bool Stop() {
    summary.stop = heard.problem;
    summary.stopOffset = heard.offset;
    return false;
  }
};

EntryWalker::EntryWalker(const std::string& path) : s_(new State) {
  if (!s_->file.Open(path, io::FileSource::kLoadBlockBytes)) return;
  s_->summary.fileBytes = s_->file.Size();
  s_->cursor.reset(new ResultCursor(s_->file, &s_->heard));
  s_->summary.declared = s_->cursor->declared();
  if (!s_->heard.problem.empty()) s_->Stop();
}

EntryWalker::~EntryWalker() = default;

bool EntryWalker::opened() const { return s_->cursor != nullptr; }

const WalkSummary& EntryWalker::Summary() const { return s_->summary; }

bool EntryWalker::Next(WalkedEntry& e) {
  State& s = *s_;
  s.rec.reset();
  if (!s.cursor) return false;
  ResultCursor& c = *s.cursor;
  if (s.done) return false;
  s.heard.Clear();
  // An entry that cannot be passed over ends the walk, as it ends a scan.
  if (!c.Next() || c.EntryBytes() < 0) {
    s.done = true;
    if (!s.heard.problem.empty()) {
      s.Stop();
    } else if (s.summary.stop.empty()) {
      s.summary.stopOffset = c.endOffset();
    }
    return false;
  }
  e = WalkedEntry();
  e.index = c.consumed() - 1;
  e.offset = c.offset();
  e.header = c.header();
  e.reachable = s.reach.Reaches(e.header.eleNo);
  s.rec.reset(c.Decode());
  e.rec = s.rec.get();
  e.problem = s.heard.problem;
  e.note = s.heard.note;
  ++s.summary.walked;
  s.summary.stopOffset = c.offset() + c.EntryBytes();
  return true;
}

const uint8_t* EntryWalker::StoredBytes(size_t& n) {
  State& s = *s_;
  if (!s.cursor || s.done) return nullptr;
  const int64_t bytes = s.cursor->EntryBytes();
  if (bytes <= 0 || !s.file.MoveTo(s.cursor->offset())) return nullptr;
  n = static_cast<size_t>(bytes);
  if (const uint8_t* in = s.file.Borrow(n)) return in;
  s.copy.resize(n);
  return s.file.MoveTo(s.cursor->offset()) && io::ReadExact(s.file, s.copy.data(), n) ? s.copy.data() : nullptr;
}

bool WalkElementResults(const std::function<void(const ElementResult&)>& visit) {
  CArray<int, int> elements, kinds;
  if (!ReadElementTable(elements, kinds)) return false;
  struct Want {
    int eleNo, kind, secType;
  };
  std::vector<Want> byFile[static_cast<int>(ResultFileId::kCount)];
  std::vector<Want> withoutFile;
  std::unordered_set<int> seen;
  for (INT_PTR i = 0; i < elements.GetSize(); ++i) {
    if (!seen.insert(elements[i]).second) continue;  // a lookup takes the first pair
    Want w{elements[i], kinds[i], 0};
    ResultFileId id;
    if (FileIdOfElement(w.eleNo, w.kind, id, w.secType)) {
      byFile[static_cast<int>(id)].push_back(w);
    } else {
      withoutFile.push_back(w);
    }
  }
  for (int f = 0; f < static_cast<int>(ResultFileId::kCount); ++f) {
    std::vector<Want>& wants = byFile[f];
    if (wants.empty()) continue;
    std::sort(wants.begin(), wants.end(), [](const Want& a, const Want& b) { return a.eleNo < b.eleNo; });
    const char* name = ResultFileName(static_cast<ResultFileId>(f));
    io::FileSource file;
    const bool opened = OpenProjectFile(name, file, io::FileSource::kLoadBlockBytes);
    Heard heard;
    ResultCursor entries(file, &heard);
    // Why the walk of the file ended early (an unsound count, an entry that
    // cannot be passed over), and where.
    std::string ended = heard.problem;
    int64_t endedAt = heard.offset;
    bool at = false;  // the cursor stands on an entry
    for (const Want& w : wants) {
      ElementResult r;
      r.eleNo = w.eleNo;
      r.kind = w.kind;
      r.file = name;
      // The entry a scan for w stops at: the cursor's own, or a later one.
      while (!(at && entries.number() >= w.eleNo)) {
        heard.Clear();
        if ((at = entries.Next())) continue;
        if (!heard.problem.empty()) std::tie(ended, endedAt) = std::tie(heard.problem, heard.offset);
        break;
      }
      std::unique_ptr<CHKRsl> rec;
      if (at && entries.number() == w.eleNo) {
        r.offset = entries.offset();
        heard.Clear();
        CHKRsl* got = nullptr;
        const EntryOutcome outcome = entries.Read(w.secType, got);
        rec.reset(got);
        r.read = outcome == EntryOutcome::kRead;
        if (outcome == EntryOutcome::kSectionChanged) {
          r.problem = "stored section type " + std::to_string(entries.header().secType) +
                      " is not the element's " + std::to_string(w.secType);
        } else if (!r.read) {
          r.problem = heard.problem;
        }
      } else if (!opened) {
        r.problem = std::string("no file ") + name;
      } else if (!at && !ended.empty()) {
        r.offset = endedAt;
        r.problem = ended;
      } else {
        if (at) r.offset = entries.offset();
        r.problem = std::string("no entry in ") + name + " where a scan for it stops";
      }
      r.rec = rec.get();
      visit(r);
    }
  }
  for (const Want& w : withoutFile) {
    ElementResult r;
    r.eleNo = w.eleNo;
    r.kind = w.kind;
    KindFiles kf;
    r.problem = FilesOfKind(w.kind, kf) ? "not an element of the document"
                                        : "structure kind " + std::to_string(w.kind) + " has no result files";
    visit(r);
  }
  return true;
}

bool WalkWallResults(const std::function<void(const StoredResult&)>& visit, WalkSummary& summary) {
  EntryWalker walker(ProjectPath("CHKCW"));
  if (!walker.opened()) return false;
  for (WalkedEntry e; walker.Next(e);) {
    StoredResult r;
    r.number = e.header.eleNo;
    r.offset = e.offset;
    if (!e.reachable) {
      r.problem = kUnreached;
    } else if (!e.rec) {
      r.problem = e.problem;
    } else if (e.header.secType != kWallSecType || !IsWallRecord(e.rec)) {
      r.problem = "not a concrete wall of section type " + std::to_string(kWallSecType);
    } else {
      r.read = true;
      r.wall = e.rec;
    }
    visit(r);
  }
  summary = walker.Summary();
  return true;
}

bool WalkEdgeResults(const std::function<void(const StoredResult&)>& visit, WalkSummary& summary) {
  io::FileSource file;
  if (!OpenProjectFile("Edge", file, io::FileSource::kLoadBlockBytes)) return false;
  summary = WalkSummary();
  summary.fileBytes = file.Size();
  Heard heard;
  EdgeCursor edges(file, &heard);
  summary.declared = edges.declared();
  ScanReach reach;
  while (edges.Next()) {
    // A payload cut short ends the file, as it ends every read of it.
    std::unique_ptr<DataForWallEdge> edge(edges.Read());
    if (!edge) break;
    StoredResult r;
    r.number = edges.number();
    r.offset = edges.offset();
    r.read = reach.Reaches(r.number);
    if (r.read) {
      r.edge = edge.get();
    } else {
      r.problem = kUnreached;
    }
    ++summary.walked;
    visit(r);
  }
  summary.stop = heard.problem;
  summary.stopOffset = heard.offset;
  return true;
}

}  // namespace chkrsl
