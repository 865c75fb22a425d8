// Clause text and verdict of the width-to-thickness checks of webs, flanges
// and lips. The ratio is the actual ratio over its limit (above 1 means
// exceeded) or one of a few negative marker values of the checking modules.
#pragma once

#include "chkrsl/export.h"

#include "chkrsl/platform/cstring.h"

// Replaces `text` with the web clause of `ruleCode` (a code without one
// leaves `text` as it was) and appends at most one verdict. False exactly
// when the verdict says the check is not met. Texts are GBK. Running out of
// memory leaves `text` as it was, after "内存不足，操作未完成!"; the verdict
// is returned all the same.
CHKRSL_API bool GetWRuleStr(int ruleCode, double ratio, CString& text, bool useEffective);

// The same for flanges and the lips of lipped sections.
CHKRSL_API bool GetFRuleStr(int ruleCode, double ratio, CString& text);
