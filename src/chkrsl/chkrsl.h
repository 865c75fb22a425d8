// Umbrella header: every exported class and function of the check-result
// library, the platform types it uses and the host layer's controls.
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
#include "chkrsl/records/concrete_list.h"
#include "chkrsl/records/eff_area.h"
#include "chkrsl/records/energy.h"
#include "chkrsl/records/field_visitor.h"
#include "chkrsl/records/open_truss.h"
#include "chkrsl/records/steel.h"
#include "chkrsl/records/steel_family.h"
#include "chkrsl/records/user_section.h"
#include "chkrsl/records/wall.h"

#include "chkrsl/store/eff_area_files.h"
#include "chkrsl/store/element_readers.h"
#include "chkrsl/store/entry_index.h"
#include "chkrsl/store/lszd_reader.h"
#include "chkrsl/store/project_walk.h"
#include "chkrsl/store/result_writer.h"
#include "chkrsl/store/wall_readers.h"
#include "chkrsl/texts/messages.h"

#include "chkrsl/presentation/concrete_info.h"
#include "chkrsl/presentation/rule_strings.h"

#include "chkrsl/purlin/load_comb_text.h"
#include "chkrsl/purlin/purlin_data.h"
#include "chkrsl/purlin/report_layout.h"
#include "chkrsl/purlin/report_stream.h"
#include "chkrsl/purlin/report_writer.h"
