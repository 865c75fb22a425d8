// The load combinations of the document as the purlin report shows them: a
// numbered list line per combination, and the expression of one combination
// by number. Listing fills a working copy of each combination from which the
// expressions are written.
#pragma once

#include "chkrsl/platform/afx.h"
#include "chkrsl/purlin/report_stream.h"

// Working copy of one combination: four arrays of equal length. The first
// entry is always the dead load part; then the live and wind load cases one
// by one, and one entry per grouped kind that the list line shows.
struct PurlineLoadComb {
  CArray<double, double> factor;  // partial factor
  CArray<double, double> coef;    // combination coefficient
  CArray<int, int> caseNo;        // load case number (0 for dead and grouped kinds)
  CArray<int, int> caseKind;      // load case kind

  void Add(double partialFactor, double coefficient, int number, int kind);
  int GetSize() const { return static_cast<int>(caseKind.GetSize()); }
};

// Entry i is combination number i + 1. Owns its entries only through
// DeleteLoadCombs.
typedef CTypedPtrArray<CPtrArray, PurlineLoadComb*> PurlineLoadCombList;

// Writes one line per combination of the document ("    (n) ..."), each
// ended, and fills `combs` with their working copies (entries it held before
// are deleted first).
void WriteLoadCombList(chkrsl::ReportStream& out, PurlineLoadCombList& combs);

// Writes the expression of combination `combNo` (from 1) without a line end;
// nothing when the list has no such combination.
void WriteLoadCombExpr(chkrsl::ReportStream& out, int combNo, const PurlineLoadCombList& combs);

// Deletes every working copy and empties the list.
void DeleteLoadCombs(PurlineLoadCombList& combs);
