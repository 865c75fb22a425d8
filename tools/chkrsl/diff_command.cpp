#include "diff_command.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>
#include <unordered_set>
#include <vector>

#include "chkrsl/internal.h"
#include "json_writer.h"
#include "progress.h"
#include "project_loader.h"
#include "purlin_fields.h"
#include "record_fields.h"
#include "record_walk.h"

namespace chkrsl_cli {
namespace {

struct Side {
  std::string project;
  ElementTable table;
  std::map<std::string, std::string> paths;  // ext -> path
};

const char* const kOtherFiles[] = {"Edge", "EFFAL"};

bool LoadSide(const std::string& project, Side& side, std::ostream& err) {
  side.project = project;
  if (!OpenProjectPath(project) || !CheckReadable(ProjectFile("CHKTT"), err)) return false;
  for (const std::string& ext : ResultFileExts()) side.paths[ext] = ProjectFile(ext);
  for (const char* ext : kOtherFiles) side.paths[ext] = ProjectFile(ext);
  return LoadElementTable(side.table, err);
}

// What the two sides hold where they differ: a number, a text, or nothing.
struct Value {
  enum Type : uint8_t { kNone, kInt, kDouble, kText } type = kNone;
  double d = 0;
  int64_t i = 0;
  std::string text;

  static Value Text(std::string t) {
    Value v;
    v.type = kText;
    v.text = std::move(t);
    return v;
  }
  static Value Number(FieldBits bits, bool isDouble) {
    Value v;
    v.type = isDouble ? kDouble : kInt;
    v.d = BitsToDouble(bits);
    v.i = BitsToInt(bits);
    return v;
  }
  std::string Shown() const {
    return type == kInt ? std::to_string(i) : type == kDouble ? FormatDouble(d) : text;
  }
  void Write(JsonWriter& w) const {
    if (type == kInt) {
      w.Int(i);
    } else if (type == kDouble) {
      w.Double(d);
    } else {
      w.String(text);
    }
  }
};

// Where a change belongs: the element files by structure kind, then the
// walls, their edges, the effective areas and the purlin design.
enum class Part { kKind, kWalls, kEdges, kEffAreas, kPurlin };

struct Group {
  Part part;
  int kind;  // for kKind
  bool operator<(const Group& g) const {
    return part != g.part ? part < g.part : kind < g.kind;
  }
};

const char* Label(Part part) {
  switch (part) {
    case Part::kWalls: return "wall";
    case Part::kEdges: return "edge";
    case Part::kPurlin: return "";
    default: return "element";
  }
}

std::string GroupTitle(const Group& g) {
  switch (g.part) {
    case Part::kKind: return "structure kind " + std::to_string(g.kind);
    case Part::kWalls: return "walls";
    case Part::kEdges: return "wall edges";
    case Part::kEffAreas: return "effective areas";
    case Part::kPurlin: return "purlin design";
  }
  return "";
}

const char* GroupKey(Part part) {
  switch (part) {
    case Part::kKind: return "kinds";
    case Part::kWalls: return "walls";
    case Part::kEdges: return "edges";
    case Part::kEffAreas: return "effectiveAreas";
    case Part::kPurlin: return "purlin";
  }
  return "";
}

struct Change {
  int number;  // -1: none
  const char* what;  // "added", "removed", "status", "value", "layout", "unreadable"
  const std::string* field;  // a field name, or the file of an added or removed record
  Value before, after;
};

// A file whose walk ended early on one side.
struct Damage {
  std::string side, file, problem;
  int64_t offset;
};

struct Counts {
  int added = 0, removed = 0, changed = 0;
};

class Differ {
 public:
  Differ(const DiffOptions& opt, const Side& a, const Side& b, Progress& progress)
      : opt_(opt), a_(a), b_(b), progress_(progress) {}

  void Run() {
    for (const std::string& ext : ResultFileExts()) {
      CompareResultFile(ext, ext == "CHKCW" ? Part::kWalls : Part::kKind);
    }
    CompareEdges();
    CompareEffAreas();
    ComparePurlin();
  }

