#include "summary_command.h"

#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <utility>

#include "chkrsl/internal.h"
#include "field_output.h"
#include "project_loader.h"
#include "record_walk.h"

namespace chkrsl_cli {
namespace {

constexpr int kNotChecked = -1;

// Check status counts of one structure kind and class.
struct Tally {
  int elements = 0;
  int notChecked = 0;
  std::map<int, int> byStatus;  // every other status value
};

struct FileCount {
  int declared = 0;
  int readable = 0;
  std::string stop;
};

// One column per check status value met (besides -1, "not checked").
void PrintText(const std::map<std::pair<int, std::string>, Tally>& tallies,
               const std::map<std::string, FileCount>& files, std::ostream& out) {
  std::set<int> statuses;
  for (const auto& entry : tallies)
    for (const auto& counted : entry.second.byStatus) statuses.insert(counted.first);
  out << "kind  class                      elements  checked  not checked";
  for (int status : statuses) {
    char head[32];
    std::snprintf(head, sizeof head, "  %9s", ("status " + std::to_string(status)).c_str());
    out << head;
  }
  out << "\n";
  for (const auto& [key, t] : tallies) {
    char row[128];
    std::snprintf(row, sizeof row, "%4d  %-25s  %8d  %7d  %11d", key.first, key.second.c_str(),
                  t.elements, t.elements - t.notChecked, t.notChecked);
    out << row;
    for (int status : statuses) {
      auto n = t.byStatus.find(status);
      std::snprintf(row, sizeof row, "  %9d", n == t.byStatus.end() ? 0 : n->second);
      out << row;
    }
    out << "\n";
  }
  if (!tallies.empty() && tallies.begin()->first.first == 0) out << "kind 0: the walls of CHKCW\n";
  out << "\nfile       entries  readable  problem\n";
  for (const auto& [ext, f] : files) {
    char row[96];
    std::snprintf(row, sizeof row, "%-9s  %7d  %8d", ext.c_str(), f.declared, f.readable);
    out << row << (f.stop.empty() ? "" : "  " + f.stop) << "\n";
  }
}

void PrintJson(const std::map<std::pair<int, std::string>, Tally>& tallies,
               const std::map<std::string, FileCount>& files, std::ostream& out) {
  JsonWriter w(out);
  w.BeginObject().Key("classes").BeginArray();
  for (const auto& [key, t] : tallies) {
    w.BeginObject().Key("kind").Int(key.first).Key("class").String(key.second);
    w.Key("elements").Int(t.elements).Key("checked").Int(t.elements - t.notChecked);
    w.Key("notChecked").Int(t.notChecked).Key("byStatus").BeginObject();
    for (const auto& [status, n] : t.byStatus) w.Key(std::to_string(status)).Int(n);
    w.EndObject().EndObject();
  }
  w.EndArray().Key("files").BeginArray();
  for (const auto& [ext, f] : files) {
    w.BeginObject().Key("file").String(ext).Key("entries").Int(f.declared);
    w.Key("readable").Int(f.readable);
    if (!f.stop.empty()) w.Key("problem").String(f.stop);
    w.EndObject();
  }
  w.EndArray().EndObject().EndLine();
}

}  // namespace

int SummarizeProject(const Output& o) {
  ElementTable table;
  if (!LoadElementTable(table, o.err)) return kExitUnusable;
  std::map<std::pair<int, std::string>, Tally> tallies;
  std::map<std::string, FileCount> files;
  Progress progress(o.progress, "summary", ProjectFiles(ResultFileExts()));
  for (const std::string& ext : ResultFileExts()) {
    FileCount count;
    chkrsl::WalkSummary s;
    const bool present = WalkFile(
        ProjectFile(ext),
        [&](const chkrsl::WalkedEntry& e) {
          progress.At(e.offset);
          if (!e.rec) return;
          ++count.readable;
          auto kind = table.kindOf.find(e.header.eleNo);
          Tally& t = tallies[{kind == table.kindOf.end() ? 0 : kind->second,
                              chkrsl::RecordClassName(*e.rec)}];
          ++t.elements;
          if (e.rec->checkStatus == kNotChecked) {
            ++t.notChecked;
          } else {
            ++t.byStatus[e.rec->checkStatus];
          }
        },
        s);
    if (!present) continue;
    progress.FileDone(1, s.fileBytes);
    count.declared = s.declared;
    count.stop = s.stop;
    files[ext] = count;
  }
  progress.Clear();
  if (o.json) {
    PrintJson(tallies, files, o.out);
  } else {
    PrintText(tallies, files, o.out);
  }
  return kExitOk;
}

}  // namespace chkrsl_cli
