#include "chkrsl/texts/alerts.h"

#include "chkrsl/platform/acad.h"
#include "chkrsl/texts/messages.h"

namespace chkrsl {
namespace {

void ShowOne(const char* text) noexcept {
  try {
    AlertUtf8(text);
  } catch (...) {
  }
}

}  // namespace

void Alerts::Show() noexcept {
  if (abandoned_) {
    ShowOne(msg::kOutOfMemory);
  } else {
    for (const char* text : texts_) ShowOne(text);
  }
  texts_.clear();
  abandoned_ = false;
}

}  // namespace chkrsl
