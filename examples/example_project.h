// Builds the files of an example project from records made in code.
#pragma once

#include <map>
#include <string>
#include <vector>

class CHKRsl;
class DataForSteelBase;
class DataForSteel;

namespace example {

class ExampleProject {
 public:
  ExampleProject() = default;
  ExampleProject(const ExampleProject&) = delete;
  ExampleProject& operator=(const ExampleProject&) = delete;
  ~ExampleProject();

  // Lists the element in "CHKTT" with its structure kind and stores its
  // record (taken over) in the result file named `resultFile`.
  void Add(int structureKind, const std::string& resultFile, CHKRsl* rec);

  // Writes "CHKTT" and every result file, entries in ascending element
  // number, and sets each element's section type in the document. The
  // result files that have a "CHKFF" file code are written by
  // WriteCHKResult from a "CHKFF" made here.
  bool Write() const;

 private:
  struct Element {
    int structureKind;
    std::string resultFile;
    CHKRsl* rec;
  };
  static bool WriteThroughFileCodes(const std::vector<const Element*>& elements);

  std::vector<Element> elements_;
};

// Fills every stored field with values derived from `seed`, so that records
// differ from one another and from the cleared defaults.
void FillSteelBase(DataForSteelBase& rec, int seed);
void FillSteel(DataForSteel& rec, int seed);

// The ordinary steel members of the example.
void AddSteelExample(ExampleProject& project);

// The concrete beams and columns of the example (element result file "CHKCT").
void AddConcreteExample(ExampleProject& project);

// Writes the walls ("CHKCW"), the wall list ("CHKWT") and the wall edges
// ("Edge") of the example; walls are not listed in "CHKTT".
bool WriteWallExample();

}  // namespace example
