// Everything chkrsl.h offers, and the internals that programs built beside
// the library use: the tool, the tests, benchmarks, fuzzers and the example
// generator. Host modules include chkrsl.h.
#pragma once

#include "chkrsl/chkrsl.h"

#include "chkrsl/format/edge_file.h"
#include "chkrsl/format/eff_area_file.h"
#include "chkrsl/format/element_table.h"
#include "chkrsl/format/file_codes.h"
#include "chkrsl/format/lszd_file.h"
#include "chkrsl/format/record_table.h"
#include "chkrsl/format/reporter.h"
#include "chkrsl/format/result_file.h"
#include "chkrsl/format/wall_list.h"
#include "chkrsl/io/coding.h"
#include "chkrsl/io/file_io.h"
#include "chkrsl/io/output_file.h"
#include "chkrsl/io/source.h"
#include "chkrsl/io/write_seam.h"
#include "chkrsl/purlin/load_comb_text.h"
#include "chkrsl/purlin/purlin_data.h"
#include "chkrsl/purlin/report_layout.h"
#include "chkrsl/purlin/report_stream.h"
#include "chkrsl/records/field_visitor.h"
#include "chkrsl/store/call.h"
#include "chkrsl/store/element_reads.h"
#include "chkrsl/store/entry_index.h"
#include "chkrsl/store/project_files.h"
#include "chkrsl/store/result_files.h"
#include "chkrsl/store/wall_reads.h"
#include "chkrsl/texts/messages.h"
