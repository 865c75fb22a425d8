#include "commands.h"

#include <cstdio>
#include <memory>
#include <utility>
#include <vector>
#include <string>

#include "chkrsl/internal.h"
#include "field_output.h"
#include "project_loader.h"
#include "record_walk.h"

namespace chkrsl_cli {
namespace {

// One row of `list`: rec is null for an element without a readable result.
void ListRow(const Output& o, JsonWriter& json, int eleNo, int kind, const CHKRsl* rec,
             const std::string& file) {
  if (o.json) {
    json.BeginObject().Key("element").Int(eleNo).Key("kind").Int(kind);
    json.Key("readable").Bool(rec != nullptr);
    if (rec) {
      json.Key("class").String(chkrsl::RecordClassName(*rec)).Key("file").String(file);
      json.Key("secType").Int(rec->secType).Key("category").Int(JudgeSecCate(rec->secType));
      json.Key("checkStatus").Int(rec->checkStatus);
    }
    json.EndObject();
    return;
  }
  char row[128];
  if (rec) {
    std::snprintf(row, sizeof row, "%7d  %4d  %-25s  %3d  %6d  %s\n", eleNo, kind,
                  chkrsl::RecordClassName(*rec), JudgeSecCate(rec->secType), rec->checkStatus,
                  file.c_str());
  } else {
    std::snprintf(row, sizeof row, "%7d  %4d  (no readable result)\n", eleNo, kind);
  }
  o.out << row;
}

}  // namespace

int ListResults(const Output& o) {
  ElementTable table;
  if (!LoadElementTable(table, o.err)) return kExitUnusable;
  JsonWriter json(o.out);
  if (o.json) {
    json.BeginObject().Key("elements").BeginArray();
  } else {
    o.out << "element  kind  class                      cat  status  file\n";
  }
  // What the readers give every element: those they read in the order of
  // the result files, then the others.
  std::vector<std::pair<int, int>> unread;
  chkrsl::WalkElementResults([&](const chkrsl::ElementResult& r) {
    if (r.read) {
      ListRow(o, json, r.eleNo, r.kind, r.rec, r.file);
    } else {
      unread.emplace_back(r.eleNo, r.kind);
    }
  });
  for (const auto& [eleNo, kind] : unread) ListRow(o, json, eleNo, kind, nullptr, "");
  if (o.json) json.EndArray().EndObject().EndLine();
  if (unread.empty()) return kExitOk;
  o.err << "chkrsl: " << ProjectFile("CHKTT")
        << ": some elements listed have no readable result; 'chkrsl verify' says why\n";
  return kExitNo;
}

bool SayUnreadable(int eleNo, const Output& o) {
  ElementTable table;
  if (!LoadElementTable(table, o.err)) return false;
  o.err << "chkrsl: element " << eleNo
        << (table.kindOf.count(eleNo)
                ? " has no readable result; 'chkrsl verify' says why\n"
                : " is not in the element table " + ProjectFile("CHKTT") + "\n");
  o.alerts.Say("element " + std::to_string(eleNo));
  return true;
}

int ShowElement(int eleNo, const Output& o) {
  CHKRsl* got = nullptr;
  int kind = 0;
  if (!GetOneEleRsl(got, kind, eleNo)) return SayUnreadable(eleNo, o) ? kExitNo : kExitUnusable;
  std::unique_ptr<CHKRsl> rec(got);
  PrintRecord(o.out, o.json, "element", eleNo, kind, *rec);
  return kExitOk;
}

}  // namespace chkrsl_cli
