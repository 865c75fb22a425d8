// Reading the header of the project's "LSZD" table file.
#pragma once

#include "chkrsl/export.h"
#include "chkrsl/format/lszd_file.h"

// Reads the header into the eight reference parameters, in file order.
// Without a file, or when the file does not hold the whole header, no
// parameter is changed; the values are handed over as stored. Running out
// of memory changes none either and shows "内存不足，操作未完成!". The caller's
// arrays for the per-entry data are left unchanged: what the entries hold
// is not settled.
CHKRSL_API void ReadLSZD(int& nCount, double& dVal1, double& dVal2, int& nVal1, double& dVal3, int& nVal2,
              int& nVal3, double& dVal4, int* const nArr, double* const dArr);

using chkrsl::kLszdHeaderBytes;
