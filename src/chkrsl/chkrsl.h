// Umbrella header: every exported class and function of the check-result
// library, the platform types it uses and the host layer's controls.
#pragma once

#include "chkrsl/platform/acad.h"
#include "chkrsl/platform/afx.h"
#include "chkrsl/platform/cstring.h"
#include "chkrsl/platform/gbk.h"
#include "chkrsl/platform/qmbaseform.h"

#include "chkrsl/io/coding.h"
#include "chkrsl/io/file_io.h"
