#include "chkrsl/store/wanted_entries.h"

#include <algorithm>
#include <string>

#include "chkrsl/io/file_identity.h"
#include "chkrsl/io/file_io.h"
#include "chkrsl/store/element_readers.h"
#include "chkrsl/store/entry_index.h"

namespace chkrsl {
namespace {

// Wanted entries are read in ascending position, each with one positioned
// read of a block near the entry's own size.
constexpr size_t kEntryBlockBytes = size_t{8} * 1024;
// A "CHKTT" lookup reads one pair.
constexpr size_t kPairBlockBytes = 64;

template <class Want, class Key>
std::vector<Want*> InFileOrder(const std::vector<Want*>& wanted, Key key) {
  std::vector<Want*> sorted(wanted);
  std::stable_sort(sorted.begin(), sorted.end(),
                   [&](const Want* a, const Want* b) { return key(a) < key(b); });
  return sorted;
}

void Forget(WantedEntry& w) {
  delete w.rec;
  w.rec = nullptr;
  w.outcome = EntryOutcome::kMissing;
}

// Reads the wanted entries from `index`. False when the index disagrees
// with the file (an entry it points to is not there) or, for a kept index,
// misses a number: a fresh pass must then decide.
bool ReadFromIndex(std::FILE* f, const EntryIndex& index, bool built,
                   const std::vector<WantedEntry*>& sorted) {
  for (WantedEntry* w : sorted) {
    const EntryMark* m = index.StopFor(w->eleNo);
    if (!m || m->eleNo != w->eleNo) {
      if (!built) return false;
      continue;
    }
    if (!EntryStillThere(f, *m, EntryLayout::kResult)) return false;
    w->outcome = ReadStoppedEntry(w->rec, f, m->eleNo, m->code, w->expectedSecType);
  }
  return true;
}

// The slow and sure way: one scan from the start per wanted entry.
void ScanEach(const char* ext, const std::vector<WantedEntry*>& wanted) {
  for (WantedEntry* w : wanted) {
    ResultFile rf;
    rf.file = OpenProjectFile(ext);
    if (rf.file) rf.ReadCount();
    w->outcome = ScanForEntry(w->rec, rf, w->eleNo, w->expectedSecType);
    rf.Close();
  }
}

}  // namespace

void ReadWantedEntries(const char* ext, const std::vector<WantedEntry*>& wanted) {
  if (wanted.empty()) return;
  std::string path;
  std::FILE* f = OpenProjectFile(ext, &path, 0);
  if (!f) return;
  const std::vector<WantedEntry*> sorted =
      InFileOrder(wanted, [](const WantedEntry* w) { return w->eleNo; });
  bool done = false;
  const io::FileIdentity identity = io::IdentityOf(f);
  {
    io::ReadAhead ahead(f, kEntryBlockBytes, 0, identity.size);
    for (int pass = 0; pass < 2 && !done; ++pass) {
      bool built = false;
      const EntryIndex& index = IndexOf(path, identity, EntryLayout::kResult, pass > 0, &built);
      done = ReadFromIndex(f, index, built, sorted);
      if (!done) {
        for (WantedEntry* w : sorted) Forget(*w);
        if (built) break;  // a pass made now disagrees with the file: changing under us
      }
    }
  }
  std::fclose(f);
  if (!done) ScanEach(ext, wanted);
}

bool ReadWantedEdges(const std::vector<WantedEdge*>& wanted) {
  std::string path;
  char buffer[kEntryBlockBytes];
  std::FILE* f = OpenProjectFile("Edge", &path, static_cast<int>(sizeof buffer), buffer);
  if (!f) return false;
  const std::vector<WantedEdge*> sorted =
      InFileOrder(wanted, [](const WantedEdge* w) { return w->edgeNo; });
  for (int pass = 0; pass < 2; ++pass) {
    bool built = false, agrees = true;
    const EntryIndex& index =
        IndexOf(path, io::IdentityOf(f), EntryLayout::kEdge, pass > 0, &built);
    for (WantedEdge* w : sorted) {
      const EntryMark* m = index.StopFor(w->edgeNo);
      if (!m || m->eleNo != w->edgeNo) {
        agrees = built;
        if (!agrees) break;
        continue;
      }
      if (!EntryStillThere(f, *m, EntryLayout::kEdge)) {
        agrees = false;
        break;
      }
      w->edge = new DataForWallEdge;
      w->edge->edgeNo = m->eleNo;
      if (!w->edge->ReadRsl(f)) {
        delete w->edge;
        w->edge = nullptr;
      }
    }
    if (agrees) break;
    for (WantedEdge* w : sorted) {
      delete w->edge;
      w->edge = nullptr;
    }
  }
  std::fclose(f);
  return true;
}

bool LookUpKindIndexed(int eleNo, int& kind) {
  std::string path;
  std::FILE* f = OpenProjectFile("CHKTT", &path, 0);
  if (!f) return false;
  bool found = false, built = false;
  io::FileIdentity identity = io::IdentityOf(f);
  {
    io::ReadAhead ahead(f, kPairBlockBytes, 0, identity.size);
    for (int pass = 0; pass < 2 && !found; ++pass) {
      if (pass > 0) identity = io::IdentityOf(f);
      const EntryIndex& index = IndexOf(path, identity, EntryLayout::kTable, pass > 0, &built);
      const EntryMark* m = index.StopFor(eleNo);
      found = m && m->eleNo == eleNo && EntryStillThere(f, *m, EntryLayout::kTable);
      if (found) kind = m->code;
      if (built) break;
    }
  }
  std::fclose(f);
  return found || built ? found : LookUpKindByScan(eleNo, kind);
}

}  // namespace chkrsl
