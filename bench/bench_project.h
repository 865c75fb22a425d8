// The generated project the scale benchmarks read: n steel elements of kind
// 6 (half in "CHKST" with section type 1, half with a user section of type
// 35 in "CHKST_N") and n concrete members in "CHKCT" (rectangular beams of 9
// sections and rectangular columns), on a memory-backed folder.
#pragma once

#include <string>

class CHKRsl;

namespace chkrsl_bench {

// The files the project consists of.
extern const char* const kProjectFiles[4];

// The folder of the projects named `what` of size n: under
// CHKRSL_BENCH_DIR when set (two runs at once must not share one), else
// /dev/shm, else the temporary folder.
std::string Folder(const char* what, int n);

// Opens the project "bench" in Folder(what, n), creating the folder.
void Open(const char* what, int n);

// Gives the document the section types of the project's elements: steel
// elements are 1..n, concrete members n+1..2n.
void SetDocument(int n);

CHKRsl* MakeSteel(int e);
CHKRsl* MakeConcrete(int e);

// Writes the project's files into the open project and ages them by an
// hour, so that kept entry indexes are trusted at once.
void WriteProject(int n);

}  // namespace chkrsl_bench
