// chkrsl: inspect the check results of a project.
#include <CLI/CLI.hpp>

#include <cstdio>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "commands.h"
#include "concrete_commands.h"
#include "project_loader.h"
#include "purlin_commands.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

int main(int argc, char** argv) {
#ifdef _WIN32
  // Binary mode: the output is the same bytes as on every other system, with
  // no CR added before each LF (the report's own CR LF stays as it is).
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
#endif
  CLI::App app{"Inspect the member check results stored in a project's result files."};
  app.require_subcommand(1);
  std::string project = "examples/project/example";
  app.add_option("-p,--project", project,
                 "Project as <folder>/<name>; its files are <folder>/<name>.<ext>")
      ->capture_default_str();

  CLI::App* list = app.add_subcommand("list", "List the check result of every element");
  CLI::App* show = app.add_subcommand("show", "Show the whole record of one element");
  int eleNo = 0;
  show->add_option("element", eleNo, "Element number")->required();

  CLI::App* walls = app.add_subcommand("walls", "List every shear wall and wall edge");
  CLI::App* wall = app.add_subcommand("wall", "Show the whole record of one shear wall");
  wall->add_option("element", eleNo, "Wall element number")->required();
  CLI::App* edge = app.add_subcommand("edge", "Show the whole record of one wall edge");
  int edgeNo = 0;
  edge->add_option("edge", edgeNo, "Edge number (from 1)")->required();

  CLI::App* info = app.add_subcommand("info", "Print the display info of concrete results");
  chkrsl_cli::InfoKind infoKind = chkrsl_cli::InfoKind::kMember;
  const std::map<std::string, chkrsl_cli::InfoKind> infoKinds{
      {"member", chkrsl_cli::InfoKind::kMember},
      {"wall", chkrsl_cli::InfoKind::kWall},
      {"edge", chkrsl_cli::InfoKind::kEdge}};
  info->add_option("kind", infoKind, "member, wall or edge")
      ->required()
      ->transform(CLI::CheckedTransformer(infoKinds, CLI::ignore_case));
  std::vector<int> numbers;
  info->add_option("numbers", numbers, "Element numbers (edge numbers for edge)")->required();

  CLI::App* rule = app.add_subcommand("rule", "Print the clause text and verdict of a plate check");
  chkrsl_cli::PlateKind plate = chkrsl_cli::PlateKind::kWeb;
  const std::map<std::string, chkrsl_cli::PlateKind> plates{
      {"web", chkrsl_cli::PlateKind::kWeb}, {"flange", chkrsl_cli::PlateKind::kFlange}};
  rule->add_option("plate", plate, "web or flange")
      ->required()
      ->transform(CLI::CheckedTransformer(plates, CLI::ignore_case));
  int ruleCode = 0;
  double ratio = 0;
  bool useEffective = false;
  rule->add_option("code", ruleCode, "Rule code")->required();
  rule->add_option("ratio", ratio, "Checked ratio over its limit, or a marker value")->required();
  rule->add_flag("--effective", useEffective, "A web that exceeds its limit takes the effective section");

  CLI::App* purlin = app.add_subcommand("purlin-report", "Write the purlin design report");
  chkrsl_cli::PurlinReportOptions report;
  const std::map<std::string, int> purlinKinds{{"auto", 0}, {"roof", 1}, {"wall", 2}};
  purlin->add_option("--kind", report.purlinKind, "roof, wall or auto (the design file present)")
      ->transform(CLI::CheckedTransformer(purlinKinds, CLI::ignore_case));
  purlin->add_option("--combinations", report.combinations,
                     "Load combinations as JSON (default <project>.LoadComb.json when present)");
  purlin->add_option("--output-dir", report.outputFolder, "Folder of the report")
      ->capture_default_str();
  purlin->add_flag("--print", report.print, "Print the report as UTF-8 instead of its path");
  purlin->add_flag("--open", report.open, "Open the report in the viewer (CHKRSL_VIEWER, xdg-open)");

  CLI11_PARSE(app, argc, argv);
  if (*rule) return chkrsl_cli::PrintRule(plate, ruleCode, ratio, useEffective, std::cout);

  if (!chkrsl_cli::OpenProjectPath(project)) {
    std::cerr << "no project at '" << project << "'\n";
    return 2;
  }
  chkrsl_cli::AdoptStoredSections();
  if (*list) return chkrsl_cli::ListResults(std::cout);
  if (*show) return chkrsl_cli::ShowElement(eleNo, std::cout);
  if (*walls) return chkrsl_cli::ListWalls(std::cout);
  if (*wall) return chkrsl_cli::ShowWall(eleNo, std::cout);
  if (*edge) return chkrsl_cli::ShowEdge(edgeNo, std::cout);
  if (*info) return chkrsl_cli::PrintDisplayInfo(infoKind, numbers, std::cout);
  if (*purlin) return chkrsl_cli::WritePurlinReport(report, std::cout, std::cerr);
  return 0;
}
