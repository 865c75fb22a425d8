#include "diff_command.h"

#include <cmath>
#include <cstdio>
#include <map>
#include <memory>
#include <vector>

#include "chkrsl/internal.h"
#include "field_output.h"
#include "project_loader.h"
#include "record_walk.h"

namespace chkrsl_cli {
namespace {

struct Side {
  ElementTable table;
  std::map<std::string, std::string> paths;  // result file ext -> path
};

bool LoadSide(const std::string& project, Side& side, std::ostream& err) {
  if (!OpenProjectPath(project) || !CheckReadable(ProjectFile("CHKTT"), err)) return false;
  for (const std::string& ext : ResultFileExts()) side.paths[ext] = ProjectFile(ext);
  return LoadElementTable(side.table, err);
}

// One difference, kept for the report grouped by structure kind.
struct Change {
  int element;
  std::string what;  // "added", "removed", "status", "value", "layout", "unreadable", "damaged"
  std::string field;
  std::string before, after;
};

// Equal within the relative tolerance; NaN equals only NaN.
bool Close(const NamedValue& a, const NamedValue& b, double tolerance) {
  const double x = a.AsDouble(), y = b.AsDouble();
  if (std::isnan(x) || std::isnan(y)) return std::isnan(x) && std::isnan(y);
  if (x == y) return true;
  return std::fabs(x - y) <= tolerance * std::fmax(std::fabs(x), std::fabs(y));
}

class Differ {
 public:
  Differ(const Side& a, const Side& b, double tolerance) : a_(a), b_(b), tol_(tolerance) {}

  void CompareFile(const std::string& ext) {
    chkrsl::EntryWalker wa(a_.paths.at(ext)), wb(b_.paths.at(ext));
    if (wa.opened() || wb.opened()) Merge(ext, wa.opened() ? &wa : nullptr, wb.opened() ? &wb : nullptr);
  }

  std::map<int, std::vector<Change>> changes;  // by structure kind
  int elements = 0;                            // elements with a difference

 private:
  int KindOf(int ele) const {
    for (const Side* s : {&b_, &a_}) {
      auto k = s->table.kindOf.find(ele);
      if (k != s->table.kindOf.end()) return k->second;
    }
    return 0;
  }

  void Add(int ele, Change c) {
    c.element = ele;
    auto& list = changes[KindOf(ele)];
    if (list.empty() || list.back().element != ele) ++elements;
    list.push_back(std::move(c));
  }

  // Walks both files side by side in ascending element number.
  void Merge(const std::string& ext, chkrsl::EntryWalker* wa, chkrsl::EntryWalker* wb) {
    chkrsl::WalkedEntry ea, eb;
    bool hasA = wa && wa->Next(ea), hasB = wb && wb->Next(eb);
    while (hasA || hasB) {
      if (hasA && (!hasB || ea.header.eleNo < eb.header.eleNo)) {
        Add(ea.header.eleNo, {0, "removed", "", ext, ""});
        hasA = wa->Next(ea);
      } else if (hasB && (!hasA || eb.header.eleNo < ea.header.eleNo)) {
        Add(eb.header.eleNo, {0, "added", "", "", ext});
        hasB = wb->Next(eb);
      } else {
        CompareEntries(ea, eb);
        hasA = wa->Next(ea);
        hasB = wb->Next(eb);
      }
    }
    if (wa && !wa->Summary().stop.empty()) Damaged("old", ext, wa->Summary());
    if (wb && !wb->Summary().stop.empty()) Damaged("new", ext, wb->Summary());
  }

  void Damaged(const char* side, const std::string& ext, const chkrsl::WalkSummary& s) {
    changes[0].push_back(
        {-1, "damaged", ext, side, s.stop + " (offset " + std::to_string(s.stopOffset) + ")"});
  }

  void CompareEntries(const chkrsl::WalkedEntry& ea, const chkrsl::WalkedEntry& eb) {
    const int ele = ea.header.eleNo;
    if (!ea.rec || !eb.rec) {
      Add(ele, {0, "unreadable", "", ea.rec ? "" : ea.problem, eb.rec ? "" : eb.problem});
      return;
    }
    FieldList la, lb;
    chkrsl::VisitFields(*ea.rec, la);
    chkrsl::VisitFields(*eb.rec, lb);
    const std::string ca = chkrsl::RecordClassName(*ea.rec), cb = chkrsl::RecordClassName(*eb.rec);
    if (ca != cb || la.values.size() != lb.values.size()) {
      Add(ele, {0, "layout", "", ca + " with " + std::to_string(la.values.size()) + " fields",
                cb + " with " + std::to_string(lb.values.size()) + " fields"});
      return;
    }
    for (size_t i = 0; i < la.values.size(); ++i) {
      const NamedValue& x = la.values[i];
      const NamedValue& y = lb.values[i];
      if (x.name != y.name) {
        Add(ele, {0, "layout", x.name, x.name, y.name});
        return;
      }
      if (Close(x, y, tol_)) continue;
      Add(ele, {0, x.name == "checkStatus" ? "status" : "value", x.name, x.Text(), y.Text()});
    }
  }

  const Side& a_;
  const Side& b_;
  double tol_;
};

void PrintText(const Differ& d, std::ostream& out) {
  for (const auto& [kind, list] : d.changes) {
    out << (kind ? "structure kind " + std::to_string(kind) : std::string("files")) << ":\n";
    for (const Change& c : list) {
      if (c.what == "damaged") {
        out << "  " << c.before << " " << c.field << ": " << c.after << "\n";
        continue;
      }
      out << "  element " << c.element << ": " << c.what;
      if (!c.field.empty()) out << " " << c.field;
      if (!c.before.empty() || !c.after.empty()) out << ": " << c.before << " -> " << c.after;
      out << "\n";
    }
  }
  out << "diff: " << d.elements << (d.elements == 1 ? " element differs\n" : " elements differ\n");
}

void PrintJson(const Differ& d, std::ostream& out) {
  JsonWriter w(out);
  w.BeginObject().Key("kinds").BeginArray();
  for (const auto& [kind, list] : d.changes) {
    w.BeginObject().Key("kind").Int(kind).Key("changes").BeginArray();
    for (const Change& c : list) {
      w.BeginObject();
      if (c.element >= 0) w.Key("element").Int(c.element);
      w.Key("change").String(c.what);
      if (!c.field.empty()) w.Key(c.what == "damaged" ? "file" : "field").String(c.field);
      w.Key("old").String(c.before).Key("new").String(c.after).EndObject();
    }
    w.EndArray().EndObject();
  }
  w.EndArray().Key("differentElements").Int(d.elements).EndObject().EndLine();
}

}  // namespace

int DiffProjects(const DiffOptions& options, const Output& o) {
  Side a, b;
  if (!LoadSide(options.oldProject, a, o.err) || !LoadSide(options.newProject, b, o.err)) {
    return kExitUnusable;
  }
  Differ d(a, b, options.tolerance);
  for (const std::string& ext : ResultFileExts()) d.CompareFile(ext);
  if (o.json) {
    PrintJson(d, o.out);
  } else {
    PrintText(d, o.out);
  }
  return d.changes.empty() ? kExitOk : kExitNo;
}

}  // namespace chkrsl_cli
