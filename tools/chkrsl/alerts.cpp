#include "alerts.h"

#include <utility>

#include "chkrsl/platform/gbk.h"

namespace chkrsl_cli {

Alerts::Alerts(std::ostream& err) : err_(err) {
  previous_ = chkrsl::host::SetAlertHandler(
      [this](const char* gbk) { held_.push_back(chkrsl::GbkToUtf8(gbk)); });
}

Alerts::~Alerts() {
  Say("");
  chkrsl::host::SetAlertHandler(std::move(previous_));
}

void Alerts::Say(const std::string& about) {
  for (const std::string& text : held_)
    err_ << "chkrsl: " << (about.empty() ? "" : about + ": ") << "the library alerts: " << text
         << "\n";
  held_.clear();
}

}  // namespace chkrsl_cli
