#include "verify_command.h"

#include <cstdio>
#include <memory>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "chkrsl/internal.h"
#include "json_writer.h"
#include "project_loader.h"
#include "record_walk.h"

namespace chkrsl_cli {
namespace {

using chkrsl::kNoElement;

std::string BaseName(const std::string& path) {
  const size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Writes each problem as it is found, each note too, and the summary at
// the end.
class Findings {
 public:
  Findings(const Output& o, Progress& progress) : o_(o), json_(o.out), progress_(progress) {
    if (o_.json) json_.BeginObject().Key("problems").BeginArray();
  }

  void Problem(const std::string& ext, int64_t offset, int element, const std::string& what) {
    ++problems_;
    Finding(ext, offset, element, what);
  }

  // Something worth knowing that is not wrong: printed and counted, but the
  // exit code stays 0. In JSON the notes follow the problems.
  void Note(const std::string& ext, int64_t offset, int element, const std::string& what) {
    ++notes_;
    if (o_.json) {
      heldNotes_.push_back({ext, offset, element, what});
    } else {
      Finding(ext, offset, element, "note: " + what);
    }
  }

  int Finish(int files, int64_t entries) {
    if (o_.json) {
      json_.EndArray().Key("notes").BeginArray();
      for (const Held& n : heldNotes_) Finding(n.ext, n.offset, n.element, n.what, "note");
      json_.EndArray();
      json_.Key("files").Int(files).Key("entries").Int(entries);
      json_.Key("problemCount").Int(problems_).Key("noteCount").Int(notes_).EndObject().EndLine();
    } else {
      o_.out << "verify: " << files << " files, " << entries << " entries, " << problems_
             << (problems_ == 1 ? " problem, " : " problems, ") << notes_
             << (notes_ == 1 ? " note\n" : " notes\n");
    }
    return problems_ ? kExitNo : kExitOk;
  }

 private:
  void Finding(const std::string& ext, int64_t offset, int element, const std::string& what,
               const char* key = "problem") {
    progress_.Clear();  // standard output may be the same terminal
    const std::string file = BaseName(ProjectFile(ext));
    if (o_.json) {
      json_.BeginObject().Key("file").String(file).Key("offset").Int(offset);
      if (element != kNoElement) json_.Key("element").Int(element);
      json_.Key(key).String(what).EndObject();
      return;
    }
    o_.out << file << ": offset " << std::to_string(offset) << ": ";
    if (element != kNoElement) o_.out << "element " << std::to_string(element) << ": ";
    o_.out << what << "\n";
  }

  struct Held {
    std::string ext;
    int64_t offset;
    int element;
    std::string what;
  };
  const Output& o_;
  JsonWriter json_;
  Progress& progress_;
  std::vector<Held> heldNotes_;
  int problems_ = 0;
  int notes_ = 0;
};

// Hands what a library cursor tells of one file to the findings.
class FileReporter : public chkrsl::Reporter {
 public:
  FileReporter(Findings& r, const char* ext) : r_(r), ext_(ext) {}
  void Problem(int64_t offset, int element, const std::string& why) override {
    r_.Problem(ext_, offset, element, why);
  }

 private:
  Findings& r_;
  const char* ext_;
};

// The file an element of `kind` with section type `secType` is stored in,
// or "" for a kind without result files.
std::string ExpectedFile(int kind, int secType) {
  chkrsl::KindFiles kf;
  if (!chkrsl::FilesOfKind(kind, kf)) return "";
  return chkrsl::ResultFileName(chkrsl::FileOfCategory(kf, JudgeSecCate(secType)));
}

}  // namespace

// "CHKWT": W, W wall numbers, E, as the library reads it.
WallList ReadWallList() {
  WallList list;
  chkrsl::io::FileSource file;
  if (!file.Open(ProjectFile("CHKWT"), chkrsl::io::FileSource::kLoadBlockBytes)) return list;
  list.present = true;
  chkrsl::WallList read;
  FirstProblem told;
  chkrsl::ReadWallList(file, read, &told);
  for (INT_PTR i = 0; i < read.walls.GetSize(); ++i) list.walls.push_back(read.walls[i]);
  list.read = read.edgesRead;
  list.edges = read.edges;
  list.problem = told.why;
  list.problemOffset = told.offset;
  return list;
}

namespace {

class Verifier {
 public:
  Verifier(const Output& o, Progress& progress) : r_(o, progress), progress_(progress) {}

  int Run(const ElementTable& table) {
    table_ = &table;
    CheckTableRepeats();
    for (const std::string& ext : ElementFileExts()) WalkOne(ext, false);
    const WallList walls = ReadWallList();
    if (!walls.problem.empty()) r_.Problem("CHKWT", walls.problemOffset, kNoElement, walls.problem);
    wallsListed_.insert(walls.walls.begin(), walls.walls.end());
    WalkOne("CHKCW", true);
    CheckMissingElements();
    if (walls.read) CheckWalls(walls);
    CheckEffectiveAreas();
    return r_.Finish(files_, entries_);
  }

 private:
  void CheckTableRepeats() {
    std::unordered_set<int> seen;
    for (size_t i = 0; i < table_->elements.size(); ++i) {
      if (!seen.insert(table_->elements[i]).second)
        r_.Problem("CHKTT", 4 + 8 * static_cast<int64_t>(i), table_->elements[i], "listed twice");
    }
  }

