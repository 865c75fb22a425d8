// chkrsl summary: per structure kind and record class, how many elements
// are checked and not checked, and which result files hold how many entries.
#pragma once

#include "commands.h"

namespace chkrsl_cli {

// Exit 0; 2 when the element table cannot be read.
int SummarizeProject(const Output& o);

}  // namespace chkrsl_cli
