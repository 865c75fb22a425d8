// The whole example project under damage: every file cut at every byte or
// with a byte inverted, every write of each writer failing in turn, and
// every allocation of each exported call failing in turn.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "chkrsl/io/write_seam.h"
#include "support/allocation_seam.h"
#include "support/project_fixture.h"

namespace {

using chkrsl::io::WriteFaults;
using chkrsl_test::Bytes;

// Every file of the example project (and generated "EFFAL" and "LSZD"
// files) cut at every byte, and separately with each byte inverted. No
// reader may crash; on a cut file a reader either fails or returns exactly
// what it returns for the whole file, and the all-or-nothing readers fail.
// Whether the all-or-nothing read succeeded, and the bytes of each record
// the partial readers returned (empty where they failed).
struct Outcome {
  bool whole = false;
  std::vector<Bytes> records;
  std::vector<Bytes> files = {};  // a file of no entries, or none: empty
  bool operator==(const Outcome& o) const { return whole == o.whole && records == o.records && files == o.files; }
};

// Every byte is cut and inverted, unless CHKRSL_SWEEP_STEP asks for every
// n-th only (the Windows run under Wine, where each file write is slow).
size_t SweepStep() {
  const char* step = std::getenv("CHKRSL_SWEEP_STEP");
  const long n = step ? std::strtol(step, nullptr, 10) : 1;
  return n > 1 ? static_cast<size_t>(n) : 1;
}

using chkrsl_test::BytesOf;
template <class Array>
void Take(Outcome& o, Array& got) {
  for (Bytes& b : chkrsl_test::TakeBytes(got)) o.records.push_back(std::move(b));
}

// A project holding a copy of the bundled example project, the document
// holding the section types its files were checked with, and generated
// "EFFAL" and "LSZD" files.
class DamageSweep : public chkrsl_test::ProjectTest {
 protected:
  void SetUp() override {
    ProjectTest::SetUp();
    CopyExample();
    ASSERT_EQ(chkrsl::host::AdoptStoredSectionTypes(), 26);
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
    ProjectTest::TearDown();
  }
  std::map<std::string, Bytes> Snapshot() const {
    std::map<std::string, Bytes> files;
    for (const auto& e : std::filesystem::directory_iterator(folder))
      files[e.path().filename().string()] = chkrsl_test::ReadFileBytes(e.path().string());
    return files;
  }
  void Clear() {  // also the arrays' room, which a host's new arrays do not have
    chkrsl::DeleteAllRecords(recs), recs.FreeExtra();
    chkrsl::DeleteAllRecords(walls), walls.FreeExtra();
    chkrsl::DeleteAllEdges(edges), edges.FreeExtra();
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
      o.records.push_back(BytesOf(rec));
      delete rec;
    }
    return o;
  }
  void ReadLszd() { ReadLSZD(n[0], d[0], d[1], n[1], d[2], n[2], n[3], d[3], nullptr, nullptr); }
  // The parameters ReadLSZD gave (none: empty), set back to -1.
  Bytes LszdParams() {
    chkrsl::io::ByteWriter w;
    w.I32s(n, 4).F64s(d, 4);
    Bytes b = n[0] == -1 ? Bytes() : w.bytes();
    std::fill(n, n + 4, -1), std::fill(d, d + 4, -1);
    return b;
  }
  Outcome WriteReport() {
    std::filesystem::remove(chkrsl::host::UserFilePath("Chk_WLT"));
    doc().purlinKind = kRoofPurlin;
    return {WritePurlineRsl(), {}};
  }

