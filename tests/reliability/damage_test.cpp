// The whole example project under damage: every file cut at every byte or
// with a byte inverted, and every write of each writer failing in turn.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "chkrsl/io/write_seam.h"
#include "support/project_fixture.h"

namespace {

using chkrsl::io::WriteFaults;
using chkrsl_test::Bytes;

// A project holding a copy of the bundled example project, the document
// holding the section types its files were checked with.
class ExampleProjectTest : public chkrsl_test::ProjectTest {
 protected:
  void SetUp() override {
    ProjectTest::SetUp();
    for (const auto& entry : std::filesystem::directory_iterator(CHKRSL_EXAMPLE_DIR)) {
      const std::string name = entry.path().filename().string();
      if (name.rfind("example.", 0) != 0) continue;  // the wall purlin project is another
      WriteProjectFile(name.substr(name.find('.') + 1), chkrsl_test::ReadFileBytes(entry.path().string()));
    }
    std::vector<const char*> names = {"CHKCW"};
    for (int i = 0; i < static_cast<int>(chkrsl::ResultFileId::kCount); ++i)
      names.push_back(chkrsl::ResultFileName(static_cast<chkrsl::ResultFileId>(i)));
    for (const char* ext : names) {
      chkrsl_test::ForEachEntryHeader(ext, [](const chkrsl::EntryHeader& h) {
        if (h.eleNo >= 0 && h.eleNo < (1 << 20)) GetQMpDoc()->SetElementSecType(h.eleNo, h.secType);
      });
    }
  }
};

// Every file of the example project (and generated "EFFAL" and "LSZD"
// files) cut at every byte, and separately with each byte inverted. No
// reader may crash; on a cut file a reader either fails or returns exactly
// what it returns for the whole file, and the all-or-nothing readers fail.
// Whether the all-or-nothing read succeeded, and the bytes of each record
// the partial readers returned (empty where they failed).
struct Outcome {
  bool whole = false;
  std::vector<Bytes> records;
};

// Every byte is cut and inverted, unless CHKRSL_SWEEP_STEP asks for every
// n-th only (the Windows run under Wine, where each file write is slow).
size_t SweepStep() {
  const char* step = std::getenv("CHKRSL_SWEEP_STEP");
  const long n = step ? std::strtol(step, nullptr, 10) : 1;
  return n > 1 ? static_cast<size_t>(n) : 1;
}

Bytes Of(CHKRsl* r) { return r ? chkrsl_test::WrittenBytes(*r) : Bytes(); }
Bytes Of(DataForEffArea* r) {
  return r ? chkrsl_test::CaptureWrites([r](std::FILE* f) { r->WriteEffArea(f); }) : Bytes();
}
Bytes Of(DataForWallEdge* e) {
  if (!e) return Bytes();
  chkrsl::io::ByteWriter w;
  w.F64s(e->dRsl, 17).I32s(e->nRsl, 2).U8(e->bFlag[0]).I32(e->edgeNo);
  return w.bytes();
}
template <class Array>
void Take(Outcome& o, Array& got) {
  for (INT_PTR i = 0; i < got.GetSize(); ++i) o.records.push_back(Of(got[i]));
}

class DamageSweep : public ExampleProjectTest {
 protected:
  void SetUp() override {
    ExampleProjectTest::SetUp();
    chkrsl::host::SetViewerLauncher([](const std::string&) { return true; });
    chkrsl::host::FixClock(1700000000);
    for (int i = 0; i < DataForEffArea::kLists; ++i) {
      effs.Add(new DataForEffArea);
      effs[i]->eleNo = 2 * i + 1;
      effs[i]->effCount[i] = 1;
      effs[i]->effList[i].Add(new EffAreaItem{{i + 0.5, 1, 2, 3, 4}});
    }
    WriteAlEffArea(effs);
    Bytes lszd;
    for (int v : {2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 9, 9, 9}) chkrsl_test::PutI32(lszd, v);
    WriteProjectFile("LSZD", lszd);
  }
  void TearDown() override {
    WriteFaults::Disarm();
    for (INT_PTR i = 0; i < effs.GetSize(); ++i) delete effs[i];
    chkrsl::host::SetViewerLauncher(nullptr);
    chkrsl::host::UseSystemClock();
    ExampleProjectTest::TearDown();
  }
  std::map<std::string, Bytes> Snapshot() const {
    std::map<std::string, Bytes> files;
    for (const auto& e : std::filesystem::directory_iterator(folder))
      files[e.path().string()] = chkrsl_test::ReadFileBytes(e.path().string());
    return files;
  }
  void Clear() {
    chkrsl::DeleteAllRecords(recs);
    chkrsl::DeleteAllRecords(walls);
    chkrsl::DeleteAllEdges(edges);
  }

