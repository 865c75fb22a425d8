#include "export_command.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <list>
#include <map>
#include <memory>
#include <optional>
#include <sstream>
#include <system_error>
#include <unordered_map>

#include "chkrsl/internal.h"
#include "json_writer.h"
#include "project_loader.h"
#include "record_fields.h"
#include "record_walk.h"

namespace chkrsl_cli {
namespace {

constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";
constexpr char kEdgeClass[] = "DataForWallEdge";
constexpr char kCsvKeyColumns[] = "record,number,kind,class,file";

// What precedes the fields of a record.
struct RecordKey {
  const char* label;  // "element", "wall" or "edge"
  int number;
  int kind;  // 0: none
  const char* file;
};

// The columns of one record class: the union of its records' fields, each
// where the layouts put it (a list widened to its longest length).
class ClassColumns {
 public:
  void Merge(const std::vector<std::string>& names) {
    auto last = order_.end();  // the last name met that was there before
    for (const std::string& name : names) {
      auto at = at_.find(name);
      if (at != at_.end()) {
        last = at->second;
        continue;
      }
      last = order_.insert(last == order_.end() ? order_.begin() : std::next(last), name);
      at_.emplace(name, last);
    }
  }
  void Freeze() {
    frozen_.assign(order_.begin(), order_.end());
    for (size_t c = 0; c < frozen_.size(); ++c) index_.emplace(frozen_[c], static_cast<int>(c));
  }
  int Column(const std::string& name) const {
    auto c = index_.find(name);
    return c == index_.end() ? -1 : c->second;
  }
  const std::vector<std::string>& Names() const { return frozen_; }

 private:
  std::list<std::string> order_;
  std::unordered_map<std::string, std::list<std::string>::iterator> at_;
  std::vector<std::string> frozen_;
  std::unordered_map<std::string, int> index_;
};

// Where records go: the output stream, or a file per class.
struct Target {
  std::unique_ptr<std::ofstream> file;
  std::ostream* stream = nullptr;
  std::string path;
  OutBuffer buf;
  int columns = 0;  // CSV by class: the class's field columns
};

class Exporter {
 public:
  Exporter(const ExportOptions& opt, const Output& o) : opt_(opt), o_(o) {}

  int Run() {
    const bool byClass = !opt_.outputDir.empty();
    if (byClass && !MakeFolder()) return kExitUnusable;
    const int passes = opt_.csv && byClass ? 2 : 1;
    // The readers' walk reads every element file, whatever the kind asked for.
    const bool walls = opt_.walls && !opt_.kind;
    std::vector<std::string> files = walls ? ResultFileExts() : ElementFileExts();
    if (walls) files.push_back("Edge");
    progress_.emplace(o_.progress, "export", ProjectFiles(files), passes);
    if (passes == 2) {
      // The columns of each class are known only once every record is seen.
      Walk(Pass::kColumns);
      for (auto& entry : columns_) entry.second.Freeze();
    }
    Walk(Pass::kWrite);
    for (auto& entry : targets_) {
      Target& t = entry.second;
      t.buf.Flush();
      if (t.file && !t.file->flush()) Failed(t.path);
    }
    progress_->Clear();
    if (!failedWrite_.empty()) return kExitUnusable;
    if (exported_ == 0 && problems_ == 0) {
      o_.err << "chkrsl: no record matches the selection\n";
      return kExitNo;
    }
    return problems_ ? kExitNo : kExitOk;
  }

 private:
  enum class Pass { kColumns, kWrite };

  bool MakeFolder() {
    std::error_code ec;
    std::filesystem::create_directories(opt_.outputDir, ec);
    if (!ec && std::filesystem::is_directory(opt_.outputDir, ec)) return true;
    o_.err << "chkrsl: cannot make the folder " << opt_.outputDir << ": "
           << (ec ? ec.message() : std::string("a file of that name is in the way")) << "\n";
    return false;
  }

  void Failed(const std::string& path) {
    if (!failedWrite_.empty()) return;
    failedWrite_ = path;
    if (progress_) progress_->Clear();
    o_.err << "chkrsl: cannot write " << path << ": " << std::strerror(errno) << "\n";
  }

  bool Wanted(int eleNo, int kind) const {
    if (opt_.kind && kind != opt_.kind) return false;
    if (opt_.elements.empty()) return true;
    for (const auto& [from, to] : opt_.elements)
      if (eleNo >= from && eleNo <= to) return true;
    return false;
  }

  void Walk(Pass pass) {
    pass_ = pass;
    WalkElements();
    if (!opt_.walls || opt_.kind) return;
    Walk("CHKCW", "wall", chkrsl::WalkWallResults);
    Walk("Edge", "edge", chkrsl::WalkEdgeResults);
  }

