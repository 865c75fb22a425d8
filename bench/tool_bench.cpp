// The tool's whole-project commands at scale, on the generated project of
// n steel and n concrete elements (bench_project.h): `diff` of the project
// with itself beside a raw read of both projects' files, and `export`
// (JSON Lines into a file) beside a raw read of the project plus a raw
// write of as many bytes as the export writes. Each command's line carries
// its ratio to its floor, measured in the same run: wall clock (`x_floor`)
// and processor time (`x_floor_cpu`).
#include <benchmark/benchmark.h>

#include <chrono>
#include <ctime>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "bench_project.h"
#include "chkrsl/internal.h"
#include "cli.h"

namespace {

constexpr int kElements = 200000;
constexpr size_t kBlockBytes = size_t{1} << 20;

std::string Project() { return chkrsl_bench::Folder("tool", kElements) + "/bench"; }
std::string ExportPath() { return chkrsl_bench::Folder("tool", kElements) + "/export.jsonl"; }

void MakeProject() {
  static bool made = false;
  chkrsl_bench::Open("tool", kElements);
  if (made) return;
  made = true;
  chkrsl_bench::WriteProject(kElements);
}

// Seconds per iteration of the floors, wall clock and processor, for the
// ratios. On a machine shared with other work the processor time is the
// steadier measure.
struct Seconds {
  double wall = 0;
  double cpu = 0;
};
Seconds gRawReadBoth;
Seconds gRawReadWrite;
int64_t gExportBytes = 0;

int64_t RawRead(const std::string& project) {
  static std::vector<char> block(kBlockBytes);
  int64_t bytes = 0;
  for (const char* ext : chkrsl_bench::kProjectFiles) {
    std::FILE* f = std::fopen((project + "." + ext).c_str(), "rb");
    std::setvbuf(f, nullptr, _IONBF, 0);
    for (size_t got; (got = std::fread(block.data(), 1, block.size(), f)) > 0;) bytes += got;
    std::fclose(f);
  }
  return bytes;
}

void RawWrite(const std::string& path, int64_t bytes) {
  static const std::vector<char> block(kBlockBytes, '7');
  std::FILE* f = std::fopen(path.c_str(), "wb");
  std::setvbuf(f, nullptr, _IONBF, 0);
  for (int64_t left = bytes; left > 0; left -= static_cast<int64_t>(block.size()))
    std::fwrite(block.data(), 1, static_cast<size_t>(std::min<int64_t>(left, kBlockBytes)), f);
  std::fclose(f);
}

// Times `body` per iteration and returns the means.
template <class Body>
Seconds Timed(benchmark::State& state, Body body) {
  Seconds total;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    const std::clock_t cpuStart = std::clock();
    body();
    const std::clock_t cpuEnd = std::clock();
    const auto end = std::chrono::steady_clock::now();
    const double seconds = std::chrono::duration<double>(end - start).count();
    state.SetIterationTime(seconds);
    total.wall += seconds;
    total.cpu += static_cast<double>(cpuEnd - cpuStart) / CLOCKS_PER_SEC;
  }
  const double n = static_cast<double>(state.iterations());
  return {total.wall / n, total.cpu / n};
}

void SetRatios(benchmark::State& state, const Seconds& took, const Seconds& floor) {
  if (floor.wall <= 0 || floor.cpu <= 0) return;
  state.counters["x_floor"] = took.wall / floor.wall;
  state.counters["x_floor_cpu"] = took.cpu / floor.cpu;
}

int Run(const std::vector<std::string>& args, std::ostream& out) {
  std::ostringstream err;
  return chkrsl_cli::RunCli(args, out, err);
}

void BM_RawReadBothProjects(benchmark::State& state) {
  MakeProject();
  int64_t bytes = 0;
  gRawReadBoth = Timed(state, [&] { bytes = RawRead(Project()) + RawRead(Project()); });
  state.SetBytesProcessed(state.iterations() * bytes);
}

void BM_DiffWithItself(benchmark::State& state) {
  MakeProject();
  const Seconds took = Timed(state, [&] {
    std::ostringstream out;
    if (Run({"diff", Project(), Project()}, out) != 0) state.SkipWithError("projects differ");
  });
  SetRatios(state, took, gRawReadBoth);
}

void BM_Export(benchmark::State& state) {
  MakeProject();
  const Seconds took = Timed(state, [&] {
    std::ofstream out(ExportPath(), std::ios::binary);
    if (Run({"-p", Project(), "export"}, out) != 0) state.SkipWithError("export failed");
  });
  gExportBytes = static_cast<int64_t>(std::filesystem::file_size(ExportPath()));
  state.counters["out_MB"] = static_cast<double>(gExportBytes) / 1e6;
  SetRatios(state, took, gRawReadWrite);
}

// The floor of the export: the project read raw, and as many bytes as the
// export wrote written raw into the same file.
void BM_RawReadAndWrite(benchmark::State& state) {
  MakeProject();
  gRawReadWrite = Timed(state, [&] {
    benchmark::DoNotOptimize(RawRead(Project()));
    RawWrite(ExportPath(), gExportBytes);
  });
}

void BM_ExportAgain(benchmark::State& state) { BM_Export(state); }

// The export runs first to learn how much it writes, its floor after, and
// the export again to set beside it.
BENCHMARK(BM_RawReadBothProjects)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_DiffWithItself)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_Export)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_RawReadAndWrite)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_ExportAgain)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
