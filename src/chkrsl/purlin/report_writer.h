// The purlin design report of the document's purlin kind: written as GBK
// text with CR LF line ends into the user area ("Chk_WLT" for roof purlins,
// "Chk_QLT" for wall purlins) and opened in the viewer.
#pragma once

#include "chkrsl/export.h"

// Reads the design inputs and check results, writes the report and starts
// the viewer on it. True when the report was written whole and the viewer
// started. False when the purlin kind is neither roof nor wall, an input
// file cannot be read (nothing written; a missing or short check result
// file shows "写文件时发生错误!"), the report path cannot be composed, the
// report cannot be written whole (it shows "写文件时发生错误!", removes the
// partial report and does not start the viewer), or the viewer cannot be
// started (the report stays written). Running out of memory is false after
// "内存不足，操作未完成!": the report is made in memory, so none is written
// unless it was whole and only the viewer could not be started.
CHKRSL_API bool WritePurlineRsl();

// Starts the viewer on `path`; whether it started (false after "内存不足，
// 操作未完成!" when memory runs out).
CHKRSL_API bool OpenInNotepad(const char* path);
