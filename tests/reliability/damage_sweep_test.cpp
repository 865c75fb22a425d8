// Every file of the example project (and generated "EFFAL" and "LSZD"
// files) cut at every byte, and separately with each byte inverted. No
// reader may crash; on a cut file a reader either fails or returns exactly
// what it returns for the whole file, and the all-or-nothing readers fail.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "reliability/example_project_test.h"

namespace {

using chkrsl_test::Bytes;

// What the readers of one family gave: whether the all-or-nothing read
// succeeded, and the bytes of each record the partial readers returned
// (empty where they failed).
struct Outcome {
  bool whole = false;
  std::vector<Bytes> records;
};

Bytes EdgeBytes(const DataForWallEdge* e) {
  Bytes b(sizeof e->dRsl + sizeof e->nRsl + 2);
  std::memcpy(b.data(), e->dRsl, sizeof e->dRsl);
  std::memcpy(b.data() + sizeof e->dRsl, e->nRsl, sizeof e->nRsl);
  b[b.size() - 2] = e->bFlag[0];
  b.back() = static_cast<uint8_t>(e->edgeNo);
  return b;
}

class DamageSweep : public chkrsl_test::ExampleProjectTest {
 protected:
  void SetUp() override {
    ExampleProjectTest::SetUp();
    chkrsl::host::SetViewerLauncher([](const std::string&) { return true; });
    for (int e = 1; e <= 5; ++e) effs.Add(new DataForEffArea);
    for (INT_PTR i = 0; i < effs.GetSize(); ++i) {
      effs[i]->eleNo = static_cast<int>(2 * i + 1);
      effs[i]->effCount[i] = 1;
      effs[i]->effList[i].Add(new EffAreaItem{{i + 0.5, 1, 2, 3, 4}});
    }
    WriteAlEffArea(effs);
    Bytes lszd;
    for (int v : {2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 9, 9, 9}) chkrsl_test::PutI32(lszd, v);
    WriteProjectFile("LSZD", lszd);
  }
  void TearDown() override {
    for (INT_PTR i = 0; i < effs.GetSize(); ++i) delete effs[i];
    chkrsl::host::SetViewerLauncher(nullptr);
    ExampleProjectTest::TearDown();
  }

  Outcome ReadElements(CArray<int, int>& eleNos, bool partial) {
    Outcome o;
    o.whole = GetAllEleRsl(recs) == 1;
    chkrsl::DeleteAllRecords(recs);
    if (!partial) return o;
    GetAllEleRsl(recs, eleNos);
    for (INT_PTR i = 0; i < recs.GetSize(); ++i)
      o.records.push_back(recs[i] ? chkrsl_test::WrittenBytes(*recs[i]) : Bytes());
    chkrsl::DeleteAllRecords(recs);
    return o;
  }
  Outcome ReadBoards(CArray<int, int>& wallNos, CArray<int, int>& edgeNos, bool partial) {
    Outcome o;
    o.whole = GetAllBoardRsl(walls, edges) == 1;
    chkrsl::DeleteAllRecords(walls);
    chkrsl::DeleteAllEdges(edges);
    if (!partial) return o;
    GetAllWallRsl(walls, wallNos);
    GetAllEdgeRsl(edges, edgeNos);
    for (INT_PTR i = 0; i < walls.GetSize(); ++i)
      o.records.push_back(walls[i] ? chkrsl_test::WrittenBytes(*walls[i]) : Bytes());
    for (INT_PTR i = 0; i < edges.GetSize(); ++i) o.records.push_back(edges[i] ? EdgeBytes(edges[i]) : Bytes());
    chkrsl::DeleteAllRecords(walls);
    chkrsl::DeleteAllEdges(edges);
    return o;
  }
  Outcome ReadEffAreas() {
    Outcome o;
    o.whole = true;
    for (INT_PTR i = 0; i < effs.GetSize(); ++i) {
      DataForEffArea* rec = nullptr;
      o.whole = ReadEffectiveArea(effs[i]->eleNo, rec) == 1 && o.whole;
      o.records.push_back(rec ? chkrsl_test::CaptureWrites([&](std::FILE* f) { rec->WriteEffArea(f); }) : Bytes());
      delete rec;
    }
    return o;
  }
  static Outcome ReadLszdHeader() {
    int n[4] = {-1, -1, -1, -1};
    double d[4] = {-1, -1, -1, -1};
    ReadLSZD(n[0], d[0], d[1], n[1], d[2], n[2], n[3], d[3], nullptr, nullptr);
    Bytes b(sizeof n + sizeof d);
    std::memcpy(b.data(), n, sizeof n);
    std::memcpy(b.data() + sizeof n, d, sizeof d);
    return {false, {n[0] == -1 ? Bytes() : b}};
  }
  Outcome WriteReport() {
    std::filesystem::remove(chkrsl::host::UserFilePath("Chk_WLT"));
    doc().purlinKind = kRoofPurlin;
    return {WritePurlineRsl(), {}};
  }

