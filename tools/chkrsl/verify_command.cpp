#include "verify_command.h"

#include <cstdio>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "chkrsl/chkrsl.h"
#include "json_writer.h"
#include "project_loader.h"
#include "record_walk.h"

namespace chkrsl_cli {
namespace {

constexpr int kNoElement = -1;
constexpr int64_t kEdgeEntryBytes = 4 + DataForWallEdge::kPayloadBytes;

std::string BaseName(const std::string& path) {
  const size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Writes each problem as it is found, and the summary at the end.
class Reporter {
 public:
  Reporter(const Output& o, Progress& progress) : o_(o), json_(o.out), progress_(progress) {
    if (o_.json) json_.BeginObject().Key("problems").BeginArray();
  }

  void Problem(const std::string& ext, int64_t offset, int element, const std::string& what) {
    ++problems_;
    progress_.Clear();  // standard output may be the same terminal
    const std::string file = BaseName(ProjectFile(ext));
    if (o_.json) {
      json_.BeginObject().Key("file").String(file).Key("offset").Int(offset);
      if (element != kNoElement) json_.Key("element").Int(element);
      json_.Key("problem").String(what).EndObject();
      return;
    }
    o_.out << file << ": offset " << std::to_string(offset) << ": ";
    if (element != kNoElement) o_.out << "element " << std::to_string(element) << ": ";
    o_.out << what << "\n";
  }

  int Finish(int files, int64_t entries) {
    if (o_.json) {
      json_.EndArray().Key("files").Int(files).Key("entries").Int(entries);
      json_.Key("problemCount").Int(problems_).EndObject().EndLine();
    } else {
      o_.out << "verify: " << files << " files, " << entries << " entries, " << problems_
             << (problems_ == 1 ? " problem\n" : " problems\n");
    }
    return problems_ ? kExitNo : kExitOk;
  }

 private:
  const Output& o_;
  JsonWriter json_;
  Progress& progress_;
  int problems_ = 0;
};

// The file an element of `kind` with section type `secType` is stored in,
// or "" for a kind without result files.
std::string ExpectedFile(int kind, int secType) {
  chkrsl::KindFiles kf;
  if (!chkrsl::FilesOfKind(kind, kf)) return "";
  const int category = JudgeSecCate(secType);
  const bool plain = !kf.paired || category == 1 || category == 4;
  return chkrsl::ResultFileName(plain ? kf.plain : kf.companion);
}

}  // namespace

// "CHKWT": W, W wall numbers, E.
WallList ReadWallList() {
  WallList list;
  std::FILE* f = std::fopen(ProjectFile("CHKWT").c_str(), "rb");
  if (!f) return list;
  list.present = true;
  int32_t w = 0, e = 0;
  if (!chkrsl::io::ReadI32(f, w) || !chkrsl::io::CountFits(f, w, chkrsl::io::kInt32Bytes)) {
    list.problem = "wall count " + std::to_string(w) + " cannot fit in the file";
  } else {
    list.walls.resize(static_cast<size_t>(w));
    bool whole = true;
    for (int32_t& n : list.walls) whole = whole && chkrsl::io::ReadI32(f, n);
    if (!whole || !chkrsl::io::ReadI32(f, e) || e < 0) {
      list.problem = "edge count missing or negative";
      list.problemOffset = 4 + 4 * int64_t{w};
    } else {
      list.read = true;
      list.edges = e;
    }
  }
  std::fclose(f);
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
    std::FILE* f = std::fopen(ProjectFile("Edge").c_str(), "rb");
    if (!f) {
      if (list.edges > 0)
        r_.Problem("CHKWT", 4 + 4 * int64_t(list.walls.size()), kNoElement,
                   "lists " + std::to_string(list.edges) + " edges but there is no Edge file");
      return;
    }
    ++files_;
    CheckEdges(f, list.edges);
    std::fclose(f);
  }

  void CheckEdges(std::FILE* f, int listed) {
    int32_t n = 0;
    if (!chkrsl::io::ReadI32(f, n) || !chkrsl::io::CountFits(f, n, kEdgeEntryBytes)) {
      r_.Problem("Edge", 0, kNoElement,
                 "edge count " + std::to_string(n) + " cannot fit in the file");
      return;
    }
    if (n != listed)
      r_.Problem("Edge", 0, kNoElement,
                 "holds " + std::to_string(n) + " edges, CHKWT lists " + std::to_string(listed));
    for (int32_t i = 0; i < n; ++i) {
      const int64_t offset = 4 + kEdgeEntryBytes * i;
      DataForWallEdge edge;
      if (!chkrsl::io::ReadI32(f, edge.edgeNo) || !edge.ReadRsl(f)) {
        r_.Problem("Edge", offset, kNoElement, "edge entry cut short");
        return;
      }
      ++entries_;
      if (edge.edgeNo != i + 1)
        r_.Problem("Edge", offset, kNoElement,
                   "edge number " + std::to_string(edge.edgeNo) + " where " +
                       std::to_string(i + 1) + " belongs");
    }
  }

  void CheckEffectiveAreas() {
    std::FILE* f = std::fopen(ProjectFile("EFFAL").c_str(), "rb");
    if (!f) return;
    ++files_;
    int32_t n = 0;
    const int64_t size = chkrsl::io::BytesLeft(f);
    if (!chkrsl::io::ReadI32(f, n) || !chkrsl::io::CountFits(f, n, DataForEffArea::kKeyBytes)) {
      r_.Problem("EFFAL", 0, kNoElement,
                 "entry count " + std::to_string(n) + " cannot fit in the file");
      n = 0;
    }
    int previous = 0;
    for (int32_t i = 0; i < n; ++i) {
      const int64_t offset = size - chkrsl::io::BytesLeft(f);
      DataForEffArea rec;
      if (!chkrsl::io::ReadI32(f, rec.eleNo) || !chkrsl::io::ReadI32(f, rec.dataLength) ||
          !rec.ReadEffArea(f)) {
        r_.Problem("EFFAL", offset, rec.eleNo, "entry cut short or with a negative list count");
        break;
      }
      ++entries_;
      const int64_t used = size - chkrsl::io::BytesLeft(f) - offset - DataForEffArea::kKeyBytes;
      if (used != rec.dataLength)
        r_.Problem("EFFAL", offset, rec.eleNo,
                   "length word " + std::to_string(rec.dataLength) + " but the entry holds " +
                       std::to_string(used) + " bytes");
      if (i > 0 && rec.eleNo <= previous)
        r_.Problem("EFFAL", offset, rec.eleNo,
                   "entries out of order (after " + std::to_string(previous) + ")");
      previous = rec.eleNo;
    }
    std::fclose(f);
  }

  Reporter r_;
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
  std::vector<std::string> paths;
  for (const std::string& ext : ResultFileExts()) paths.push_back(ProjectFile(ext));
  int files = 0;
  const int64_t bytes = SizeOfFiles(paths, files);
  Progress progress(o.progress, "verify", files, bytes);
  return Verifier(o, progress).Run(table);
}

}  // namespace chkrsl_cli