  CTypedPtrArray<CPtrArray, DataForEffArea*> effs;
  CArray<int, int> wallNos, edgeNos;
  int n[4] = {-1, -1, -1, -1};
  double d[4] = {-1, -1, -1, -1};
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
                             {"LSZD", [&](bool) { return ReadLszd(), Outcome{false, {LszdParams()}}; }},
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

// Every exported reader, writer and display call and the purlin report
// with its 1st, 2nd, ... allocation failing in turn, and separately each of
// its writes, flushes and closes, until it runs without reaching the fault.
// Each time nothing is thrown out; the call fails with the one message and
// hands out nothing; every file is left as a clean run leaves it or
// claiming no entries (the report: absent); no file stays open and no
// memory is held; the kept indexes stay consistent; and the next call
// answers as a clean one does.
using chkrsl_test::AllocationFaults;

using chkrsl_test::InfoBytes;

TEST_F(DamageSweep, EveryAllocationWriteFlushAndCloseFailsInTurn) {
  AgeFiles();
  chkrsl_test::Records all, allWalls;
  ASSERT_EQ(GetAllEleRsl(all) + GetAllWallRsl(allWalls) + GetAllEdgeRsl(edges), 3);
  CArray<int, int> eleNos;
  AcIntArray memberNos, wallInfoNos, edgeInfoNos;
  for (INT_PTR i = 0; i < all.GetSize(); ++i) eleNos.Add(all[i]->eleNo), memberNos.append(all[i]->eleNo);
  const int bigNo = (*std::max_element(all.GetData(), all.GetData() + all.GetSize(),  // the largest record's
                                       [](CHKRsl* a, CHKRsl* b) { return BytesOf(a).size() < BytesOf(b).size(); }))->eleNo;
  int kind = 0;
  for (INT_PTR i = 0; i < allWalls.GetSize(); ++i) wallInfoNos.append(allWalls[i]->eleNo), wallNos.Add(allWalls[i]->eleNo);
  for (INT_PTR i = 0; i < edges.GetSize(); ++i) edgeInfoNos.append(edges[i]->edgeNo), edgeNos.Add(edges[i]->edgeNo);
  Clear();
  CHKRsl* one = nullptr;
  DataForWallEdge* edge = nullptr;
  DataForEffArea* eff = nullptr;
  ShowConcreteFrameStl* member = nullptr;
  ShowShearWallStl* wall = nullptr;
  ShowBoundMemStl* bound = nullptr;
  doc().purlinKind = kRoofPurlin;

  // Runs a call (a seam may be armed), then takes what it handed out and the
  // files, and frees and resets every output.
  auto run = [&](const std::function<bool()>& call) {
    Outcome a;
    try {
      a.whole = call();
    } catch (...) {
      ADD_FAILURE() << "thrown out";
    }
    AllocationFaults::Disarm(), WriteFaults::Disarm();
    Take(a, recs), Take(a, walls), Take(a, edges), Clear();
    a.records.insert(a.records.end(), {BytesOf(one), BytesOf(edge), BytesOf(eff), LszdParams(), InfoBytes(bound, edgeInfoNos.length()),
                                       InfoBytes(member, memberNos.length(), offsetof(ShowConcreteFrameStl, checked) + 1),
                                       InfoBytes(wall, wallInfoNos.length(), offsetof(ShowShearWallStl, checked) + 1)});
    delete one, delete edge, delete eff, one = nullptr, edge = nullptr, eff = nullptr;
    std::map<std::string, Bytes> files = Snapshot();
    files["proj.Chk_WLT"];  // by name: the report's place is there with or without it
    for (auto& [path, b] : files) a.files.push_back(b.size() <= 4 && b == Bytes(b.size(), 0) ? Bytes() : b);
    std::filesystem::remove(chkrsl::host::UserFilePath("Chk_WLT"));
    return a;
  };
  const std::pair<const char*, std::function<bool()>> rows[] = {
      {"GetAllEleRsl", [&] { return GetAllEleRsl(recs) == 1; }},
      {"GetAllEleRsl list", [&] { return GetAllEleRsl(recs, eleNos) == 1; }},
      {"GetOneEleRsl", [&] { return GetOneEleRsl(one, kind, bigNo) == 1; }},
      {"GetOneEleRsl_Code", [&] { return GetOneEleRsl_Code(one, kind, bigNo) == 1; }},
      {"GetAllWallRsl", [&] { return GetAllWallRsl(walls) == 1; }},
      {"GetAllWallRsl list", [&] { return GetAllWallRsl(walls, wallNos) == 1; }},
      {"GetOneWallRsl", [&] { return GetOneWallRsl(one, wallNos[0]) == 1; }},
      {"GetAllEdgeRsl", [&] { return GetAllEdgeRsl(edges) == 1; }},
      {"GetAllEdgeRsl list", [&] { return GetAllEdgeRsl(edges, edgeNos) == 1; }},
      {"GetOneEdgeRsl", [&] { return GetOneEdgeRsl(edge, edgeNos[1]) == 1; }},
      {"GetAllBoardRsl", [&] { return GetAllBoardRsl(walls, edges) == 1; }},
      {"ReadEffectiveArea", [&] { return ReadEffectiveArea(effs[4]->eleNo, eff) == 1; }},
      {"ReadLSZD", [&] { return ReadLszd(), false; }},
      {"GetCTMemberChkInfo", [&] { return GetCTMemberChkInfo(memberNos, member); }},
      {"GetCTWallChkInfo", [&] { return GetCTWallChkInfo(wallInfoNos, wall); }},
      {"GetCTEdgeChkInfo", [&] { return GetCTEdgeChkInfo(edgeInfoNos, bound); }},
      {"WriteCHKResult", [&] { return WriteCHKResult(all), false; }},
      {"WriteCHKResult_Wall", [&] { return WriteCHKResult_Wall(allWalls), false; }},
      {"WriteAlEffArea", [&] { return WriteAlEffArea(effs), false; }},
      {"WritePurlineRsl", [&] { return WritePurlineRsl(); }},
  };
  const struct {
    const char* alert;
    void (*arm)(int64_t);
    bool (*reached)(int64_t);  // whether fault n was made; no file is left open
  } seams[] = {{"内存不足，操作未完成!", AllocationFaults::Arm, [](int64_t f) { return AllocationFaults::Made() > f; }},
               {"写文件时发生错误!", WriteFaults::Arm, [](int64_t f) {
                  EXPECT_EQ(WriteFaults::Counts().opened, WriteFaults::Counts().closed);
                  return WriteFaults::Counts().operations > f;
                }}};
  int64_t injected[2] = {};
  for (const auto& [name, call] : rows) {
    const Outcome clean = run(call);
    ASSERT_TRUE(alerts.empty()) << name;
    for (int s = 0; s < 2; ++s) {
      for (int64_t fault = 0;; ++fault) {
        SCOPED_TRACE(testing::Message() << name << ", " << seams[s].alert << " at " << fault);
        std::vector<std::string>().swap(alerts);
        chkrsl::host::DropEntryIndexes();
        const int64_t live = AllocationFaults::Live();
        bool reached = false;
        {
          seams[s].arm(fault);
          const Outcome failed = run(call);
          reached = seams[s].reached(fault);
          if (reached) {
            EXPECT_EQ(alerts, std::vector<std::string>{seams[s].alert});
            EXPECT_FALSE(failed.whole);
            for (const Bytes& b : failed.records) EXPECT_TRUE(b.empty());
            for (size_t i = 0; i < failed.files.size(); ++i)
              EXPECT_TRUE(failed.files[i].empty() || failed.files[i] == clean.files[i]) << "file " << i;
            EXPECT_TRUE(chkrsl::KeptIndexesConsistent());
          } else {
            EXPECT_TRUE(failed == clean && alerts.empty());
          }
        }
        std::vector<std::string>().swap(alerts);
        chkrsl::host::DropEntryIndexes();
        EXPECT_EQ(AllocationFaults::Live(), live);
        if (!reached) break;
        ++injected[s];
        EXPECT_TRUE(run(call) == clean && alerts.empty()) << "next call";
      }
    }
  }
  std::printf("%d allocation failures, %d write faults\n", static_cast<int>(injected[0]), static_cast<int>(injected[1]));
  chkrsl::DeleteAllRecords(all);
  chkrsl::DeleteAllRecords(allWalls);
}

}  // namespace