  // Every element of the element table, as the readers give it.
  void WalkElements() {
    const char* file = nullptr;
    int64_t fileBytes = 0;
    chkrsl::WalkElementResults([&](const chkrsl::ElementResult& r) {
      if (r.file != file) {
        if (file) progress_->FileDone(1, fileBytes);
        file = r.file;
        fileBytes = file ? std::max<int64_t>(FileSize(ProjectFile(file)), 0) : 0;
      }
      if (r.offset >= 0) progress_->At(r.offset);
      if (!Wanted(r.eleNo, r.kind)) return;
      const std::string about = "element " + std::to_string(r.eleNo);
      if (!r.read) return Problem(r.file ? r.file : "CHKTT", r.offset, about, r.problem);
      const char* className = chkrsl::RecordClassName(*r.rec);
      if (!ClassWanted(className)) return;
      taker_.Clear(className);
      chkrsl::VisitFields(*r.rec, taker_);
      Take({"element", r.eleNo, r.kind, r.file});
    });
    if (file) progress_->FileDone(1, fileBytes);
  }

  // The walls of "CHKCW" or the edges of "Edge", as the single readers give them.
  template <class WalkResults>
  void Walk(const char* file, const char* label, WalkResults walkResults) {
    chkrsl::WalkSummary s;
    const bool present = walkResults(
        [&](const chkrsl::StoredResult& r) {
          progress_->At(r.offset);
          if (!Wanted(r.number, 0)) return;
          if (!r.read) return Problem(file, r.offset, std::string(label) + " " + std::to_string(r.number), r.problem);
          const char* className = r.edge ? kEdgeClass : chkrsl::RecordClassName(*r.wall);
          if (!ClassWanted(className)) return;
          taker_.Clear(className);
          if (r.edge) chkrsl::VisitFields(*r.edge, taker_);
          if (r.wall) chkrsl::VisitFields(*r.wall, taker_);
          Take({label, r.number, 0, file});
        },
        s);
    if (present) progress_->FileDone(1, s.fileBytes);
    if (present && !s.stop.empty()) Problem(file, s.stopOffset, "", s.stop);
  }

  bool ClassWanted(const char* className) const {
    return opt_.className.empty() || opt_.className == className;
  }

  // Said once, in the pass that writes.
  void Problem(const std::string& ext, int64_t offset, const std::string& about,
               const std::string& what) {
    if (pass_ != Pass::kWrite) return;
    ++problems_;
    progress_->Clear();
    o_.err << "chkrsl: " << ProjectFile(ext) << ": ";
    if (offset >= 0) o_.err << "offset " << offset << ": ";
    o_.err << (about.empty() ? "" : about + ": ") << what << "; left out of the export\n";
  }

  void Take(const RecordKey& key) {
    Shape& shape = shapes_.Of(taker_);
    if (pass_ == Pass::kColumns) {
      if (!shape.merged) columns_[shape.className].Merge(shape.names);
      shape.merged = true;
      return;
    }
    ++exported_;
    Target& t = TargetFor(shape.className);
    if (!opt_.csv) {
      JsonLine(t.buf, key, shape);
    } else if (opt_.outputDir.empty()) {
      LongRows(t.buf, key, shape);
    } else {
      WideRow(t, key, shape);
    }
  }

  Target& TargetFor(const char* className) {
    // Records of one class come in runs: the last target is asked first.
    if (last_ && (opt_.outputDir.empty() || lastClass_ == className)) return *last_;
    const bool byClass = !opt_.outputDir.empty();
    Target& t = targets_[byClass ? className : ""];
    last_ = &t;
    lastClass_ = className;
    if (t.stream) return t;
    if (!byClass) {
      t.stream = &o_.out;
      t.buf.Attach(t.stream);
      if (opt_.csv)
        t.buf.Append(std::string(opt_.excel ? kByteOrderMark : "") + kCsvKeyColumns +
                     ",field,value\n");
      return t;
    }
    t.path = opt_.outputDir + "/" + className + (opt_.csv ? ".csv" : ".jsonl");
    t.file = std::make_unique<std::ofstream>(t.path, std::ios::binary);
    t.stream = t.file.get();
    t.buf.Attach(t.stream);
    if (!*t.file) Failed(t.path);
    if (!opt_.csv) return t;
    std::string header = std::string(opt_.excel ? kByteOrderMark : "") + kCsvKeyColumns;
    const ClassColumns& columns = columns_[className];
    for (const std::string& name : columns.Names()) header += "," + name;
    t.buf.Append(header + "\n");
    t.columns = static_cast<int>(columns.Names().size());
    return t;
  }

  char* PutValue(char* p, const Shape& shape, size_t k, bool json) const {
    const FieldBits bits = taker_.values[k];
    if (!shape.isDouble[k]) return PutInt(p, BitsToInt(bits));
    const double v = BitsToDouble(bits);
    if (json && !std::isfinite(v)) return OutBuffer::Put(p, JsonQuoted(FormatDouble(v)));
    return PutDouble(p, v);
  }

  // Room enough for the key of a record: label, number, kind, class, file.
  static constexpr size_t kKeyBytes = 200;

