// Writes the example project: chkrsl_make_example <folder> <name>
#include <cstdio>
#include <filesystem>

#include "chkrsl/internal.h"
#include "example_project.h"
#include "purlin_example.h"
#include "steel_family_example.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s <folder> <name>\n", argv[0]);
    return 2;
  }
  std::error_code ec;
  std::filesystem::create_directories(argv[1], ec);
  chkrsl::host::OpenProject(argv[1], argv[2]);

  example::ExampleProject project;
  example::AddSteelExample(project);
  example::AddSteelFamilyExample(project);
  example::AddConcreteExample(project);
  if (!project.Write() || !example::WriteWallExample() ||
      !example::WritePurlinExample(argv[1], argv[2])) {
    std::fprintf(stderr, "could not write the example project into %s\n", argv[1]);
    return 1;
  }
  return 0;
}
