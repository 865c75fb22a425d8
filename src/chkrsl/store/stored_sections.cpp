#include "chkrsl/store/host_controls.h"

#include <unordered_map>

#include "chkrsl/format/result_file.h"
#include "chkrsl/io/source.h"
#include "chkrsl/platform/qmbaseform.h"
#include "chkrsl/store/element_reads.h"
#include "chkrsl/store/project_files.h"
#include "chkrsl/store/result_files.h"

namespace chkrsl {
namespace host {
namespace {

constexpr int kLargestAdoptedElement = (1 << 24) - 1;

struct Listed {
  int kind = 0;
  bool set = false;
};

// Whether the file `id` is one the readers take an element of `kind` from.
bool HoldsKind(ResultFileId id, int kind) {
  KindFiles kf;
  return FilesOfKind(kind, kf) && (id == kf.plain || (kf.paired && id == kf.companion));
}

int AdoptFrom(ResultFileId id, std::unordered_map<int, Listed>& listed) {
  io::FileSource file;
  if (!OpenProjectFile(ResultFileName(id), file, io::FileSource::kLoadBlockBytes)) return 0;
  int set = 0;
  MyPerDocData* doc = GetQMpDoc();
  ResultCursor entries(file);
  while (entries.Next()) {
    const EntryHeader& h = entries.header();
    auto it = listed.find(h.eleNo);
    if (it == listed.end() || it->second.set || !HoldsKind(id, it->second.kind)) continue;
    it->second.set = true;
    doc->SetElementSecType(h.eleNo, h.secType);
    ++set;
  }
  return set;
}

}  // namespace

int AdoptStoredSectionTypes() {
  CArray<int, int> elements, kinds;
  if (!ReadElementTable(elements, kinds)) return 0;
  std::unordered_map<int, Listed> listed;
  listed.reserve(static_cast<size_t>(elements.GetSize()));
  for (INT_PTR i = 0; i < elements.GetSize(); ++i) {
    // The first pair of a number gives its kind, as for the readers.
    if (elements[i] >= 0 && elements[i] <= kLargestAdoptedElement)
      listed.emplace(elements[i], Listed{kinds[i], false});
  }
  int set = 0;
  for (int i = 0; i < static_cast<int>(ResultFileId::kCount); ++i)
    set += AdoptFrom(static_cast<ResultFileId>(i), listed);
  return set;
}

}  // namespace host
}  // namespace chkrsl