  void JsonLine(OutBuffer& buf, const RecordKey& key, const Shape& shape) const {
    const size_t values = taker_.values.size();
    char* p = buf.Room(kKeyBytes + shape.json.size() + values * kNumberChars);
    p = Put(p, "{\"");
    p = Put(p, key.label);
    p = Put(p, "\":");
    p = PutInt(p, key.number);
    if (key.kind) {
      p = Put(p, ",\"kind\":");
      p = PutInt(p, key.kind);
    }
    p = Put(p, ",\"class\":\"");
    p = Put(p, shape.className);
    p = Put(p, "\",\"file\":\"");
    p = Put(p, key.file);
    p = Put(p, "\",\"fields\":{");
    const char* text = shape.json.data();
    for (size_t k = 0; k < values; ++k) {
      const size_t n = shape.jsonCut[k + 1] - shape.jsonCut[k];
      p = std::copy_n(text, n, p);
      text += n;
      p = PutValue(p, shape, k, true);
    }
    p = std::copy_n(text, shape.json.size() - shape.jsonCut[values], p);
    p = Put(p, "}\n");
    buf.Commit(p);
  }

  static char* Put(char* p, const char* text) { return std::copy_n(text, std::strlen(text), p); }

  static char* PutKey(char* p, const RecordKey& key, const char* className) {
    p = Put(p, key.label);
    *p++ = ',';
    p = PutInt(p, key.number);
    *p++ = ',';
    p = PutInt(p, key.kind);
    *p++ = ',';
    p = Put(p, className);
    *p++ = ',';
    return Put(p, key.file);
  }

  // One row per field: record, number, kind, class, file, field, value.
  void LongRows(OutBuffer& buf, const RecordKey& key, const Shape& shape) const {
    const size_t values = taker_.values.size();
    char* p = buf.Room(values * (kKeyBytes + kNumberChars) + shape.nameBytes);
    for (size_t k = 0; k < values; ++k) {
      p = PutKey(p, key, shape.className);
      *p++ = ',';
      p = OutBuffer::Put(p, shape.names[k]);
      *p++ = ',';
      p = PutValue(p, shape, k, false);
      *p++ = '\n';
    }
    buf.Commit(p);
  }

  // One row per record under its class's columns; a field the record lacks
  // is an empty cell.
  void WideRow(Target& t, const RecordKey& key, Shape& shape) {
    if (shape.columns.size() != shape.names.size()) MapColumns(shape);
    const size_t values = taker_.values.size();
    char* p = t.buf.Room(kKeyBytes + static_cast<size_t>(t.columns) + values * kNumberChars + 1);
    p = PutKey(p, key, shape.className);
    int column = 0;
    for (int k : shape.byColumn) {
      const int c = shape.columns[static_cast<size_t>(k)];
      if (c < column) continue;  // not met in the first pass (the file changed)
      for (; column < c; ++column) *p++ = ',';
      *p++ = ',';
      p = PutValue(p, shape, static_cast<size_t>(k), false);
      ++column;
    }
    for (; column < t.columns; ++column) *p++ = ',';
    *p++ = '\n';
    t.buf.Commit(p);
  }

  void MapColumns(Shape& shape) {
    const ClassColumns& columns = columns_[shape.className];
    shape.columns.clear();
    for (const std::string& name : shape.names) shape.columns.push_back(columns.Column(name));
    shape.byColumn.resize(shape.names.size());
    for (size_t k = 0; k < shape.byColumn.size(); ++k) shape.byColumn[k] = static_cast<int>(k);
    std::stable_sort(shape.byColumn.begin(), shape.byColumn.end(),
                     [&shape](int a, int b) { return shape.columns[a] < shape.columns[b]; });
  }

  const ExportOptions& opt_;
  const Output& o_;
  Pass pass_ = Pass::kWrite;
  std::optional<Progress> progress_;
  FieldTaker taker_;
  ShapeCache shapes_;
  std::map<std::string, ClassColumns> columns_;
  std::map<std::string, Target> targets_;
  Target* last_ = nullptr;
  const char* lastClass_ = nullptr;
  std::string failedWrite_;
  int64_t exported_ = 0;
  int problems_ = 0;
};

}  // namespace

bool ParseElementRanges(const std::string& text, std::vector<std::pair<int, int>>& ranges) {
  std::stringstream items(text);
  std::string item;
  while (std::getline(items, item, ',')) {
    const size_t dash = item.find('-', 1);
    try {
      size_t used = 0;
      const int from = std::stoi(item, &used);
      int to = from;
      if (dash != std::string::npos) {
        size_t usedTo = 0;
        to = std::stoi(item.substr(dash + 1), &usedTo);
        used = dash + 1 + usedTo;
      }
      if (used != item.size() || to < from) return false;
      ranges.emplace_back(from, to);
    } catch (const std::exception&) {
      return false;
    }
  }
  return !ranges.empty();
}

int ExportRecords(const ExportOptions& options, const Output& o) {
  ElementTable table;
  if (!LoadElementTable(table, o.err)) return kExitUnusable;
  return Exporter(options, o).Run();
}

}  // namespace chkrsl_cli
