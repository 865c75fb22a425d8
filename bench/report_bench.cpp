// Writing the purlin report: inputs read, the whole text laid out and
// converted to GBK, the file written and handed to the viewer.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "chkrsl/internal.h"

namespace {

void MakePurlinProject(int combinations) {
  const std::string folder =
      (std::filesystem::temp_directory_path() / "chkrsl-bench-purlin").string();
  std::filesystem::create_directories(folder);
  chkrsl::host::OpenProject(folder, "purlin");
  MyPerDocData* doc = GetQMpDoc();
  doc->Clear();
  doc->purlinKind = kRoofPurlin;
  for (int i = 0; i < combinations; ++i) {
    QMLoadComb* c = doc->AddLoadComb();
    c->AddTerm(0, 0, 1.2, 1);
    c->AddTerm(1, 1, 1.4, 1);
    c->AddTerm(2, 2, 1.4, 0.6);
    c->AddTerm(-1, 0, 1.3, 0.5);
  }
  PurlineDesData des;
  des.strengthRequested = des.stabilityRequested = des.windSuctionRequested = 1;
  PurlineChkData chk;
  chk.strengthDone = chk.stabilityDone = chk.windSuctionDone = 1;
  chk.strength.combNo = chk.stability.combNo = combinations;
  chk.stability.effFlag = 1;
  WritePurlineDesData(chkrsl::host::ProjectFilePath("Dlg_DesWLT").c_str(), des, kRoofPurlin);
  WritePurlineChkData(chkrsl::host::ProjectFilePath("PCR").c_str(), chk);
  chkrsl::host::SetViewerLauncher([](const std::string&) { return true; });
  chkrsl::host::FixClock(1700000000);
}

void BM_WritePurlineRsl(benchmark::State& state) {
  MakePurlinProject(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    if (!WritePurlineRsl()) state.SkipWithError("report not written");
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_WritePurlineRsl)->Arg(10)->Arg(200);

}  // namespace
