// Opens a project for the tool, stands in for the design document and
// finds the project's files.
#pragma once

#include <ostream>
#include <string>
#include <unordered_map>
#include <vector>

namespace chkrsl_cli {

// Exit codes, as cmp and h5diff use them.
constexpr int kExitOk = 0;
constexpr int kExitNo = 1;        // the answer is "no": problems, differences, no result
constexpr int kExitUnusable = 2;  // the input cannot be used at all
constexpr int kExitUsage = 64;

// Opens the project given as "<folder>/<name>" (its files are
// "<folder>/<name>.<ext>") or as the path of its "CHKTT" file. False when
// the path names no project.
bool OpenProjectPath(std::string projectPath);

// The path of a file of the open project.
std::string ProjectFile(const std::string& ext);
// The paths of the open project's files named by `exts`.
std::vector<std::string> ProjectFiles(const std::vector<std::string>& exts);

// Whether the file at `path` can be opened for reading; if not, says on
// `err` which path and why.
bool CheckReadable(const std::string& path, std::ostream& err);

// The element result files, then the wall result file "CHKCW".
const std::vector<std::string>& ResultFileExts();

// The record classes the record table creates, and the wall edge class.
const std::vector<std::string>& RecordClasses();
// The structure kinds that have result files.
const std::vector<int>& StructureKinds();

// "CHKTT" of the open project.
struct ElementTable {
  std::vector<int> elements;
  std::vector<int> kinds;
  std::unordered_map<int, int> kindOf;
};
// False, after saying so on `err`, when the table cannot be read whole.
bool LoadElementTable(ElementTable& table, std::ostream& err);

}  // namespace chkrsl_cli