  bool Differs() const { return records_ > 0 || !damages_.empty(); }

  void PrintText(std::ostream& out) const;
  void PrintJson(std::ostream& out) const;

 private:
  bool Done() const { return opt_.brief && Differs(); }

  const std::string* Intern(const std::string& name) { return &*names_.insert(name).first; }

  int KindOf(int ele) const {
    for (const Side* s : {&b_, &a_}) {
      auto k = s->table.kindOf.find(ele);
      if (k != s->table.kindOf.end()) return k->second;
    }
    return 0;
  }

  // Opens the record `number` of group g, under its class; its changes follow.
  void Begin(const Group& g, int number, const char* className) {
    group_ = g;
    number_ = number;
    className_ = className;
    changedHere_ = false;
  }

  void Add(const char* what, const std::string* field, Value before, Value after) {
    if (!changedHere_) {
      changedHere_ = true;
      ++records_;
      Counts& c = counts_[{group_, className_}];
      ++(std::strcmp(what, "added") == 0     ? c.added
         : std::strcmp(what, "removed") == 0 ? c.removed
                                              : c.changed);
    }
    if (field && (std::strcmp(what, "value") == 0 || std::strcmp(what, "status") == 0))
      ++byField_[*field];
    if (opt_.stat || opt_.brief) return;
    changes_[group_].push_back({number_, what, field, std::move(before), std::move(after)});
  }

  // Equal within the tolerances; NaN equals only NaN.
  bool Close(double x, double y) const {
    if (std::isnan(x) || std::isnan(y)) return std::isnan(x) && std::isnan(y);
    if (x == y) return true;
    const double d = std::fabs(x - y);
    return d <= opt_.atol || d <= opt_.tolerance * std::fmax(std::fabs(x), std::fabs(y));
  }

  // The fields of the two records taken in ta_ and tb_.
  void CompareTaken() {
    const Shape& sa = shapes_.Of(ta_);
    const Shape& sb = shapes_.Of(tb_);
    if (&sa != &sb && (sa.className != sb.className || sa.names != sb.names)) {
      auto describe = [](const Shape& s) {
        return std::string(s.className) + " with " + std::to_string(s.names.size()) + " fields";
      };
      Add("layout", nullptr, Value::Text(describe(sa)), Value::Text(describe(sb)));
      return;
    }
    for (size_t k = 0; k < ta_.values.size(); ++k) {
      const FieldBits x = ta_.values[k], y = tb_.values[k];
      if (x == y) continue;
      const bool isDouble = sa.isDouble[k];
      if (isDouble ? Close(BitsToDouble(x), BitsToDouble(y))
                   : Close(static_cast<double>(BitsToInt(x)), static_cast<double>(BitsToInt(y))))
        continue;
      const std::string& name = sa.names[k];
      Add(name == "checkStatus" ? "status" : "value", Intern(name), Value::Number(x, isDouble),
          Value::Number(y, isDouble));
    }
  }

  Group GroupOf(Part part, int eleNo) const { return {part, part == Part::kKind ? KindOf(eleNo) : 0}; }

  void OneSided(Part part, const std::string& ext, const chkrsl::WalkedEntry& e, bool added) {
    Begin(GroupOf(part, e.header.eleNo), e.header.eleNo,
          e.rec ? chkrsl::RecordClassName(*e.rec) : "(unreadable)");
    Add(added ? "added" : "removed", Intern(ext), Value(), Value());
  }

  void CompareEntries(Part part, ResultFileWalk& wa, ResultFileWalk& wb) {
    const chkrsl::WalkedEntry& ea = wa.entry();
    const chkrsl::WalkedEntry& eb = wb.entry();
    // Most entries of two runs are stored alike: equal bytes, nothing to compare.
    size_t na = 0, nb = 0;
    const uint8_t* ba = wa.Bytes(na);
    const uint8_t* bb = wb.Bytes(nb);
    if (ba && bb && na == nb && std::memcmp(ba, bb, na) == 0) return;
    const int ele = ea.header.eleNo;
    Begin(GroupOf(part, ele), ele, eb.rec ? chkrsl::RecordClassName(*eb.rec) : "(unreadable)");
    if (!ea.rec || !eb.rec) {
      Add("unreadable", nullptr, Value::Text(ea.rec ? "" : ea.problem),
          Value::Text(eb.rec ? "" : eb.problem));
      return;
    }
    ta_.Clear(chkrsl::RecordClassName(*ea.rec));
    chkrsl::VisitFields(*ea.rec, ta_);
    tb_.Clear(className_);
    chkrsl::VisitFields(*eb.rec, tb_);
    CompareTaken();
  }