  void WalkOne(const std::string& ext, bool wallFile) {
    chkrsl::WalkSummary s;
    int previous = 0;
    bool first = true;
    auto visit = [&](const chkrsl::WalkedEntry& e) {
      progress_.At(e.offset);
      ++entries_;
      const int ele = e.header.eleNo;
      if (!first && ele <= previous) {
        r_.Problem(ext, e.offset, ele,
                   ele == previous
                       ? "element number repeated"
                       : "element number out of order (after " + std::to_string(previous) + ")");
      }
      first = false;
      previous = ele;
      if (!chkrsl::IsListedTypeCode(e.header.storedCode))
        r_.Problem(ext, e.offset, ele, "unknown type code " + std::to_string(e.header.storedCode));
      if (!e.rec) r_.Problem(ext, e.offset, ele, e.problem);
      if (!e.note.empty()) r_.Note(ext, e.offset, ele, e.note);
      if (wallFile) {
        if (!wallsListed_.count(ele)) r_.Problem(ext, e.offset, ele, "wall not listed in CHKWT");
        wallsSeen_.insert(ele);
      } else {
        CheckPlace(ext, e);
      }
    };
    if (!WalkFile(ProjectFile(ext), visit, s)) return;
    progress_.FileDone(1, s.fileBytes);
    ++files_;
    present_.insert(ext);
    if (!s.stop.empty()) r_.Problem(ext, s.stopOffset, kNoElement, s.stop);
  }

  // Whether the entry is in the file of its element's structure kind and
  // section category.
  void CheckPlace(const std::string& ext, const chkrsl::WalkedEntry& e) {
    const int ele = e.header.eleNo;
    auto kind = table_->kindOf.find(ele);
    if (kind == table_->kindOf.end()) {
      r_.Problem(ext, e.offset, ele, "element not listed in CHKTT");
      return;
    }
    seen_.insert(ele);
    const std::string expected = ExpectedFile(kind->second, e.header.secType);
    if (expected != ext) {
      r_.Problem(ext, e.offset, ele,
                 "entry belongs in " + (expected.empty() ? std::string("no file") : expected) +
                     " (structure kind " + std::to_string(kind->second) + ", section category " +
                     std::to_string(JudgeSecCate(e.header.secType)) + ")");
    }
  }

  void CheckMissingElements() {
    for (size_t i = 0; i < table_->elements.size(); ++i) {
      const int ele = table_->elements[i];
      if (seen_.count(ele)) continue;
      const std::string plain = ExpectedFile(table_->kinds[i], 0);
      std::string why =
          "no entry in any result file (structure kind " + std::to_string(table_->kinds[i]);
      if (plain.empty()) {
        why += ", which has no result files";
      } else if (!present_.count(plain)) {
        why += ", whose file " + plain + " is missing";
      }
      r_.Problem("CHKTT", 4 + 8 * static_cast<int64_t>(i), ele, why + ")");
    }
  }

  void CheckWalls(const WallList& list) {
    for (size_t i = 0; i < list.walls.size(); ++i) {
      if (!wallsSeen_.count(list.walls[i]))
        r_.Problem("CHKWT", 4 + 4 * static_cast<int64_t>(i), list.walls[i],
                   "wall has no entry in CHKCW");
    }
    chkrsl::io::FileSource file;
    if (!file.Open(ProjectFile("Edge"), chkrsl::io::FileSource::kLoadBlockBytes)) {
      if (list.edges > 0)
        r_.Problem("CHKWT", 4 + 4 * int64_t(list.walls.size()), kNoElement,
                   "lists " + std::to_string(list.edges) + " edges but there is no Edge file");
      return;
    }
    ++files_;
    CheckEdges(file, list.edges);
  }

  void CheckEdges(chkrsl::io::Source& file, int listed) {
    FileReporter told(r_, "Edge");
    chkrsl::EdgeCursor edges(file, &told);
    if (!edges.sound()) return;
    if (edges.declared() != listed)
      r_.Problem("Edge", 0, kNoElement,
                 "holds " + std::to_string(edges.declared()) + " edges, CHKWT lists " +
                     std::to_string(listed));
    for (int i = 0; edges.Next(); ++i) {
      std::unique_ptr<DataForWallEdge> edge(edges.Read());
      if (!edge) return;
      ++entries_;
      if (edge->edgeNo != i + 1)
        r_.Problem("Edge", edges.offset(), kNoElement,
                   "edge number " + std::to_string(edge->edgeNo) + " where " +
                       std::to_string(i + 1) + " belongs");
    }
  }

  void CheckEffectiveAreas() {
    chkrsl::io::FileSource file;
    if (!file.Open(ProjectFile("EFFAL"), chkrsl::io::FileSource::kLoadBlockBytes)) return;
    ++files_;
    FileReporter told(r_, "EFFAL");
    chkrsl::EffAreaCursor entries(file, &told);
    for (int previous = 0, i = 0; entries.Next(); ++i) {
      ++entries_;
      delete entries.Read();
      if (i > 0 && entries.number() <= previous)
        r_.Problem("EFFAL", entries.offset(), entries.number(),
                   "entries out of order (after " + std::to_string(previous) + ")");
      previous = entries.number();
    }
  }

  Findings r_;
  Progress& progress_;
  const ElementTable* table_ = nullptr;
  std::unordered_set<int> seen_, wallsListed_, wallsSeen_;
  std::unordered_set<std::string> present_;
  int files_ = 0;
  int64_t entries_ = 0;
};

}  // namespace

int VerifyProject(const Output& o) {
  ElementTable table;
  if (!LoadElementTable(table, o.err)) return kExitUnusable;
  Progress progress(o.progress, "verify", ProjectFiles(ResultFileExts()));
  return Verifier(o, progress).Run(table);
}

}  // namespace chkrsl_cli
