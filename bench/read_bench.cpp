// Bulk and single-element reads of a project with many steel results.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "chkrsl/internal.h"

namespace {

// A project of n ordinary steel elements (every fourth with a user section
// in the "_N" file), written once per size.
void MakeProject(int n) {
  static int made = -1;
  if (made == n) return;
  const std::string folder =
      (std::filesystem::temp_directory_path() / ("chkrsl-bench-" + std::to_string(n))).string();
  std::filesystem::create_directories(folder);
  chkrsl::host::OpenProject(folder, "bench");
  MyPerDocData* doc = GetQMpDoc();
  doc->Clear();

  std::FILE* tt = std::fopen(chkrsl::host::ProjectFilePath("CHKTT").c_str(), "wb");
  std::FILE* plain = std::fopen(chkrsl::host::ProjectFilePath("CHKST").c_str(), "wb");
  std::FILE* companion = std::fopen(chkrsl::host::ProjectFilePath("CHKST_N").c_str(), "wb");
  chkrsl::io::ByteWriter table;
  table.I32(n);
  int nPlain = 0, nCompanion = 0;
  chkrsl::io::WriteCountAtStart(plain, 0);
  chkrsl::io::WriteCountAtStart(companion, 0);
  for (int e = 1; e <= n; ++e) {
    DataForSteel rec;
    rec.eleNo = e;
    rec.eleType = 6;
    rec.secType = e % 4 == 0 ? 35 : 1;
    if (rec.secType == 35) rec.pSec = new DataForNewSec;
    rec.WriteToCHK(rec.pSec ? companion : plain);
    ++(rec.pSec ? nCompanion : nPlain);
    table.I32(e).I32(6);
    doc->SetElementSecType(e, rec.secType);
  }
  chkrsl::io::WriteBytes(tt, table);
  chkrsl::io::WriteCountAtStart(plain, nPlain);
  chkrsl::io::WriteCountAtStart(companion, nCompanion);
  std::fclose(tt);
  std::fclose(plain);
  std::fclose(companion);
  made = n;
}

void BM_GetAllEleRsl(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  MakeProject(n);
  for (auto _ : state) {
    CTypedPtrArray<CPtrArray, CHKRsl*> recs;
    if (!GetAllEleRsl(recs)) state.SkipWithError("load failed");
    benchmark::DoNotOptimize(recs.GetSize());
    chkrsl::DeleteAllRecords(recs);
  }
  state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(BM_GetAllEleRsl)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// The last element of the plain file: every entry before it is passed over.
void BM_GetOneEleRslLast(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  MakeProject(n);
  const int last = n % 4 == 0 ? n - 1 : n;
  for (auto _ : state) {
    CHKRsl* rec = nullptr;
    int kind = 0;
    if (!GetOneEleRsl(rec, kind, last)) state.SkipWithError("read failed");
    delete rec;
  }
  state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(BM_GetOneEleRslLast)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);

}  // namespace
