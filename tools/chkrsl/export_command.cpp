#include "export_command.h"

#include <fstream>
#include <map>
#include <memory>
#include <sstream>

#include "chkrsl/internal.h"
#include "field_output.h"
#include "project_loader.h"
#include "record_walk.h"

namespace chkrsl_cli {
namespace {

constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";

// Where the records of each class go: the output stream, or one file per
// class in the output folder; each CSV target remembers its columns.
class Targets {
 public:
  Targets(const ExportOptions& opt, std::ostream& out) : opt_(opt), out_(out) {}

  std::ostream& For(const std::string& className, std::string*& columns) {
    Target& t = targets_[opt_.outputDir.empty() ? std::string() : className];
    if (!t.stream) {
      if (opt_.outputDir.empty()) {
        t.stream = &out_;
      } else {
        const std::string path = opt_.outputDir + "/" + className + (opt_.csv ? ".csv" : ".jsonl");
        t.file = std::make_unique<std::ofstream>(path, std::ios::binary);
        t.stream = t.file.get();
        if (!*t.file) failed_ = path;
      }
      if (opt_.csv && opt_.excel) *t.stream << kByteOrderMark;
    }
    columns = &t.columns;
    return *t.stream;
  }
  const std::string& Failed() const { return failed_; }

 private:
  struct Target {
    std::unique_ptr<std::ofstream> file;
    std::ostream* stream = nullptr;
    std::string columns;
  };
  const ExportOptions& opt_;
  std::ostream& out_;
  std::map<std::string, Target> targets_;
  std::string failed_;
};

struct RecordKey {
  const char* label;  // "element", "wall" or "edge"
  int number;
  int kind;  // 0: none
  std::string className;
  std::string file;
};

void WriteJsonLine(std::ostream& out, const RecordKey& key,
                   const std::function<void(chkrsl::FieldVisitor&)>& visit) {
  JsonWriter w(out);
  w.BeginObject().Key(key.label).Int(key.number);
  if (key.kind) w.Key("kind").Int(key.kind);
  w.Key("class").String(key.className).Key("file").String(key.file).Key("fields").BeginObject();
  JsonFields fields(w);
  visit(fields);
  w.EndObject().EndObject().EndLine();
}

// A header line precedes every run of rows whose columns differ from the
// row before (records of one class can differ in their list lengths).
void WriteCsvRow(std::ostream& out, std::string& columns, const RecordKey& key,
                 const std::function<void(chkrsl::FieldVisitor&)>& visit) {
  FieldList list;
  visit(list);
  std::string header = "record,number,kind,class,file";
  for (const NamedValue& v : list.values) header += "," + v.name;
  if (header != columns) {
    out << header << "\n";
    columns = header;
  }
  out << key.label << "," << key.number << "," << key.kind << "," << key.className << ","
      << key.file;
  for (const NamedValue& v : list.values) out << "," << v.Text();
  out << "\n";
}

class Exporter {
 public:
  Exporter(const ExportOptions& opt, const Output& o) : opt_(opt), o_(o), targets_(opt, o.out) {}

  int Run(const ElementTable& table) {
    ForEachEntry(ElementFileExts(), [&](const std::string& ext, const chkrsl::WalkedEntry& e) {
      auto kind = table.kindOf.find(e.header.eleNo);
      const int k = kind == table.kindOf.end() ? 0 : kind->second;
      if (!Wanted(e.header.eleNo, k)) return;
      Record({"element", e.header.eleNo, k, "", ext}, e);
    });
    if (opt_.walls) ExportWalls();
    if (!targets_.Failed().empty()) {
      o_.err << "chkrsl: cannot write " << targets_.Failed() << "\n";
      return kExitUnusable;
    }
    if (undecoded_ == 0) return kExitOk;
    o_.err << "chkrsl: " << undecoded_ << " entries could not be decoded and were left out; "
           << "'chkrsl verify' says why\n";
    return kExitNo;
  }

 private:
  bool Wanted(int eleNo, int kind) const {
    if (opt_.kind && kind != opt_.kind) return false;
    if (opt_.elements.empty()) return true;
    for (const auto& [from, to] : opt_.elements)
      if (eleNo >= from && eleNo <= to) return true;
    return false;
  }

  void Record(RecordKey key, const chkrsl::WalkedEntry& e) {
    if (!e.rec) {
      ++undecoded_;
      return;
    }
    key.className = chkrsl::RecordClassName(*e.rec);
    Emit(key, [&](chkrsl::FieldVisitor& v) { chkrsl::VisitFields(*e.rec, v); });
  }

  void Emit(const RecordKey& key, const std::function<void(chkrsl::FieldVisitor&)>& visit) {
    if (!opt_.className.empty() && key.className != opt_.className) return;
    std::string* columns = nullptr;
    std::ostream& out = targets_.For(key.className, columns);
    if (opt_.csv) {
      WriteCsvRow(out, *columns, key, visit);
    } else {
      WriteJsonLine(out, key, visit);
    }
  }

  void ExportWalls() {
    ForEachEntry({"CHKCW"}, [&](const std::string& ext, const chkrsl::WalkedEntry& e) {
      if (Wanted(e.header.eleNo, 0)) Record({"wall", e.header.eleNo, 0, "", ext}, e);
    });
    ForEachEdge([&](const DataForWallEdge& edge) {
      Emit({"edge", edge.edgeNo, 0, "DataForWallEdge", "Edge"},
           [&](chkrsl::FieldVisitor& v) { chkrsl::VisitFields(edge, v); });
    });
  }

  const ExportOptions& opt_;
  const Output& o_;
  Targets targets_;
  int undecoded_ = 0;
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
  return Exporter(options, o).Run(table);
}

}  // namespace chkrsl_cli