  // Walks both files side by side in ascending element number.
  void CompareResultFile(const std::string& ext, Part part) {
    ResultFileWalk wa(a_.paths.at(ext)), wb(b_.paths.at(ext));
    if (!wa.present() && !wb.present()) return;
    bool hasA = wa.present() && wa.Next(), hasB = wb.present() && wb.Next();
    while ((hasA || hasB) && !Done()) {
      const int na = wa.entry().header.eleNo, nb = wb.entry().header.eleNo;
      if (hasA && (!hasB || na < nb)) {
        OneSided(part, ext, wa.entry(), false);
        progress_.At(wa.entry().offset + (hasB ? wb.entry().offset : 0));
        hasA = wa.Next();
      } else if (hasB && (!hasA || nb < na)) {
        OneSided(part, ext, wb.entry(), true);
        progress_.At(wb.entry().offset + (hasA ? wa.entry().offset : 0));
        hasB = wb.Next();
      } else {
        CompareEntries(part, wa, wb);
        progress_.At(wa.entry().offset + wb.entry().offset);
        hasA = wa.Next();
        hasB = wb.Next();
      }
    }
    progress_.FileDone(wa.present() + wb.present(), (wa.present() ? wa.Summary().fileBytes : 0) +
                                                        (wb.present() ? wb.Summary().fileBytes : 0));
    if (wa.present() && !wa.Summary().stop.empty()) Damaged("old", ext, wa.Summary());
    if (wb.present() && !wb.Summary().stop.empty()) Damaged("new", ext, wb.Summary());
  }

  void Damaged(const char* side, const std::string& ext, const chkrsl::WalkSummary& s) {
    damages_.push_back({side, ext, s.stop, s.stopOffset});
  }
  void Damaged(const char* side, const std::string& ext, const CountedWalk& w) {
    if (!w.stop.empty()) damages_.push_back({side, ext, w.stop, w.stopOffset});
  }

  // Two cursors of numbered records side by side, matched by `number`.
  template <class Cursor, class Rec>
  void CompareCounted(const char* ext, Part part, const char* className,
                      int (*number)(const Rec&)) {
    Cursor ca(a_.paths.at(ext)), cb(b_.paths.at(ext));
    Rec ra, rb;
    bool hasA = ca.Next(ra), hasB = cb.Next(rb);
    while ((hasA || hasB) && !Done()) {
      const int na = number(ra), nb = number(rb);
      if (hasA && (!hasB || na < nb)) {
        Begin({part, 0}, na, className);
        Add("removed", Intern(ext), Value(), Value());
        hasA = ca.Next(ra);
      } else if (hasB && (!hasA || nb < na)) {
        Begin({part, 0}, nb, className);
        Add("added", Intern(ext), Value(), Value());
        hasB = cb.Next(rb);
      } else {
        Begin({part, 0}, na, className);
        ta_.Clear(className);
        chkrsl::VisitFields(ra, ta_);
        tb_.Clear(className);
        chkrsl::VisitFields(rb, tb_);
        CompareTaken();
        hasA = ca.Next(ra);
        hasB = cb.Next(rb);
      }
    }
    Damaged("old", ext, ca.Walk());
    Damaged("new", ext, cb.Walk());
  }

  static int EdgeNumber(const DataForWallEdge& e) { return e.edgeNo; }
  static int EffAreaNumber(const DataForEffArea& e) { return e.eleNo; }

