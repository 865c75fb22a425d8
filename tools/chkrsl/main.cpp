// chkrsl: inspect the check results of a project.
#include <CLI/CLI.hpp>

#include <iostream>
#include <string>

#include "commands.h"
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

  CLI11_PARSE(app, argc, argv);

  if (!chkrsl_cli::OpenProjectPath(project)) {
    std::cerr << "no project at '" << project << "'\n";
    return 2;
  }
  chkrsl_cli::AdoptStoredSections();
  if (*list) return chkrsl_cli::ListResults(std::cout);
  if (*show) return chkrsl_cli::ShowElement(eleNo, std::cout);
  return 0;
}
