// The library's alerts, held back while the tool calls it, so that the
// tool's own message comes first and every alert line names what it is
// about.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "chkrsl/platform/acad.h"

namespace chkrsl_cli {

class Alerts {
 public:
  // Takes every alert the library shows from now on, until destroyed;
  // what is still held then is written without a subject.
  explicit Alerts(std::ostream& err);
  Alerts(const Alerts&) = delete;
  Alerts& operator=(const Alerts&) = delete;
  ~Alerts();

  // Writes the alerts held so far, each on a line of its own:
  // "chkrsl: <about>: the library alerts: <text>".
  void Say(const std::string& about);

 private:
  std::ostream& err_;
  std::vector<std::string> held_;  // UTF-8
  chkrsl::host::AlertHandler previous_;
};

}  // namespace chkrsl_cli