  void CompareEdges() {
    CompareCounted<EdgeFileWalk, DataForWallEdge>("Edge", Part::kEdges, "DataForWallEdge",
                                                EdgeNumber);
  }
  void CompareEffAreas() {
    CompareCounted<EffAreaFileWalk, DataForEffArea>("EFFAL", Part::kEffAreas, "DataForEffArea",
                                                  EffAreaNumber);
  }

  void ComparePurlin() {
    if (Done()) return;
    OpenProjectPath(a_.project);
    const PurlinFields pa = ReadPurlinFields();
    OpenProjectPath(b_.project);
    const PurlinFields pb = ReadPurlinFields();
    for (size_t part = 0; part < pa.size(); ++part) {
      const PurlinPart& x = pa[part];
      const PurlinPart& y = pb[part];
      Begin({Part::kPurlin, 0}, -1, x.className);
      if (x.present != y.present) {
        Add(y.present ? "added" : "removed", Intern(x.file), Value(), Value());
        continue;
      }
      for (size_t k = 0; k < x.values.size(); ++k) {
        if (Close(x.values[k].second, y.values[k].second)) continue;
        FieldBits bx, by;
        std::memcpy(&bx, &x.values[k].second, sizeof bx);
        std::memcpy(&by, &y.values[k].second, sizeof by);
        Add("value", Intern(std::string(x.name) + "." + x.values[k].first),
            Value::Number(bx, true), Value::Number(by, true));
      }
    }
  }

  void PrintChange(std::ostream& out, const Group& g, const Change& c) const;
  void WriteChange(JsonWriter& w, const Group& g, const Change& c) const;
  void PrintDamages(std::ostream& out) const;
  std::vector<std::pair<std::string, int>> TopFields() const;

