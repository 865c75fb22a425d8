#include "chkrsl/platform/qmbaseform.h"

#include <cstring>
#include <memory>

namespace {

struct Project {
  bool open = false;
  std::string folder;
  std::string name;
  std::string userFolder;
};

chkrsl::host::PathObserver& Observer() {
  static chkrsl::host::PathObserver observer;
  return observer;
}

void Observe(const char* ext) {
  if (Observer()) Observer()(ext);
}

Project& CurrentProject() {
  static Project project;
  return project;
}

std::string Compose(const std::string& folder, const std::string& ext) {
  const Project& p = CurrentProject();
  if (!p.open) return {};
  std::string path = folder.empty() ? std::string() : folder + "/";
  return path + p.name + "." + ext;
}

int CopyOut(char* out, const std::string& path) {
  if (path.empty() || path.size() + 1 > static_cast<size_t>(kProjPathBufferSize)) return 0;
  std::memcpy(out, path.c_str(), path.size() + 1);
  return 1;
}

}  // namespace

void QMLoadComb::AddTerm(int kind, int number, double partialFactor, double coefficient) {
  caseKind.Add(kind);
  caseNo.Add(number);
  factor.Add(partialFactor);
  coef.Add(coefficient);
}

const QMElement* MyPerDocData::FindElement(int eleNo) const {
  if (eleNo < 0 || eleNo >= elements.GetSize()) return nullptr;
  return elements[eleNo];
}

void MyPerDocData::SetElementSecType(int eleNo, int secType) {
  if (eleNo < 0) return;
  if (eleNo >= elements.GetSize()) elements.SetSize(eleNo + 1);
  if (!elements[eleNo]) elements[eleNo] = new QMElement;
  elements[eleNo]->secType = secType;
}

QMLoadComb* MyPerDocData::AddLoadComb() {
  std::unique_ptr<QMLoadComb> comb(new QMLoadComb);
  loadCombs.Add(comb.get());
  return comb.release();
}

void MyPerDocData::ClearLoadCombs() {
  for (INT_PTR i = 0; i < loadCombs.GetSize(); ++i) delete loadCombs[i];
  loadCombs.RemoveAll();
}

void MyPerDocData::Clear() {
  for (INT_PTR i = 0; i < elements.GetSize(); ++i) delete elements[i];
  elements.RemoveAll();
  ClearLoadCombs();
  purlinKind = 0;
}

int GetProjFileName(char* path, const char* ext, bool, bool, bool, int) {
  if (!path || !ext) return 0;
  Observe(ext);
  return CopyOut(path, chkrsl::host::ProjectFilePath(ext));
}

int GetProjFileName_User(char* path, const char* ext, bool, bool, int) {
  if (!path || !ext) return 0;
  Observe(ext);
  return CopyOut(path, chkrsl::host::UserFilePath(ext));
}

MyPerDocData* GetQMpDoc() {
  static MyPerDocData doc;
  return &doc;
}

namespace chkrsl {
namespace host {

void OpenProject(const std::string& folder, const std::string& name) {
  Project& p = CurrentProject();
  p.open = true;
  p.folder = folder;
  p.name = name;
  p.userFolder.clear();
}

void CloseProject() { CurrentProject() = Project(); }

bool IsProjectOpen() { return CurrentProject().open; }

void SetPathObserver(PathObserver observer) { Observer() = std::move(observer); }

void SetUserFolder(const std::string& folder) { CurrentProject().userFolder = folder; }

std::string ProjectFilePath(const std::string& ext) {
  return Compose(CurrentProject().folder, ext);
}

std::string UserFilePath(const std::string& ext) {
  const Project& p = CurrentProject();
  return Compose(p.userFolder.empty() ? p.folder : p.userFolder, ext);
}

}  // namespace host
}  // namespace chkrsl