  // Each read is told whether to run the readers that may succeed in part;
  // an inverted file only has to be survived.
  Outcome ReadElements(CArray<int, int>& eleNos, bool partial) {
    Outcome o{GetAllEleRsl(recs) == 1, {}};
    Clear();
    if (partial) GetAllEleRsl(recs, eleNos);
    Take(o, recs);
    Clear();
    return o;
  }
  Outcome ReadBoards(bool partial) {
    Outcome o{GetAllBoardRsl(walls, edges) == 1, {}};
    Clear();
    if (partial) {  // what the list forms hand out before a failure counts too
      GetAllWallRsl(walls, wallNos);
      GetAllEdgeRsl(edges, edgeNos);
      Take(o, walls);
      Take(o, edges);
    }
    Clear();
    return o;
  }
  Outcome ReadEffAreas() {
    Outcome o{true, {}};
    for (INT_PTR i = 0; i < effs.GetSize(); ++i) {
      DataForEffArea* rec = nullptr;
      o.whole = ReadEffectiveArea(effs[i]->eleNo, rec) == 1 && o.whole;
      o.records.push_back(Of(rec));
      delete rec;
    }
    return o;
  }
  static Outcome ReadLszdHeader() {
    int n[4] = {-1, -1, -1, -1};
    double d[4] = {-1, -1, -1, -1};
    ReadLSZD(n[0], d[0], d[1], n[1], d[2], n[2], n[3], d[3], nullptr, nullptr);
    chkrsl::io::ByteWriter w;
    w.I32s(n, 4).F64s(d, 4);
    return {false, {n[0] == -1 ? Bytes() : w.bytes()}};
  }
  Outcome WriteReport() {
    std::filesystem::remove(chkrsl::host::UserFilePath("Chk_WLT"));
    doc().purlinKind = kRoofPurlin;
    return {WritePurlineRsl(), {}};
  }