  CTypedPtrArray<CPtrArray, DataForEffArea*> effs;
};

TEST_F(DamageSweep, CutAndInvertedFilesNeverGiveWhatTheWholeFileDoesNotHold) {
  CArray<int, int> eleNos, wallNos, edgeNos;
  ASSERT_EQ(GetAllEleRsl(recs), 1);
  for (INT_PTR i = 0; i < recs.GetSize(); ++i) eleNos.Add(recs[i]->eleNo);
  ASSERT_EQ(GetAllBoardRsl(walls, edges), 1);
  for (INT_PTR i = 0; i < walls.GetSize(); ++i) wallNos.Add(walls[i]->eleNo);
  for (INT_PTR i = 0; i < edges.GetSize(); ++i) edgeNos.Add(edges[i]->edgeNo);
  chkrsl::DeleteAllRecords(recs);
  chkrsl::DeleteAllRecords(walls);
  chkrsl::DeleteAllEdges(edges);

  // Each read is given whether to run the readers that may succeed in part;
  // an inverted file only has to be survived.
  using Read = std::function<Outcome(bool)>;
  const Read boards = [&](bool partial) { return ReadBoards(wallNos, edgeNos, partial); };
  const Read effAreas = [&](bool) { return ReadEffAreas(); };
  const Read lszd = [&](bool) { return ReadLszdHeader(); };
  const Read report = [&](bool) { return WriteReport(); };
  struct Case {
    std::string ext;
    Read read;
    Bytes elementTable = {};  // while the file is damaged; none: the project's
  };
  std::vector<Case> cases = {{"CHKWT", boards}, {"CHKCW", boards}, {"Edge", boards},
                             {"EFFAL", effAreas}, {"LSZD", lszd}, {"Dlg_DesWLT", report},
                             {"PCR", report},
                             {"CHKTT", [&](bool partial) { return ReadElements(eleNos, partial); }}};
  // A result file: the element table lists only its own elements, so that
  // the bulk read does not read the others again for every byte.
  const Bytes table = ReadProjectFile("CHKTT");
  std::vector<CArray<int, int>> ofFile(static_cast<size_t>(chkrsl::ResultFileId::kCount));
  for (int i = 0; i < static_cast<int>(chkrsl::ResultFileId::kCount); ++i) {
    const char* ext = chkrsl::ResultFileName(static_cast<chkrsl::ResultFileId>(i));
    std::FILE* f = chkrsl::OpenProjectFile(ext);
    if (!f) continue;
    CArray<int, int>& mine = ofFile[static_cast<size_t>(i)];
    chkrsl::WalkEntryHeaders(f, [&](const chkrsl::EntryHeader& h) { mine.Add(h.eleNo); });
    std::fclose(f);
    Bytes own;
    chkrsl_test::PutI32(own, static_cast<int32_t>(mine.GetSize()));
    for (INT_PTR k = 0; k < mine.GetSize(); ++k) {
      for (size_t at = 4; at + 8 <= table.size(); at += 8) {
        if (chkrsl_test::GetI32(table, at) != mine[k]) continue;
        own.insert(own.end(), table.begin() + static_cast<long>(at), table.begin() + static_cast<long>(at) + 8);
        break;
      }
    }
    cases.push_back({ext, [&](bool partial) { return ReadElements(mine, partial); }, own});
  }

  for (const Case& c : cases) {
    if (!c.elementTable.empty()) WriteProjectFile("CHKTT", c.elementTable);
    const Bytes intact = ReadProjectFile(c.ext);
    const Outcome whole = c.read(true);
    ASSERT_TRUE(whole.whole || c.ext == "LSZD") << c.ext;
    for (size_t at = 0; at < intact.size(); ++at) {
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
    alerts.clear();
  }
}

}  // namespace
