#include "chkrsl/store/wanted_entries.h"

#include <string>

#include "chkrsl/format/edge_file.h"
#include "chkrsl/format/element_table.h"
#include "chkrsl/store/find_entry.h"
#include "chkrsl/store/project_files.h"

namespace chkrsl {
namespace {

// A "CHKTT" lookup reads one pair.
constexpr size_t kPairBlockBytes = 64;

template <class Want, class Number>
std::vector<int> NumbersOf(const std::vector<Want>& wanted, Number number) {
  std::vector<int> numbers;
  numbers.reserve(wanted.size());
  for (const Want& w : wanted) numbers.push_back(number(w));
  return numbers;
}

}  // namespace

void ReadWantedEntries(const char* ext, const std::vector<WantedEntry*>& wanted) {
  if (wanted.empty()) return;
  const std::vector<int> numbers = NumbersOf(wanted, [](const WantedEntry* w) { return w->eleNo; });
  FindEntries<ResultCursor>(
      ProjectPath(ext), EntryLayout::kResult, numbers,
      [&](ResultCursor& entry, size_t i) {
        CHKRsl* rec = nullptr;
        wanted[i]->outcome = entry.Read(wanted[i]->expectedSecType, rec);
        wanted[i]->rec.reset(rec);
      },
      [&](size_t i) {
        wanted[i]->rec.reset();
        wanted[i]->outcome = EntryOutcome::kMissing;
      });
}

bool ReadWantedEdges(std::vector<WantedEdge>& wanted) {
  const std::vector<int> numbers = NumbersOf(wanted, [](const WantedEdge& w) { return w.edgeNo; });
  return FindEntries<EdgeCursor>(
      ProjectPath("Edge"), EntryLayout::kEdge, numbers,
      [&](EdgeCursor& edge, size_t i) { wanted[i].edge.reset(edge.Read()); },
      [&](size_t i) { wanted[i].edge.reset(); });
}

bool LookUpKind(int eleNo, int& kind) {
  bool found = false;
  FindEntries<TableCursor>(
      ProjectPath("CHKTT"), EntryLayout::kTable, {eleNo},
      [&](TableCursor& pair, size_t) {
        kind = pair.kind();
        found = true;
      },
      [&](size_t) { found = false; }, kPairBlockBytes);
  return found;
}

}  // namespace chkrsl
