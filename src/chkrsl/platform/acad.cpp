#include "chkrsl/platform/acad.h"

#include <cstdio>
#include <string>
#include <utility>

#include "chkrsl/platform/gbk.h"

namespace {

void WriteToStandardError(const char* gbk) {
  std::string text = chkrsl::GbkToUtf8(gbk);
  std::fprintf(stderr, "%s\n", text.c_str());
}

chkrsl::host::AlertHandler& CurrentHandler() {
  static chkrsl::host::AlertHandler handler = WriteToStandardError;
  return handler;
}

}  // namespace

int acedAlert(const char* message) {
  CurrentHandler()(message ? message : "");
  return 1;
}

namespace chkrsl {

void AlertUtf8(const char* utf8) { acedAlert(Utf8ToGbk(utf8).c_str()); }

namespace host {

AlertHandler SetAlertHandler(AlertHandler handler) {
  AlertHandler previous = std::move(CurrentHandler());
  CurrentHandler() = handler ? std::move(handler) : AlertHandler(WriteToStandardError);
  return previous;
}

}  // namespace host
}  // namespace chkrsl
