// Stand-in for the host base module: the open project, the paths of its
// files and the current document's data. A program or test opens a project
// and fills the document through the controls in chkrsl::host.
#pragma once

#include "chkrsl/export.h"

#include <functional>
#include <string>

#include "chkrsl/platform/afx.h"

// The smallest path buffer any caller passes; a path that does not fit in it
// (terminating NUL included) is not composed.
constexpr int kProjPathBufferSize = 260;

// An element of the document. The library reads only its current section type.
struct QMElement {
  int secType = 0;
};

// One load combination: four parallel arrays with one entry per term.
struct CHKRSL_API QMLoadComb {
  CArray<int, int> caseKind;     // load-case kind code (0 dead, 1 live, 2 wind, -1..-6 others)
  CArray<int, int> caseNo;       // load-case number
  CArray<double, double> factor; // partial factor
  CArray<double, double> coef;   // combination coefficient

  int GetTermCount() const { return static_cast<int>(caseKind.GetSize()); }
  void AddTerm(int kind, int number, double partialFactor, double coefficient);
};

// The current document's data. Owns its elements and combinations.
class CHKRSL_API MyPerDocData {
 public:
  MyPerDocData() = default;
  MyPerDocData(const MyPerDocData&) = delete;
  MyPerDocData& operator=(const MyPerDocData&) = delete;
  ~MyPerDocData() { Clear(); }

  // Element table indexed directly by element number; null slots are numbers
  // without an element.
  CTypedPtrArray<CPtrArray, QMElement*> elements;
  // 1 roof purlins, 2 wall purlins, anything else none.
  int purlinKind = 0;
  // Load combinations in project order.
  CTypedPtrArray<CPtrArray, QMLoadComb*> loadCombs;

  // The element of number eleNo, or null when the table has none.
  const QMElement* FindElement(int eleNo) const;
  // Creates or updates element eleNo, growing the table as needed.
  void SetElementSecType(int eleNo, int secType);
  // Appends an empty combination and returns it (owned by the document).
  QMLoadComb* AddLoadComb();
  // Deletes every combination.
  void ClearLoadCombs();
  // Deletes every element and combination and resets the purlin kind.
  void Clear();
};

// Writes the path of the project file named by `ext` into `path` (at least
// kProjPathBufferSize bytes). Returns 1, or 0 when no project is open or the
// path would not fit. The flag arguments are accepted and not interpreted.
CHKRSL_API int GetProjFileName(char* path, const char* ext, bool, bool, bool, int);
// The same for a file in the user's area.
CHKRSL_API int GetProjFileName_User(char* path, const char* ext, bool, bool, int);
// The current document's data; never null.
CHKRSL_API MyPerDocData* GetQMpDoc();

namespace chkrsl {
namespace host {

// Opens the project `name` in `folder`: its files are `<folder>/<name>.<ext>`.
// The user area is reset to the project folder.
CHKRSL_API void OpenProject(const std::string& folder, const std::string& name);
// Closes the project: no path is composed until the next OpenProject.
CHKRSL_API void CloseProject();
CHKRSL_API bool IsProjectOpen();
// Folder of the user-area files; an empty folder means the project folder.
CHKRSL_API void SetUserFolder(const std::string& folder);
// The path GetProjFileName would compose for `ext` (empty when none), for
// programs and tests that prepare or inspect project files.
CHKRSL_API std::string ProjectFilePath(const std::string& ext);
CHKRSL_API std::string UserFilePath(const std::string& ext);

// Called with the name of every path GetProjFileName or
// GetProjFileName_User is asked for, before it is composed, so that a host
// or test can see the document as the library leaves it at that moment.
// An empty observer removes it.
using PathObserver = std::function<void(const char* ext)>;
CHKRSL_API void SetPathObserver(PathObserver observer);

}  // namespace host
}  // namespace chkrsl
