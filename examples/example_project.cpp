#include "example_project.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>

#include "chkrsl/internal.h"

namespace example {

ExampleProject::~ExampleProject() {
  for (Element& e : elements_) delete e.rec;
}

void ExampleProject::Add(int structureKind, const std::string& resultFile, CHKRsl* rec) {
  elements_.push_back({structureKind, resultFile, rec});
}

namespace {

bool WriteFile(const std::string& ext, const std::function<bool(std::FILE*)>& body) {
  const std::string path = chkrsl::host::ProjectFilePath(ext);
  std::FILE* f = path.empty() ? nullptr : std::fopen(path.c_str(), "wb");
  if (!f) return false;
  const bool ok = body(f);
  return std::fclose(f) == 0 && ok;
}

constexpr int kNoFileCode = -1;

// The "CHKFF" file code whose result file is `name`.
int FileCodeOf(const std::string& name) {
  for (int code : {1, 2, 3, 5, 6, 7, 8, 10, 25, 26, 28, 30}) {
    const char* file = chkrsl::ResultFileOfCode(code);
    if (file && name == file) return code;
  }
  return kNoFileCode;
}

}  // namespace

bool ExampleProject::WriteThroughFileCodes(const std::vector<const Element*>& elements) {
  if (elements.empty()) return true;
  const bool ok = WriteFile("CHKFF", [&](std::FILE* f) {
    chkrsl::io::ByteWriter w;
    w.I32(static_cast<int32_t>(elements.size()));
    for (const Element* e : elements) {
      w.I32(e->rec->eleNo).I32(FileCodeOf(e->resultFile)).I32(e->rec->eleType);
    }
    return chkrsl::io::WriteBytes(f, w);
  });
  if (!ok) return false;
  CTypedPtrArray<CPtrArray, CHKRsl*> recs;
  for (const Element* e : elements) recs.Add(e->rec);
  WriteCHKResult(recs);
  return true;
}

bool ExampleProject::Write() const {
  std::vector<const Element*> sorted;
  for (const Element& e : elements_) sorted.push_back(&e);
  std::stable_sort(sorted.begin(), sorted.end(),
                   [](const Element* a, const Element* b) { return a->rec->eleNo < b->rec->eleNo; });

  bool ok = WriteFile("CHKTT", [&](std::FILE* f) {
    chkrsl::io::ByteWriter w;
    w.I32(static_cast<int32_t>(sorted.size()));
    for (const Element* e : sorted) w.I32(e->rec->eleNo).I32(e->structureKind);
    return chkrsl::io::WriteBytes(f, w);
  });

  // Files the result writer serves are written through "CHKFF" and
  // WriteCHKResult, the others directly.
  std::vector<const Element*> throughWriter;
  std::map<std::string, std::vector<const Element*>> byFile;
  for (const Element* e : sorted) {
    if (FileCodeOf(e->resultFile) != kNoFileCode) {
      throughWriter.push_back(e);
    } else {
      byFile[e->resultFile].push_back(e);
    }
  }
  ok = WriteThroughFileCodes(throughWriter) && ok;
  for (const auto& file : byFile) {
    const std::vector<const Element*>& entries = file.second;
    ok = WriteFile(file.first, [&](std::FILE* f) {
           chkrsl::io::ByteWriter w;
           w.I32(static_cast<int32_t>(entries.size()));
           if (!chkrsl::io::WriteBytes(f, w)) return false;
           for (const Element* e : entries) e->rec->WriteToCHK(f);
           return std::ferror(f) == 0;
         }) && ok;
  }
  for (const Element* e : sorted) GetQMpDoc()->SetElementSecType(e->rec->eleNo, e->rec->secType);
  return ok;
}

void FillSteelBase(DataForSteelBase& rec, int seed) {
  for (int i = 0; i < 3; ++i) rec.hdrInt[i] = seed * 10 + i;
  for (int i = 0; i < 45; ++i) rec.dBase[i] = seed + i / 100.0;
  for (int i = 0; i < 27; ++i) rec.nBase[i] = seed * 100 + i;
  rec.checkStatus = seed % 3 == 0 ? -1 : 1;
}

void FillSteel(DataForSteel& rec, int seed) {
  FillSteelBase(rec, seed);
  for (int i = 0; i < 3; ++i) rec.bSteel[i] = static_cast<unsigned char>(seed + i);
  for (int i = 0; i < 27; ++i) rec.dSteel[i] = seed * 2 + i / 1000.0;
  for (int i = 0; i < 6; ++i) rec.nSteel[i] = seed - i;
}

}  // namespace example