  const DiffOptions& opt_;
  const Side& a_;
  const Side& b_;
  Progress& progress_;
  FieldTaker ta_, tb_;
  ShapeCache shapes_;
  std::unordered_set<std::string> names_;
  Group group_{Part::kKind, 0};
  int number_ = 0;
  const char* className_ = "";
  bool changedHere_ = false;
  int records_ = 0;  // records with a change
  std::map<Group, std::vector<Change>> changes_;
  std::map<std::pair<Group, std::string>, Counts> counts_;
  std::map<std::string, int> byField_;
  std::vector<Damage> damages_;
};

void Differ::PrintChange(std::ostream& out, const Group& g, const Change& c) const {
  out << "  ";
  if (c.number >= 0) out << Label(g.part) << " " << c.number << ": ";
  out << c.what;
  const bool oneSided = std::strcmp(c.what, "added") == 0 || std::strcmp(c.what, "removed") == 0;
  if (c.field) out << (oneSided ? " (" + *c.field + ")" : " " + *c.field);
  if (c.before.type != Value::kNone || c.after.type != Value::kNone)
    out << ": " << c.before.Shown() << " -> " << c.after.Shown();
  out << "\n";
}

void Differ::WriteChange(JsonWriter& w, const Group& g, const Change& c) const {
  w.BeginObject();
  if (c.number >= 0) w.Key(Label(g.part)).Int(c.number);
  w.Key("change").String(c.what);
  const bool oneSided = std::strcmp(c.what, "added") == 0 || std::strcmp(c.what, "removed") == 0;
  if (c.field) w.Key(oneSided ? "file" : "field").String(*c.field);
  if (c.before.type != Value::kNone || c.after.type != Value::kNone) {
    c.before.Write(w.Key("old"));
    c.after.Write(w.Key("new"));
  }
  w.EndObject();
}

void Differ::PrintDamages(std::ostream& out) const {
  if (damages_.empty()) return;
  out << "damaged files:\n";
  for (const Damage& d : damages_)
    out << "  " << d.side << " " << d.file << ": offset " << d.offset << ": " << d.problem << "\n";
}

std::vector<std::pair<std::string, int>> Differ::TopFields() const {
  constexpr size_t kShown = 10;
  std::vector<std::pair<std::string, int>> top(byField_.begin(), byField_.end());
  std::stable_sort(top.begin(), top.end(),
                   [](const auto& x, const auto& y) { return x.second > y.second; });
  if (top.size() > kShown) top.resize(kShown);
  return top;
}

void Differ::PrintText(std::ostream& out) const {
  if (opt_.brief) {
    if (Differs()) out << "diff: " << a_.project << " and " << b_.project << " differ\n";
    return;
  }
  if (opt_.stat) {
    out << "part                class                      added  removed  changed\n";
    for (const auto& [key, c] : counts_) {
      char row[160];
      std::snprintf(row, sizeof row, "%-18s  %-25s  %5d  %7d  %7d\n",
                    GroupTitle(key.first).c_str(), key.second.c_str(), c.added, c.removed,
                    c.changed);
      out << row;
    }
    if (!byField_.empty()) out << "fields that changed most (records):\n";
    for (const auto& [name, n] : TopFields()) out << "  " << name << ": " << n << "\n";
  } else {
    for (const auto& [g, list] : changes_) {
      out << GroupTitle(g) << ":\n";
      for (const Change& c : list) PrintChange(out, g, c);
    }
  }
  PrintDamages(out);
  out << "diff: " << records_ << (records_ == 1 ? " record differs" : " records differ");
  if (!damages_.empty()) out << ", " << damages_.size() << " damaged files";
  out << "\n";
}

void Differ::PrintJson(std::ostream& out) const {
  JsonWriter w(out);
  w.BeginObject();
  if (opt_.brief) {
    w.Key("differ").Bool(Differs()).EndObject().EndLine();
    return;
  }
  if (opt_.stat) {
    w.Key("stat").BeginArray();
    for (const auto& [key, c] : counts_) {
      w.BeginObject().Key("part").String(GroupKey(key.first.part));
      if (key.first.part == Part::kKind) w.Key("kind").Int(key.first.kind);
      w.Key("class").String(key.second).Key("added").Int(c.added);
      w.Key("removed").Int(c.removed).Key("changed").Int(c.changed).EndObject();
    }
    w.EndArray().Key("fields").BeginArray();
    for (const auto& [name, n] : TopFields())
      w.BeginObject().Key("field").String(name).Key("records").Int(n).EndObject();
    w.EndArray();
  } else {
    w.Key("kinds").BeginArray();
    for (const auto& [g, list] : changes_) {
      if (g.part != Part::kKind) continue;
      w.BeginObject().Key("kind").Int(g.kind).Key("changes").BeginArray();
      for (const Change& c : list) WriteChange(w, g, c);
      w.EndArray().EndObject();
    }
    w.EndArray();
    for (Part part : {Part::kWalls, Part::kEdges, Part::kEffAreas, Part::kPurlin}) {
      w.Key(GroupKey(part)).BeginArray();
      auto list = changes_.find({part, 0});
      if (list != changes_.end())
        for (const Change& c : list->second) WriteChange(w, list->first, c);
      w.EndArray();
    }
  }
  w.Key("damagedFiles").BeginArray();
  for (const Damage& d : damages_) {
    w.BeginObject().Key("side").String(d.side).Key("file").String(d.file);
    w.Key("offset").Int(d.offset).Key("problem").String(d.problem).EndObject();
  }
  w.EndArray().Key("differentRecords").Int(records_).EndObject().EndLine();
}

}  // namespace

int DiffProjects(const DiffOptions& options, const Output& o) {
  Side a, b;
  if (!LoadSide(options.oldProject, a, o.err) || !LoadSide(options.newProject, b, o.err)) {
    return kExitUnusable;
  }
  std::vector<std::string> paths;
  for (const Side* s : {&a, &b})
    for (const std::string& ext : ResultFileExts()) paths.push_back(s->paths.at(ext));
  Progress progress(o.progress, "diff", paths);
  Differ d(options, a, b, progress);
  d.Run();
  progress.Clear();
  if (o.json) {
    d.PrintJson(o.out);
  } else {
    d.PrintText(o.out);
  }
  return d.Differs() ? kExitNo : kExitOk;
}

}  // namespace chkrsl_cli
