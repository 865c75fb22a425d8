#include "cli.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "chkrsl/internal.h"

#include "commands.h"
#include "concrete_commands.h"
#include "diff_command.h"
#include "export_command.h"
#include "project_loader.h"
#include "purlin_commands.h"
#include "summary_command.h"
#include "verify_command.h"

namespace chkrsl_cli {
namespace {

constexpr const char kExitCodes[] =
    "The project: -p <folder>/<name> (or its <name>.CHKTT file), before or after the command, or "
    "CHKRSL_PROJECT.\n"
    "Exit codes: 0 success; 1 the answer is no (verify found problems, diff found differences, "
    "an element has no readable result or is not in its table, export left entries out or found "
    "nothing to export); 2 the input cannot be used (a project file that cannot be found or "
    "opened, an unreadable element table); 64 usage.";

CLI::App* Command(CLI::App& app, const char* name, const char* about, const std::string& example) {
  CLI::App* c = app.add_subcommand(name, about);
  c->footer("Example: chkrsl -p examples/project/example " + example);
  return c;
}

constexpr const char kNoProject[] =
    "chkrsl: no project given: name it with -p <folder>/<name> (or its <name>.CHKTT file), or set "
    "CHKRSL_PROJECT\n";

// Accepts only one of `valid`; the message lists them.
CLI::Validator OneOf(const std::vector<std::string>& valid, const std::string& what) {
  return CLI::Validator(
      [valid, what](std::string& value) {
        if (std::find(valid.begin(), valid.end(), value) != valid.end()) return std::string();
        std::string list;
        for (const std::string& v : valid) list += (list.empty() ? "" : ", ") + v;
        return value + " is not " + what + "; one of: " + list;
      },
      "", "");
}

std::vector<std::string> KindNames() {
  std::vector<std::string> names;
  for (int kind : StructureKinds()) names.push_back(std::to_string(kind));
  return names;
}

struct Args {
  std::string project;
  bool json = false;
  int number = 0;
  InfoKind infoKind = InfoKind::kMember;
  std::vector<int> numbers;
  PlateKind plate = PlateKind::kWeb;
  int ruleCode = 0;
  double ratio = 0;
  bool useEffective = false;
  PurlinReportOptions report;
  ExportOptions exporting;
  std::string format = "jsonl";
  std::string elements;
  DiffOptions diff;
  bool quiet = false;
};

// The project file a command cannot do without.
const char* RequiredFile(const CLI::App& c) {
  const std::string& n = c.get_name();
  if (n == "walls" || n == "wall" || n == "edge") return "CHKWT";
  if (n == "purlin-report" || n == "diff" || n == "rule") return nullptr;
  return "CHKTT";
}

int Dispatch(CLI::App& app, Args& a, std::ostream& out, std::ostream& err,
             ProgressOptions progress) {
  CLI::App* c = app.get_subcommands().front();
  const std::string& n = c->get_name();
  Alerts alerts(err);
  if (a.quiet || a.diff.brief) progress.err = nullptr;
  const Output o{out, err, a.json, alerts, progress};
  if (n == "rule") return PrintRule(a.plate, a.ruleCode, a.ratio, a.useEffective, o);
  if (n == "diff") return DiffProjects(a.diff, o);
  if (a.project.empty()) {
    err << kNoProject;
    return kExitUsage;
  }
  if (!OpenProjectPath(a.project)) {
    err << "chkrsl: '" << a.project << "' names no project (expected <folder>/<name>)\n";
    return kExitUnusable;
  }
  if (const char* ext = RequiredFile(*c)) {
    if (!CheckReadable(ProjectFile(ext), err)) return kExitUnusable;
  }
  if (n == "purlin-report") {
    const int status = WritePurlinReport(a.report, out, err);
    alerts.Say(ProjectFile("PCR"));
    return status;
  }
  if (n == "export") {
    a.exporting.csv = a.format == "csv";
    if (!a.elements.empty() && !ParseElementRanges(a.elements, a.exporting.elements)) {
      err << "chkrsl: --elements takes numbers and ranges such as 1,5-9\n";
      return kExitUsage;
    }
  }
  if (n == "verify") return VerifyProject(o);
  if (n == "summary") return SummarizeProject(o);
  // The tool has no design document: the stored section types stand for it.
  chkrsl::host::AdoptStoredSectionTypes();
  if (n == "list") return ListResults(o);
  if (n == "export") return ExportRecords(a.exporting, o);
  if (n == "show") return ShowElement(a.number, o);
  if (n == "walls") return ListWalls(o);
  if (n == "wall") return ShowWall(a.number, o);
  if (n == "edge") return ShowEdge(a.number, o);
  if (n == "info") return PrintDisplayInfo(a.infoKind, a.numbers, o);
  return kExitUsage;
}

void AddJson(CLI::App* c, Args& a) {
  c->add_flag("--json", a.json, "Write JSON (see docs/cli.md)");
}

}  // namespace

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           const ProgressOptions& progress) {
  CLI::App app{"Inspect, verify, export and compare the member check results of a project.",
               "chkrsl"};
  app.footer(kExitCodes);
  app.set_version_flag("--version", "chkrsl " CHKRSL_VERSION);
  // Options of the whole tool (-p) may also come after the command.
  app.fallthrough();
  // An absolute path such as /data/run1/hall is an argument on every
  // system, never a Windows-style option.
  app.allow_windows_style_options(false);
  app.require_subcommand(1);
  Args a;
  app.add_option("-p,--project", a.project,
                 "Project as <folder>/<name> (its files are <folder>/<name>.<ext>) or its "
                 "<name>.CHKTT file")
      ->envname("CHKRSL_PROJECT");
  app.add_flag("--quiet", a.quiet, "Show no progress on standard error");

  CLI::App* list = Command(app, "list", "List the check result of every element", "list --json");
  AddJson(list, a);
  CLI::App* show = Command(app, "show", "Show every field of one element's record", "show 3");
  show->add_option("element", a.number, "Element number")->required();
  AddJson(show, a);
  CLI::App* walls = Command(app, "walls", "List every shear wall and wall edge", "walls");
  AddJson(walls, a);
  CLI::App* wall = Command(app, "wall", "Show every field of one shear wall's record", "wall 23");
  wall->add_option("element", a.number, "Wall element number")->required();
  AddJson(wall, a);
  CLI::App* edge = Command(app, "edge", "Show every field of one wall edge's record", "edge 3");
  edge->add_option("edge", a.number, "Edge number (from 1)")->required();
  AddJson(edge, a);

  CLI::App* info =
      Command(app, "info", "Print the display info of concrete results", "info member 16 13");
  const std::map<std::string, InfoKind> infoKinds{
      {"member", InfoKind::kMember}, {"wall", InfoKind::kWall}, {"edge", InfoKind::kEdge}};
  info->add_option("kind", a.infoKind, "member, wall or edge")
      ->required()
      ->transform(CLI::CheckedTransformer(infoKinds, CLI::ignore_case));
  info->add_option("numbers", a.numbers, "Element numbers (edge numbers for edge)")->required();
  AddJson(info, a);

  CLI::App* verify =
      Command(app, "verify", "Check every result file and report each problem", "verify --json");
  AddJson(verify, a);
  CLI::App* summary = Command(
      app, "summary", "Count checked elements per structure kind and class; list the result files",
      "summary");
  AddJson(summary, a);

  CLI::App* exp = Command(app, "export", "Write every record with every field as JSON Lines or CSV",
                          "export --format csv --output-dir out --excel --elements 1,5-9");
  exp->add_option("--format", a.format, "jsonl or csv")
      ->check(CLI::IsMember({"jsonl", "csv"}))
      ->capture_default_str();
  exp->add_option("--output-dir", a.exporting.outputDir,
                  "Write one file per record class into this folder");
  exp->add_flag("--excel", a.exporting.excel, "Start CSV files with a UTF-8 byte-order mark");
  exp->add_option("--elements", a.elements, "Element numbers and ranges, e.g. 1,5-9");
  exp->add_option("--kind", a.exporting.kind, "Structure kind")
      ->check(OneOf(KindNames(), "a structure kind with result files"));
  exp->add_option("--class", a.exporting.className, "Record class, e.g. DataForSteel")
      ->check(OneOf(RecordClasses(), "a record class"));
  exp->add_flag("--walls", a.exporting.walls, "Also export the walls and wall edges");

  CLI::App* diff = app.add_subcommand("diff", "Compare the results of two projects");
  diff->footer("Example: chkrsl diff run1/example run2/example --tolerance 1e-9 --stat");
  diff->add_option("old", a.diff.oldProject, "Old project as <folder>/<name>")->required();
  diff->add_option("new", a.diff.newProject, "New project as <folder>/<name>")->required();
  diff->add_option("--tolerance", a.diff.tolerance,
                   "Relative tolerance: values within T * max(|old|, |new|) are equal")
      ->check(CLI::NonNegativeNumber);
  diff->add_option("--atol", a.diff.atol, "Absolute tolerance: values within A are equal")
      ->check(CLI::NonNegativeNumber);
  CLI::Option* stat = diff->add_flag(
      "--stat", a.diff.stat,
      "Counts of added, removed and changed records per part and class, and the fields that "
      "changed most");
  diff->add_flag("-q,--quiet", a.diff.brief,
                 "Only whether the projects differ (stops at the first difference)")
      ->excludes(stat);
  AddJson(diff, a);

  CLI::App* rule = app.add_subcommand("rule", "Print the clause text and verdict of a plate check");
  rule->footer("Example: chkrsl rule web 2 1.2");
  const std::map<std::string, PlateKind> plates{{"web", PlateKind::kWeb},
                                                {"flange", PlateKind::kFlange}};
  rule->add_option("plate", a.plate, "web or flange")
      ->required()
      ->transform(CLI::CheckedTransformer(plates, CLI::ignore_case));
  rule->add_option("code", a.ruleCode, "Rule code")->required();
  rule->add_option("ratio", a.ratio, "Checked ratio over its limit, or a marker value")->required();
  rule->add_flag("--effective", a.useEffective,
                 "A web that exceeds its limit takes the effective section");
  AddJson(rule, a);

  CLI::App* purlin =
      Command(app, "purlin-report", "Write the purlin design report", "purlin-report --print");
  const std::map<std::string, int> purlinKinds{{"auto", 0}, {"roof", 1}, {"wall", 2}};
  purlin->add_option("--kind", a.report.purlinKind, "roof, wall or auto (the design file present)")
      ->transform(CLI::CheckedTransformer(purlinKinds, CLI::ignore_case));
  purlin->add_option("--combinations", a.report.combinations,
                     "Load combinations as JSON (default <project>.LoadComb.json when present)");
  purlin->add_option("--output-dir", a.report.outputFolder, "Folder of the report")
      ->capture_default_str();
  CLI::Option* print = purlin->add_flag(
      "--print", a.report.print, "Print the report as UTF-8 instead of writing it; no file is written");
  purlin->add_flag("--open", a.report.open, "Open the report in the viewer (CHKRSL_VIEWER, xdg-open)")
      ->excludes(print);

  try {
    std::vector<std::string> reversed(args.rbegin(), args.rend());
    app.parse(reversed);
  } catch (const CLI::ParseError& e) {
    const int code = app.exit(e, out, err);
    return code == 0 ? kExitOk : kExitUsage;
  }
  return Dispatch(app, a, out, err, progress);
}

}  // namespace chkrsl_cli
