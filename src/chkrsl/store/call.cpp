#include "chkrsl/store/call.h"

#include "chkrsl/platform/acad.h"

namespace chkrsl {
namespace {

std::shared_mutex gResultFiles;

}  // namespace

void Alerts::Show() {
  for (const char* text : texts_) AlertUtf8(text);
  texts_.clear();
}

std::shared_mutex& ResultFilesLock() { return gResultFiles; }

}  // namespace chkrsl
