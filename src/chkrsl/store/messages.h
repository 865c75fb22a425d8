// The texts of the result store now live in chkrsl/texts/messages.h, where
// the record layer may include them too.
#pragma once

#include "chkrsl/texts/messages.h"
