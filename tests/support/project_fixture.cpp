#include "support/project_fixture.h"

#include "chkrsl/format/result_file.h"
#include "chkrsl/store/project_files.h"

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>

namespace chkrsl_test {

// In one read: byte by byte is slow under the sanitizers.
Bytes ReadFileBytes(const std::string& path) {
  std::error_code ec;
  const auto size = std::filesystem::file_size(path, ec);  // a folder or nothing: none
  Bytes b(ec ? 0 : static_cast<size_t>(size));
  std::ifstream(path, std::ios::binary).read(reinterpret_cast<char*>(b.data()), static_cast<std::streamsize>(b.size()));
  return b;
}

void SetEnv(const char* name, const char* value) {
#ifdef _WIN32
  _putenv_s(name, value ? value : "");
#else
  if (value) setenv(name, value, 1);
  else unsetenv(name);
#endif
}

void WriteFileBytes(const std::string& path, const Bytes& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// Grown with resize: GCC 12's -Wstringop-overflow misjudges insert here.
void PutI32(Bytes& b, int32_t v) {
  b.resize(b.size() + 4);
  chkrsl::io::EncodeFixed32(b.data() + b.size() - 4, v);
}

void PutF64(Bytes& b, double v) {
  b.resize(b.size() + 8);
  chkrsl::io::EncodeDouble(b.data() + b.size() - 8, v);
}

int32_t GetI32(const Bytes& b, size_t offset) {
  EXPECT_LE(offset + 4, b.size());
  return offset + 4 <= b.size() ? chkrsl::io::DecodeFixed32(b.data() + offset) : 0;
}

double GetF64(const Bytes& b, size_t offset) {
  EXPECT_LE(offset + 8, b.size());
  return offset + 8 <= b.size() ? chkrsl::io::DecodeDouble(b.data() + offset) : 0.0;
}

// A scratch file that is gone once closed. Not std::tmpfile: the Windows
// runtime makes those in the drive's root and runs out of names there.
static std::FILE* ScratchFile() {
  static std::atomic<int> made{0};
  const std::string path = (std::filesystem::temp_directory_path() /
                            ("chkrsl-scratch-" + std::to_string(std::random_device{}()) + "-" +
                             std::to_string(++made)))
                               .string();
#ifdef _WIN32
  return std::fopen(path.c_str(), "w+bD");  // D: deleted when closed
#else
  std::FILE* f = std::fopen(path.c_str(), "w+b");
  if (f) std::remove(path.c_str());
  return f;
#endif
}

Bytes CaptureWrites(const std::function<void(std::FILE*)>& write) {
  std::FILE* f = ScratchFile();
  EXPECT_NE(f, nullptr);
  if (!f) return {};
  write(f);
  std::rewind(f);
  Bytes out;
  for (int c; (c = std::fgetc(f)) != EOF;) out.push_back(static_cast<uint8_t>(c));
  std::fclose(f);
  return out;
}

std::FILE* OpenBytes(const Bytes& bytes) {
  std::FILE* f = ScratchFile();
  if (!f) return nullptr;
  if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), f);
  std::fflush(f);
  std::fseek(f, 0, SEEK_SET);
  return f;
}

Bytes ResultFileOf(const std::vector<CHKRsl*>& recs) {
  return CaptureWrites([&](std::FILE* f) {
    chkrsl::io::WriteBytes(f, chkrsl::io::ByteWriter().I32(static_cast<int32_t>(recs.size())));
    for (CHKRsl* r : recs) r->WriteToCHK(f);
  });
}

Bytes ElementTable(const std::vector<int>& eleNos, int kind) {
  chkrsl::io::ByteWriter w;
  w.I32(static_cast<int32_t>(eleNos.size()));
  for (int e : eleNos) w.I32(e).I32(kind);
  return w.bytes();
}

void ProjectTest::SetUp() {
  // A new folder of our own (mkdtemp does not exist everywhere).
  const auto base = std::filesystem::temp_directory_path();
  std::random_device random;
  for (int tries = 0; folder.empty() && tries < 100; ++tries) {
    const auto candidate = base / ("chkrsl-test-" + std::to_string(random()));
    if (std::filesystem::create_directory(candidate)) folder = candidate.generic_string();
  }
  ASSERT_FALSE(folder.empty());
  chkrsl::host::OpenProject(folder, "proj");
  GetQMpDoc()->Clear();
  chkrsl::host::SetAlertHandler(
      [this](const char* gbk) { alerts.push_back(chkrsl::GbkToUtf8(gbk)); });
}

