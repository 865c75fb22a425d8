// Reads and writes at scale: a project of n steel elements of kind 6 (half
// in "CHKST", half with user sections in "CHKST_N") and n concrete members
// in "CHKCT" (rectangular beams of 9 sections and rectangular columns),
// generated once per size on a memory-backed folder. Each read is set
// beside a raw read of the bytes it touches, the write beside a raw write
// of the same bytes; the bulk read also reports its peak heap use against
// the heap the records hold when it returns.
#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <new>
#include <string>
#include <vector>

#include "bench_project.h"
#include "chkrsl/internal.h"

#ifdef __GLIBC__
#include <malloc.h>
#endif
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// ---- heap accounting: current and peak bytes of every new/delete ----

namespace {
std::atomic<int64_t> gHeapNow{0};
std::atomic<int64_t> gHeapPeak{0};
constexpr size_t kSizeSlot = alignof(std::max_align_t);

void* Allocate(size_t n) {
  auto* p = static_cast<unsigned char*>(std::malloc(n + kSizeSlot));
  if (!p) throw std::bad_alloc();
  *reinterpret_cast<size_t*>(p) = n;
  const int64_t now = gHeapNow += static_cast<int64_t>(n);
  int64_t peak = gHeapPeak.load();
  while (now > peak && !gHeapPeak.compare_exchange_weak(peak, now)) {
  }
  return p + kSizeSlot;
}

void Release(void* q) {
  if (!q) return;
  unsigned char* p = static_cast<unsigned char*>(q) - kSizeSlot;
  gHeapNow -= static_cast<int64_t>(*reinterpret_cast<size_t*>(p));
  std::free(p);
}
}  // namespace

void* operator new(size_t n) { return Allocate(n); }
void* operator new[](size_t n) { return Allocate(n); }
void operator delete(void* p) noexcept { Release(p); }
void operator delete[](void* p) noexcept { Release(p); }
void operator delete(void* p, size_t) noexcept { Release(p); }
void operator delete[](void* p, size_t) noexcept { Release(p); }

