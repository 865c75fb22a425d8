#include "chkrsl/store/call.h"

namespace chkrsl {
namespace {

std::shared_mutex gResultFiles;

}  // namespace

std::shared_mutex& ResultFilesLock() { return gResultFiles; }

}  // namespace chkrsl