void ProjectTest::TearDown() {
  chkrsl::DeleteAllRecords(recs);
  chkrsl::DeleteAllRecords(walls);
  chkrsl::DeleteAllEdges(edges);
  chkrsl::host::SetAlertHandler(nullptr);
  chkrsl::host::DropEntryIndexes();
  chkrsl::host::CloseProject();
  GetQMpDoc()->Clear();
  std::error_code ec;
  if (!folder.empty()) std::filesystem::remove_all(folder, ec);
}

std::string ProjectTest::PathOf(const std::string& ext) const {
  return chkrsl::host::ProjectFilePath(ext);
}

void ProjectTest::WriteProjectFile(const std::string& ext, const Bytes& bytes) const {
  WriteFileBytes(PathOf(ext), bytes);
}

Bytes ProjectTest::ReadProjectFile(const std::string& ext) const {
  return ReadFileBytes(PathOf(ext));
}

void ProjectTest::StoreResults(const std::string& ext, const std::vector<CHKRsl*>& stored,
                               int kind) {
  std::vector<int> eleNos;
  for (CHKRsl* r : stored) {
    eleNos.push_back(r->eleNo);
    doc().SetElementSecType(r->eleNo, r->secType);
  }
  WriteProjectFile(ext, ResultFileOf(stored));
  WriteProjectFile("CHKTT", ElementTable(eleNos, kind));
}

Bytes BytesOf(DataForWallEdge* edge) {
  chkrsl::io::ByteWriter w;
  if (edge) w.I32(edge->edgeNo), edge->Layout(w);
  return w.bytes();
}

std::vector<Bytes> TakeBytes(Records& recs) {
  std::vector<long> ends{0};
  const Bytes all = CaptureWrites([&](std::FILE* f) {
    for (INT_PTR i = 0; i < recs.GetSize(); ++i) {
      if (recs[i]) recs[i]->WriteToCHK(f);
      ends.push_back(std::ftell(f));
    }
  });
  chkrsl::DeleteAllRecords(recs);
  std::vector<Bytes> p;
  for (size_t i = 1; i < ends.size(); ++i) p.emplace_back(all.begin() + ends[i - 1], all.begin() + ends[i]);
  return p;
}

std::vector<Bytes> TakeBytes(Edges& edges) {
  std::vector<Bytes> p;
  for (INT_PTR i = 0; i < edges.GetSize(); ++i) p.push_back(BytesOf(edges[i]));
  chkrsl::DeleteAllEdges(edges);
  return p;
}

void AddSection(DataForSteelBase& r) {
  delete r.pSec;
  r.pSec = nullptr;
  if (JudgeSecCate(r.secType) == 2) r.pSec = new DataForNewSec;
  if (JudgeSecCate(r.secType) == 3) r.pSec = new DataForLts;
}

std::unique_ptr<DataForSteel> MakeSteel(int eleNo, int secType) {
  auto r = std::make_unique<DataForSteel>();
  r->eleNo = eleNo;
  r->eleType = 6;
  r->secType = secType;
  AddSection(*r);
  return r;
}

void ProjectTest::CopyExample() {
  for (const auto& file : std::filesystem::directory_iterator(CHKRSL_EXAMPLE_DIR)) {
    const std::string name = file.path().filename().string();
    if (name.rfind("example.", 0) == 0) WriteProjectFile(name.substr(8), ReadFileBytes(file.path().string()));
  }
}

void ProjectTest::AgeFiles() const {
  const auto anHourAgo = std::filesystem::file_time_type::clock::now() - std::chrono::hours(1);
  std::error_code ec;  // a file that a writer replaces meanwhile
  for (const auto& f : std::filesystem::directory_iterator(folder, ec))
    std::filesystem::last_write_time(f.path(), anHourAgo, ec);
}

void ForEachEntryHeader(const char* ext, const std::function<void(const chkrsl::EntryHeader&)>& visit) {
  chkrsl::io::FileSource file;
  if (!chkrsl::OpenProjectFile(ext, file, chkrsl::io::FileSource::kLoadBlockBytes)) return;
  chkrsl::ResultCursor entries(file);
  while (entries.Next()) visit(entries.header());
}

}  // namespace chkrsl_test