  CTypedPtrArray<CPtrArray, DataForEffArea*> effs;
  CArray<int, int> wallNos, edgeNos;
};

TEST_F(DamageSweep, CutAndInvertedFilesNeverGiveWhatTheWholeFileDoesNotHold) {
  CArray<int, int> eleNos;
  ASSERT_EQ(GetAllEleRsl(recs), 1);
  ASSERT_EQ(GetAllBoardRsl(walls, edges), 1);
  for (INT_PTR i = 0; i < recs.GetSize(); ++i) eleNos.Add(recs[i]->eleNo);
  for (INT_PTR i = 0; i < walls.GetSize(); ++i) wallNos.Add(walls[i]->eleNo);
  for (INT_PTR i = 0; i < edges.GetSize(); ++i) edgeNos.Add(edges[i]->edgeNo);
  Clear();

  using Read = std::function<Outcome(bool)>;
  const Read boards = [&](bool partial) { return ReadBoards(partial); };
  const Read report = [&](bool) { return WriteReport(); };
  struct Case {
    std::string ext;
    Read read;
    Bytes elementTable = {};  // while the file is damaged; none: the project's
  };
  std::vector<Case> cases = {{"CHKWT", boards}, {"CHKCW", boards}, {"Edge", boards},
                             {"EFFAL", [&](bool) { return ReadEffAreas(); }},
                             {"LSZD", [&](bool) { return ReadLszdHeader(); }},
                             {"Dlg_DesWLT", report}, {"PCR", report},
                             {"CHKTT", [&](bool partial) { return ReadElements(eleNos, partial); }}};
  // A result file: the element table lists only its own elements, so that
  // the bulk read does not read the others again for every byte.
  const Bytes table = ReadProjectFile("CHKTT");
  std::vector<CArray<int, int>> ofFile(static_cast<size_t>(chkrsl::ResultFileId::kCount));
  for (size_t i = 0; i < ofFile.size(); ++i) {
    const char* ext = chkrsl::ResultFileName(static_cast<chkrsl::ResultFileId>(i));
    Bytes own(4);
    chkrsl_test::ForEachEntryHeader(ext, [&](const chkrsl::EntryHeader& h) {
      for (size_t at = 4; at + 8 <= table.size(); at += 8) {
        if (chkrsl_test::GetI32(table, at) != h.eleNo) continue;
        ofFile[i].Add(h.eleNo);
        own.insert(own.end(), table.begin() + static_cast<long>(at), table.begin() + static_cast<long>(at) + 8);
        break;
      }
    });
    chkrsl::io::EncodeFixed32(own.data(), static_cast<int32_t>(ofFile[i].GetSize()));
    cases.push_back({ext, [&, i](bool partial) { return ReadElements(ofFile[i], partial); }, own});
  }

  for (const Case& c : cases) {
    if (!c.elementTable.empty()) WriteProjectFile("CHKTT", c.elementTable);
    const Bytes intact = ReadProjectFile(c.ext);
    const Outcome whole = c.read(true);
    ASSERT_TRUE(whole.whole || c.ext == "LSZD") << c.ext;
    for (size_t at = 0; at < intact.size(); at += SweepStep()) {
      WriteProjectFile(c.ext, Bytes(intact.begin(), intact.begin() + static_cast<long>(at)));
      const Outcome cut = c.read(true);
      EXPECT_FALSE(cut.whole) << c.ext << " cut to " << at;
      for (size_t i = 0; i < cut.records.size(); ++i) {
        EXPECT_TRUE(cut.records[i].empty() || cut.records[i] == whole.records[i])
            << c.ext << " cut to " << at << ", record " << i;
      }
      Bytes inverted = intact;
      inverted[at] ^= 0xFF;
      WriteProjectFile(c.ext, inverted);
      c.read(false);
    }
    WriteProjectFile(c.ext, intact);
    WriteProjectFile("CHKTT", table);
  }
}

// Each writer with every one of its writes, flushes and closes failing in
// turn: one alert, no handle left open, and every file it writes is left
// either as a clean run writes it, or claiming no entries (a report: gone).
using WriteFaultsTest = DamageSweep;

TEST_F(WriteFaultsTest, EveryWriteFlushAndCloseFailsInTurn) {
  ASSERT_EQ(GetAllEleRsl(recs), 1);
  ASSERT_EQ(GetAllBoardRsl(walls, edges), 1);
  doc().purlinKind = kRoofPurlin;
  const std::function<void()> writers[] = {[this] { WriteCHKResult(recs); },
                                           [this] { WriteCHKResult_Wall(walls); },
                                           [this] { WriteAlEffArea(effs); },
                                           [] { WritePurlineRsl(); }};
  for (const auto& write : writers) {
    const std::map<std::string, Bytes> before = Snapshot();
    alerts.clear();
    WriteFaults::Arm(-1);
    write();
    const chkrsl::io::WriteSeamCounts clean = WriteFaults::Counts();
    ASSERT_TRUE(alerts.empty());
    ASSERT_GT(clean.operations, 0);
    std::map<std::string, Bytes> written = Snapshot();
    for (const auto& [path, bytes] : before)
      if (written[path] == bytes) written.erase(path);

    for (int64_t n = 0; n < clean.operations; ++n) {
      for (const auto& file : written) std::filesystem::remove(file.first);
      alerts.clear();
      WriteFaults::Arm(n);
      write();
      const chkrsl::io::WriteSeamCounts c = WriteFaults::Counts();
      WriteFaults::Disarm();
      EXPECT_EQ(alerts, std::vector<std::string>{"写文件时发生错误!"}) << "operation " << n;
      EXPECT_EQ(c.opened, c.closed) << "operation " << n;
      for (const auto& [path, whole] : written) {
        const Bytes left = chkrsl_test::ReadFileBytes(path);
        const bool noEntries = path.find("Chk_WLT") == std::string::npos
                                   ? left.size() <= 4 && left == Bytes(left.size(), 0)
                                   : !std::filesystem::exists(path);
        EXPECT_TRUE(left == whole || noEntries) << path << " after failing operation " << n;
      }
    }
  }
}

}  // namespace
