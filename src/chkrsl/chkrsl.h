// Umbrella header: what a host module of the suite uses of the check-result
// library (every class and function the DLL exports) and the platform types
// its signatures carry. The cursors, indexes and other internals of the
// result store are not here; programs built beside the library (the tool,
// the tests) include them by name.
//
// No exception leaves a reader, writer, display or clause function or the
// purlin report: running out of memory (or any other exception inside) ends
// the call as a failure with the one message "内存不足，操作未完成!", shown
// instead of the call's others; each function's comment says what it then
// leaves. The record classes throw std::bad_alloc (chk_rsl.h), and so do,
// like the standard library, the functions whose signatures carry its
// types (chkrsl::host, the GBK and clock helpers). The platform stand-ins
// stand for the host's own functions.
#pragma once

#include "chkrsl/platform/acad.h"
#include "chkrsl/platform/afx.h"
#include "chkrsl/platform/clock.h"
#include "chkrsl/platform/cstring.h"
#include "chkrsl/platform/display_structs.h"
#include "chkrsl/platform/gbk.h"
#include "chkrsl/platform/qmbaseform.h"
#include "chkrsl/platform/viewer.h"

#include "chkrsl/records/chk_rsl.h"
#include "chkrsl/records/composite.h"
#include "chkrsl/records/concrete.h"
#include "chkrsl/records/concrete_beam.h"
#include "chkrsl/records/eff_area.h"
#include "chkrsl/records/energy.h"
#include "chkrsl/records/open_truss.h"
#include "chkrsl/records/steel.h"
#include "chkrsl/records/steel_family.h"
#include "chkrsl/records/user_section.h"
#include "chkrsl/records/wall.h"

#include "chkrsl/store/eff_area_files.h"
#include "chkrsl/store/element_readers.h"
#include "chkrsl/store/host_controls.h"
#include "chkrsl/store/lszd_reader.h"
#include "chkrsl/store/project_walk.h"
#include "chkrsl/store/result_writer.h"
#include "chkrsl/store/wall_readers.h"

#include "chkrsl/presentation/concrete_info.h"
#include "chkrsl/presentation/rule_strings.h"

#include "chkrsl/purlin/report_writer.h"
