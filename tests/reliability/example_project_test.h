// A test project holding a copy of the bundled example project, with the
// document holding the section types its files were checked with.
#pragma once

#include <string>
#include <vector>

#include "support/project_fixture.h"

namespace chkrsl_test {

class ExampleProjectTest : public ProjectTest {
 protected:
  void SetUp() override;
  // Takes the stored section type of every entry of every result file as
  // the element's current one.
  static void AdoptStoredSections();

  std::vector<std::string> files;  // extensions of the copied files
};

}  // namespace chkrsl_test
