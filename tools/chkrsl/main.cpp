// chkrsl: inspect the check results of a project.
#include <CLI/CLI.hpp>

#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "commands.h"
#include "concrete_commands.h"
#include "project_loader.h"

int main(int argc, char** argv) {
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

  CLI11_PARSE(app, argc, argv);

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
  return 0;
}
