#include "bench_project.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "chkrsl/internal.h"

namespace chkrsl_bench {

const char* const kProjectFiles[4] = {"CHKTT", "CHKST", "CHKST_N", "CHKCT"};

std::string Folder(const char* what, int n) {
  const char* chosen = std::getenv("CHKRSL_BENCH_DIR");
  const std::filesystem::path base =
      chosen && *chosen ? std::filesystem::path(chosen)
      : std::filesystem::exists("/dev/shm") ? "/dev/shm"
                                           : std::filesystem::temp_directory_path();
  return (base / ("chkrsl-scale-" + std::string(what) + "-" + std::to_string(n))).string();
}

void Open(const char* what, int n) {
  const std::string folder = Folder(what, n);
  std::filesystem::create_directories(folder);
  chkrsl::host::OpenProject(folder, "bench");
}

void SetDocument(int n) {
  MyPerDocData* doc = GetQMpDoc();
  doc->Clear();
  for (int e = 1; e <= n; ++e) doc->SetElementSecType(e, e % 2 ? 1 : 35);
  for (int e = n + 1; e <= 2 * n; ++e) doc->SetElementSecType(e, 29);
}

CHKRsl* MakeSteel(int e) {
  auto* r = new DataForSteel;
  r->eleNo = e;
  r->eleType = 6;
  r->secType = e % 2 ? 1 : 35;
  if (r->secType == 35) r->pSec = new DataForNewSec;
  for (int i = 0; i < 45; ++i) r->dBase[i] = e + i * 0.5;
  return r;
}

CHKRsl* MakeConcrete(int e) {
  auto* r = new DataForConcreteBase;
  r->eleNo = e;
  r->eleType = 11;
  r->secType = 29;
  const bool beam = e % 2 == 0;
  r->memberKind = beam ? 1 : 2;  // rectangular beam of 9 sections, rectangular column
  r->baseInt[2] = beam ? 9 : 0;
  r->sectionVal.SetSize(r->baseInt[2]);
  for (int i = 0; i < r->baseInt[2]; ++i) r->sectionVal[i] = e + i;
  return r;
}

namespace {

// Writes a counted file of the records; the count goes first.
void WriteResultFile(const char* ext, int from, int to, int step, CHKRsl* (*make)(int)) {
  std::FILE* f = std::fopen(chkrsl::host::ProjectFilePath(ext).c_str(), "wb");
  std::setvbuf(f, nullptr, _IOFBF, 1 << 20);
  chkrsl::io::WriteCountAtStart(f, (to - from) / step + 1);
  for (int e = from; e <= to; e += step) {
    CHKRsl* r = make(e);
    r->WriteToCHK(f);
    delete r;
  }
  std::fclose(f);
}

}  // namespace

void WriteProject(int n) {
  chkrsl::io::ByteWriter table;
  table.I32(2 * n);
  for (int e = 1; e <= 2 * n; ++e) table.I32(e).I32(e <= n ? 6 : 11);
  chkrsl::io::WriteWholeFile(chkrsl::host::ProjectFilePath("CHKTT").c_str(), table.data(),
                             table.size());
  WriteResultFile("CHKST", 1, n - (n % 2 == 0), 2, MakeSteel);
  WriteResultFile("CHKST_N", 2, n - (n % 2), 2, MakeSteel);
  WriteResultFile("CHKCT", n + 1, 2 * n, 1, MakeConcrete);
  for (const char* ext : kProjectFiles) {
    std::filesystem::last_write_time(chkrsl::host::ProjectFilePath(ext),
                                     std::filesystem::file_time_type::clock::now() -
                                         std::chrono::hours(1));
  }
}

}  // namespace chkrsl_bench