namespace {

// A host keeps its heap between loads; without this glibc hands freed
// records back to the system after every iteration and each load would
// pay the first touch of every page again.
#ifdef __GLIBC__
const int kKeepHeap = (mallopt(M_TRIM_THRESHOLD, 1 << 30), mallopt(M_MMAP_THRESHOLD, 1 << 30));
#endif

using Records = CTypedPtrArray<CPtrArray, CHKRsl*>;

using chkrsl_bench::MakeConcrete;
using chkrsl_bench::MakeSteel;
using chkrsl_bench::Open;

const auto& kReadFiles = chkrsl_bench::kProjectFiles;
constexpr int kLoopReads = 2000;

void MakeProject(int n) {
  static int made = -1;
  Open("read", n);
  chkrsl_bench::SetDocument(n);
  if (made == n) return;
  made = n;
  chkrsl_bench::WriteProject(n);
}

// k numbers spread evenly over [first, first + n).
CArray<int, int>* Spread(int first, int n, int k) {
  auto* nos = new CArray<int, int>;
  for (int i = 0; i < k; ++i) nos->Add(first + static_cast<int>(int64_t{i} * n / k));
  return nos;
}

int64_t RawRead(const std::vector<const char*>& exts) {
  static std::vector<char> block(1 << 20);
  int64_t bytes = 0;
  for (const char* ext : exts) {
    std::FILE* f = std::fopen(chkrsl::host::ProjectFilePath(ext).c_str(), "rb");
    std::setvbuf(f, nullptr, _IONBF, 0);
    for (size_t got; (got = std::fread(block.data(), 1, block.size(), f)) > 0;) bytes += got;
    std::fclose(f);
  }
  return bytes;
}

void BM_RawRead(benchmark::State& state) {
  MakeProject(static_cast<int>(state.range(0)));
  int64_t bytes = 0;
  for (auto _ : state) {
    bytes = RawRead({kReadFiles[0], kReadFiles[1], kReadFiles[2], kReadFiles[3]});
  }
  state.SetBytesProcessed(state.iterations() * bytes);
}

// Freeing what a load returned is the host's cost, not the reader's: the
// bulk reads leave it out of their time.
void ReleaseUntimed(benchmark::State& state, Records& recs) {
  state.PauseTiming();
  chkrsl::DeleteAllRecords(recs);
  state.ResumeTiming();
}

// A host loads into a heap that has held records before: one load, freed,
// before the timed ones. The first load into a heap that has just freed
// others (here, the setup's) takes glibc through millions of binned chunks
// and is several times slower than every later one.
template <class Load>
void SettleHeap(Load load) {
  Records settle;
  load(settle);
  chkrsl::DeleteAllRecords(settle);
}

void BM_BulkRead(benchmark::State& state) {
  MakeProject(static_cast<int>(state.range(0)));
  SettleHeap([](Records& recs) { GetAllEleRsl(recs); });
  for (auto _ : state) {
    Records recs;
    const int64_t before = gHeapNow;
    gHeapPeak = before;
    if (!GetAllEleRsl(recs)) {
      state.SkipWithError("load failed");
      break;
    }
    state.counters["held_MB"] = static_cast<double>(gHeapNow - before) / 1e6;
    state.counters["peak_MB"] = static_cast<double>(gHeapPeak - before) / 1e6;
    state.counters["peak/held"] =
        static_cast<double>(gHeapPeak - before) / static_cast<double>(gHeapNow - before);
    ReleaseUntimed(state, recs);
  }
}

// The raw read and the bulk read of one family's files (the table too).
// The four files read into memory that holds them, as a load holds its
// records: each file into a block of its own size, freed untimed.
void BM_RawReadIntoMemory(benchmark::State& state) {
  MakeProject(static_cast<int>(state.range(0)));
  std::vector<std::vector<char>> held;
  auto readAll = [&held] {
    for (const char* ext : kReadFiles) {
      const std::string path = chkrsl::host::ProjectFilePath(ext);
      held.emplace_back(static_cast<size_t>(std::filesystem::file_size(path)));
      std::FILE* f = std::fopen(path.c_str(), "rb");
      std::setvbuf(f, nullptr, _IONBF, 0);
      benchmark::DoNotOptimize(std::fread(held.back().data(), 1, held.back().size(), f));
      std::fclose(f);
    }
  };
  readAll();  // settles the heap, as for the loads
  held.clear();
  for (auto _ : state) {
    readAll();
    state.PauseTiming();
    held.clear();
    state.ResumeTiming();
  }
}

void BM_RawReadSteel(benchmark::State& state) {
  MakeProject(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(RawRead({"CHKTT", "CHKST", "CHKST_N"}));
}
void BM_RawReadConcrete(benchmark::State& state) {
  MakeProject(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(RawRead({"CHKTT", "CHKCT"}));
}

void BulkOfFamily(benchmark::State& state, int first) {
  const int n = static_cast<int>(state.range(0));
  MakeProject(n);
  CArray<int, int> elements, kinds, wanted;
  chkrsl::ReadElementTable(elements, kinds);
  for (int e = first; e < first + n; ++e) wanted.Add(e);
  chkrsl::Alerts alerts;
  SettleHeap([&](Records& recs) { chkrsl::GetEleRslByKind(recs, elements, kinds, wanted, alerts); });
  for (auto _ : state) {
    Records recs;
    if (!chkrsl::GetEleRslByKind(recs, elements, kinds, wanted, alerts)) {
      state.SkipWithError("load failed");
      break;
    }
    ReleaseUntimed(state, recs);
  }
}
void BM_BulkReadSteel(benchmark::State& state) { BulkOfFamily(state, 1); }

// The floor under any bulk read: creating the steel records (and their
// section sub-records) the read returns, held together, without reading.
void BM_AllocateSteel(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  auto allocate = [n](Records& recs) {
    for (int e = 1; e <= n; ++e) recs.Add(MakeSteel(e));
  };
  SettleHeap(allocate);
  for (auto _ : state) {
    Records recs;
    allocate(recs);
    ReleaseUntimed(state, recs);
  }
}

// The same floor for the concrete records: each with its sub-record, and a
// beam with its section values and sixteen section columns, sized as a
// read sizes them.
CHKRsl* AllocateConcrete(int e) {
  auto* r = static_cast<DataForConcreteBase*>(MakeConcrete(e));
  if (r->memberKind == 2) {
    r->pRecCol = new DataForConcreteRecCol;
    return r;
  }
  auto* beam = new DataForConcreteRecBeam;
  beam->secCount = r->SectionCount();
  for (chkrsl::DblColumn& c : beam->secDbl) c.SetSize(beam->secCount);
  for (chkrsl::IntColumn& c : beam->secInt) c.SetSize(beam->secCount);
  r->pRecBeam = beam;
  return r;
}
void BM_AllocateConcrete(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  auto allocate = [n](Records& recs) {
    for (int e = n + 1; e <= 2 * n; ++e) recs.Add(AllocateConcrete(e));
  };
  SettleHeap(allocate);
  for (auto _ : state) {
    Records recs;
    allocate(recs);
    ReleaseUntimed(state, recs);
  }
}
void BM_BulkReadConcrete(benchmark::State& state) {
  BulkOfFamily(state, static_cast<int>(state.range(0)) + 1);
}

// The list form for k steel elements, with no index kept (cold).
void BM_ListForm(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  MakeProject(n);
  CArray<int, int>* nos = Spread(1, n, static_cast<int>(state.range(1)));
  for (auto _ : state) {
    chkrsl::host::DropEntryIndexes();
    Records recs;
    if (!GetAllEleRsl(recs, *nos)) state.SkipWithError("read failed");
    chkrsl::DeleteAllRecords(recs);
  }
  delete nos;
}

// The display call for k concrete members, cold.
void BM_DisplayCall(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  MakeProject(n);
  const int k = static_cast<int>(state.range(1));
  AcIntArray nos;
  for (int i = 0; i < k; ++i) nos.append(n + 1 + static_cast<int>(int64_t{i} * n / k));
  for (auto _ : state) {
    chkrsl::host::DropEntryIndexes();
    ShowConcreteFrameStl* info = nullptr;
    if (!GetCTMemberChkInfo(nos, info)) state.SkipWithError("read failed");
    ReleaseChkInfo(info);
  }
}

// 2 000 single reads in a loop, the index warm.
void BM_GetOneEleRslLoop(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  MakeProject(n);
  CArray<int, int>* nos = Spread(1, n, kLoopReads);
  CHKRsl* warm = nullptr;
  int kind = 0;
  GetOneEleRsl(warm, kind, 1);
  GetOneEleRsl(warm, kind, 2);
  for (auto _ : state) {
    for (INT_PTR i = 0; i < nos->GetSize(); ++i) {
      CHKRsl* rec = nullptr;
      if (!GetOneEleRsl(rec, kind, (*nos)[i])) state.SkipWithError("read failed");
      delete rec;
    }
  }
  delete nos;
}

// The floor under a validated single read that holds no file open between
// calls: the element table and the result file each opened, identified,
// read once where a kept index points and closed; nothing decoded.
void BM_SingleReadFloor(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  MakeProject(n);
  const std::string table = chkrsl::host::ProjectFilePath("CHKTT");
  const std::string results = chkrsl::host::ProjectFilePath("CHKST");
  const int64_t resultBytes = static_cast<int64_t>(std::filesystem::file_size(results));
  std::vector<char> block(8192);
  auto readOnce = [&block](const std::string& path, int64_t at, size_t bytes) {
    const int fd = ::open(path.c_str(), O_RDONLY);
    struct stat st;
    ::fstat(fd, &st);
    benchmark::DoNotOptimize(::pread(fd, block.data(), bytes, static_cast<off_t>(at)));
    ::close(fd);
  };
  for (auto _ : state) {
    for (int i = 0; i < kLoopReads; ++i) {
      readOnce(table, 4 + 8 * int64_t{i} * n / kLoopReads, 64);
      readOnce(results, resultBytes * i / (kLoopReads + 1), block.size());
    }
  }
}

// WriteCHKResult of all records into a project of its own, against a raw
// write of the same bytes.
void WriteProjectOf(int n, Records& recs) {
  MakeProject(n);
  GetAllEleRsl(recs);
  Open("write", n);
  chkrsl::io::ByteWriter table;
  table.I32(2 * n);
  for (int e = 1; e <= 2 * n; ++e) {
    table.I32(e).I32(e > n ? 3 : e % 2 ? 6 : 26).I32(e > n ? 11 : 6);
  }
  chkrsl::io::WriteWholeFile(chkrsl::host::ProjectFilePath("CHKFF").c_str(), table.data(),
                             table.size());
}

void BM_Write(benchmark::State& state) {
  Records recs;
  WriteProjectOf(static_cast<int>(state.range(0)), recs);
  for (auto _ : state) WriteCHKResult(recs);
  chkrsl::DeleteAllRecords(recs);
}

void BM_RawWrite(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  MakeProject(n);
  std::vector<std::vector<uint8_t>> contents;
  for (const char* ext : {"CHKST", "CHKST_N", "CHKCT"}) {
    const std::string path = chkrsl::host::ProjectFilePath(ext);
    std::vector<uint8_t> bytes(static_cast<size_t>(std::filesystem::file_size(path)));
    std::FILE* f = std::fopen(path.c_str(), "rb");
    benchmark::DoNotOptimize(std::fread(bytes.data(), 1, bytes.size(), f));
    std::fclose(f);
    contents.push_back(std::move(bytes));
  }
  Open("write", n);
  for (auto _ : state) {
    int i = 0;
    for (const char* ext : {"CHKST", "CHKST_N", "CHKCT"}) {
      const auto& bytes = contents[i++];
      std::FILE* f = std::fopen(chkrsl::host::ProjectFilePath(ext).c_str(), "wb");
      for (size_t at = 0; at < bytes.size(); at += 1 << 20) {
        std::fwrite(bytes.data() + at, 1, std::min<size_t>(1 << 20, bytes.size() - at), f);
      }
      std::fclose(f);
    }
  }
}

#define SIZES Arg(20000)->Arg(200000)->Unit(benchmark::kMillisecond)->MinWarmUpTime(0.5)
#define SIZES_K                                                                \
  Args({20000, 200})->Args({20000, 2000})->Args({200000, 200})->Args({200000, 2000}) \
      ->Unit(benchmark::kMillisecond)->MinWarmUpTime(0.5)

BENCHMARK(BM_RawRead)->SIZES;
BENCHMARK(BM_BulkRead)->SIZES;
BENCHMARK(BM_RawReadIntoMemory)->SIZES;
BENCHMARK(BM_RawReadSteel)->SIZES;
BENCHMARK(BM_BulkReadSteel)->SIZES;
BENCHMARK(BM_AllocateSteel)->SIZES;
BENCHMARK(BM_AllocateConcrete)->SIZES;
BENCHMARK(BM_RawReadConcrete)->SIZES;
BENCHMARK(BM_BulkReadConcrete)->SIZES;
BENCHMARK(BM_ListForm)->SIZES_K;
BENCHMARK(BM_DisplayCall)->SIZES_K;
BENCHMARK(BM_GetOneEleRslLoop)->SIZES;
BENCHMARK(BM_SingleReadFloor)->SIZES;
BENCHMARK(BM_RawWrite)->SIZES;
BENCHMARK(BM_Write)->SIZES;

}  // namespace
