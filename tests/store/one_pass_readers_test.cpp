// The list and single readers against the per-element scans they replace,
// on random projects: unsorted, repeated, corrupt and cut files, changed
// sections, unlisted elements. Same slots, records (by their bytes),
// results and messages.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <iterator>
#include <memory>
#include <random>

#include "support/concrete_samples.h"

namespace {

using namespace chkrsl_test;

struct Outcome {
  int result = 0;
  int kind = 0;
  std::vector<Bytes> slots;  // empty for a slot left null
  std::vector<std::string> alerts;
  bool operator==(const Outcome& o) const {
    return result == o.result && kind == o.kind && slots == o.slots && alerts == o.alerts;
  }
};

template <class Rec>
Bytes BytesOf(Rec* rec) {
  if (!rec) return {};
  if constexpr (std::is_same_v<Rec, DataForWallEdge>) {
    return EdgeFile({rec});
  } else {
    return WrittenBytes(*rec);
  }
}

class OnePassReaders : public ProjectTest {
 protected:
  std::mt19937 rng;
  int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }

  Bytes SteelEntry(int e, int secType) {
    DataForSteel r;
    r.eleNo = e;
    r.eleType = 6;
    r.secType = secType;
    r.dBase[0] = e;
    r.memberKind = Pick(4) == 0 ? 6 : 1;
    if (JudgeSecCate(secType) == 2) r.pSec = new DataForNewSec;
    if (JudgeSecCate(secType) == 3) r.pSec = new DataForLts;
    return WrittenBytes(r);
  }
  Bytes ConcreteEntry(int e, ConcreteSubKind kind) {
    auto r = MakeConcrete(kind, e, 1 + Pick(3), e);
    doc().SetElementSecType(e, r->secType);
    return WrittenBytes(*r);
  }

  // Entry numbers mostly ascend; some repeat, some come early.
  void Shuffle(std::vector<std::pair<int, Bytes>>& entries) {
    if (entries.size() > 2 && Pick(3) == 0) std::swap(entries[Pick(2)], entries[2 + Pick(2) % (entries.size() - 2)]);
    if (!entries.empty() && Pick(4) == 0) entries.insert(entries.begin() + Pick(static_cast<int>(entries.size())), entries[Pick(static_cast<int>(entries.size()))]);
  }

  // The count, then the entries; some files get a wrong type code or count,
  // or are cut short.
  void WriteFile(const std::string& ext, std::vector<std::pair<int, Bytes>> entries, size_t entryBytes = 12) {
    Shuffle(entries);
    Bytes file;
    PutI32(file, static_cast<int>(entries.size()) + (Pick(8) == 0 ? 2 : 0) - (Pick(8) == 0 ? 1 : 0));
    for (auto& e : entries) {
      if (entryBytes == 12 && Pick(12) == 0) chkrsl::io::EncodeFixed32(&e.second[4], std::vector<int>{-11, 99, -6, 6, 18}[Pick(5)]);
      file.insert(file.end(), e.second.begin(), e.second.end());
    }
    if (Pick(5) == 0) file.resize(file.size() - Pick(static_cast<int>(file.size())) / 3);
    WriteProjectFile(ext, file);
  }

  // Elements 1..30: steel of four section categories or concrete members,
  // listed in "CHKTT" (some twice, some with kinds that have no file).
  void MakeElements() {
    std::vector<std::pair<int, Bytes>> plain, companion, concrete;
    std::vector<int> table;
    CArray<int, int> kinds;
    Bytes tt;
    for (int e = 1; e <= 30; ++e) {
      if (Pick(6) == 0) continue;  // in no file
      int kind = 6;
      if (Pick(3) == 0) {
        kind = 11;
        concrete.emplace_back(e, ConcreteEntry(e, Pick(2) ? ConcreteSubKind::kRecBeam : ConcreteSubKind::kRecCol));
      } else {
        const int secType = std::vector<int>{1, 42, 35, 26}[Pick(4)];
        (JudgeSecCate(secType) % 3 == 1 ? plain : companion).emplace_back(e, SteelEntry(e, secType));
        doc().SetElementSecType(e, Pick(10) == 0 ? 36 : secType);
      }
      if (Pick(10) == 0) kind = std::vector<int>{5, 12, 2}[Pick(3)];
      for (int copies = Pick(8) == 0 ? 2 : 1; copies > 0; --copies) {
        PutI32(tt, e);
        PutI32(tt, kind);
        table.push_back(e);
        kind = 6;
      }
    }
    Bytes counted;
    PutI32(counted, static_cast<int>(table.size()));
    counted.insert(counted.end(), tt.begin(), tt.end());
    WriteProjectFile("CHKTT", counted);
    WriteFile("CHKST", plain);
    WriteFile("CHKST_N", companion);
    WriteFile("CHKCT", concrete);
  }

  void MakeWallsAndEdges() {
    std::vector<std::pair<int, Bytes>> wallEntries, edgeEntries;
    for (int e = 1; e <= 20; ++e) {
      if (Pick(5) == 0) continue;
      wallEntries.emplace_back(e, ConcreteEntry(e, ConcreteSubKind::kWall));
      DataForWallEdge edge;
      edge.edgeNo = e;
      Distinct(e).Fill(edge.dRsl);
      Bytes one = EdgeFile({&edge});
      edgeEntries.emplace_back(e, Bytes(one.begin() + 4, one.end()));
    }
    WriteFile("CHKCW", wallEntries);
    WriteFile("Edge", edgeEntries, 149);
  }

  // Makes every project file old enough for its index to be kept.
  void AgeFiles() {
    for (const auto& f : std::filesystem::directory_iterator(folder)) {
      std::filesystem::last_write_time(f.path(), std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
    }
  }

  void Request(CArray<int, int>& nos, int count, int top) {
    nos.RemoveAll();
    for (int i = 0; i < count; ++i) nos.Add(Pick(top + 2));
  }

  template <class Rec, class Read>
  Outcome RunList(Read read, CArray<int, int>& nos) {
    alerts.clear();
    CTypedPtrArray<CPtrArray, Rec*> out;
    Outcome o;
    o.result = read(out, nos);
    for (INT_PTR i = 0; i < out.GetSize(); ++i) {
      o.slots.push_back(BytesOf(out[i]));
      delete out[i];
    }
    o.alerts = alerts;
    return o;
  }

  template <class Rec, class Read>
  Outcome RunOne(Read read, int no) {
    alerts.clear();
    Rec* rec = nullptr;
    Outcome o;
    o.result = read(rec, o.kind, no);
    o.slots.push_back(BytesOf(rec));
    delete rec;
    o.alerts = alerts;
    return o;
  }
};

TEST_F(OnePassReaders, GiveWhatThePerElementScansGiveOnRandomProjects) {
  using Recs = CTypedPtrArray<CPtrArray, CHKRsl*>;
  using EdgeRecs = CTypedPtrArray<CPtrArray, DataForWallEdge*>;
  auto wall = [](CHKRsl*& r, int&, int no) { return GetOneWallRsl(r, no); };
  auto wallByScan = [](CHKRsl*& r, int&, int no) { return chkrsl::GetOneWallRslByScan(r, no); };
  auto edge = [](DataForWallEdge*& r, int&, int no) { return GetOneEdgeRsl(r, no); };
  auto edgeByScan = [](DataForWallEdge*& r, int&, int no) { return chkrsl::GetOneEdgeRslByScan(r, no); };
  for (int seed = 0; seed < 60; ++seed) {
    SCOPED_TRACE(seed);
    rng.seed(seed);
    doc().Clear();
    MakeElements();
    MakeWallsAndEdges();
    if (seed % 2) AgeFiles();  // the kept index is used from the second read on
    for (int round = 0; round < 2; ++round) {
      CArray<int, int> nos;
      Request(nos, 25, 30);
      EXPECT_EQ(RunList<CHKRsl>([](Recs& o, CArray<int, int>& n) { return GetAllEleRsl(o, n); }, nos),
                RunList<CHKRsl>(chkrsl::GetAllEleRslByScan, nos));
      Request(nos, 6, 20);
      EXPECT_EQ(RunList<CHKRsl>([](Recs& o, CArray<int, int>& n) { return GetAllWallRsl(o, n); }, nos),
                RunList<CHKRsl>(chkrsl::GetAllWallRslByScan, nos));
      EXPECT_EQ(RunList<DataForWallEdge>([](EdgeRecs& o, CArray<int, int>& n) { return GetAllEdgeRsl(o, n); }, nos),
                RunList<DataForWallEdge>(chkrsl::GetAllEdgeRslByScan, nos));
    }
    for (int no = 0; no <= 32; ++no) {
      EXPECT_EQ(RunOne<CHKRsl>(GetOneEleRsl, no), RunOne<CHKRsl>(chkrsl::GetOneEleRslByScan, no)) << no;
      EXPECT_EQ(RunOne<CHKRsl>(wall, no), RunOne<CHKRsl>(wallByScan, no)) << no;
      EXPECT_EQ(RunOne<DataForWallEdge>(edge, no), RunOne<DataForWallEdge>(edgeByScan, no)) << no;
    }
    // A bulk read that succeeds agrees with the single reads (the table ascends).
    Records all;
    if (GetAllEleRsl(all)) {
      for (INT_PTR i = 0; i < all.GetSize(); ++i) {
        EXPECT_EQ(BytesOf(all[i]), RunOne<CHKRsl>(GetOneEleRsl, all[i]->eleNo).slots[0]);
      }
    }
    chkrsl::DeleteAllRecords(all);
  }
}

// An entry is read exactly as it is passed over, or it is corrupt; what is
// read is written back under the same code with the same bytes.
TEST_F(OnePassReaders, EntriesReadOnlyAsTheyArePassedOver) {
  struct Case {
    std::function<CHKRsl*()> make;
    int memberKind, storedCode;  // 0: the code the record writes
    bool readable;
  } cases[] = {
      {[] { return new DataForSteel; }, 6, 6, false},    // energy record taken from the next entry
      {[] { return new DataForSteel; }, 1, -6, false},   // next entry taken as an energy record
      {[] { return new DataForConcreteInside; }, 1, -11, false},  // would be written back as 11
      {[] { return new DataForSteel; }, 6, 0, true},
      {[] { return new DataForAluminiumAlloy; }, 6, 0, true},
      {[] { return new DataForLightSteel; }, 6, 0, true},
      {[] { return new DataForConcreteInside; }, 1, 0, true},  // code 11 of the "any other" row... as 12
  };
  const int codes[] = {6, 6, 11, 6, 7, 1, 12};
  for (size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(i);
    std::unique_ptr<CHKRsl> rec(cases[i].make());
    rec->eleNo = 1;
    rec->eleType = codes[i];
    rec->secType = 1;
    rec->memberKind = cases[i].memberKind;
    doc().SetElementSecType(1, 1);
    Bytes entry = WrittenBytes(*rec);
    if (cases[i].storedCode) chkrsl::io::EncodeFixed32(&entry[4], cases[i].storedCode);
    DataForSteel next;
    next.eleNo = 2;
    next.eleType = 6;
    next.secType = 1;
    doc().SetElementSecType(2, 1);
    Bytes file = ResultFileOf({&next});
    chkrsl::io::EncodeFixed32(file.data(), 2);
    file.insert(file.begin() + 4, entry.begin(), entry.end());
    WriteProjectFile("CHKST", file);
    WriteProjectFile("CHKTT", ElementTable({1, 2}, 6));
    const Outcome one = RunOne<CHKRsl>(GetOneEleRsl, 1);
    EXPECT_EQ(one.result, cases[i].readable);
    if (cases[i].readable) {
      EXPECT_EQ(one.slots[0], entry);
    }
    EXPECT_EQ(GetAllEleRsl(recs), cases[i].readable);
    chkrsl::DeleteAllRecords(recs);
  }
}

// "EFFAL": an entry whose length word disagrees with what it holds.
TEST_F(OnePassReaders, EffectiveAreaEntriesMustFillTheirLengthWord) {
  DataForEffArea rec;
  rec.eleNo = 5;
  rec.effCount[1] = 1;
  rec.effList[1].Add(new EffAreaItem);
  CTypedPtrArray<CPtrArray, DataForEffArea*> all;
  all.Add(&rec);
  WriteAlEffArea(all);
  const Bytes good = ReadProjectFile("EFFAL");
  for (int length : {0, 61 + 40, 61}) {
    Bytes b = good;
    chkrsl::io::EncodeFixed32(&b[8], length);
    WriteProjectFile("EFFAL", b);
    DataForEffArea* got = nullptr;
    EXPECT_EQ(ReadEffectiveArea(5, got), length == 61) << length;
    delete got;
  }
}

// A kept index answers only for the very file it was built from.
TEST_F(OnePassReaders, AKeptIndexNeverAnswersForAChangedFile) {
  const std::string path = PathOf("CHKST");
  auto steel = [&](std::vector<int> nos) {
    std::vector<std::unique_ptr<DataForSteel>> owned;
    std::vector<CHKRsl*> ptrs;
    for (int e : nos) {
      owned.push_back(std::make_unique<DataForSteel>());
      owned.back()->eleNo = e;
      owned.back()->eleType = 6;
      owned.back()->dBase[1] = e * 10 + static_cast<int>(nos.size());
      ptrs.push_back(owned.back().get());
    }
    return ResultFileOf(ptrs);
  };
  const std::function<void()> changes[] = {
      [&] {  // other content, same size and time
        const auto time = std::filesystem::last_write_time(path);
        WriteProjectFile("CHKST", steel({4, 3, 2, 1}));
        std::filesystem::last_write_time(path, time);
      },
      [&] {  // replaced by another file
        WriteFileBytes(path + ".new", steel({1, 3}));
        std::filesystem::rename(path + ".new", path);
        AgeFiles();
      },
      [&] { std::filesystem::resize_file(path, 4 + 2 * 743 + 100); },  // cut
  };
  for (const auto& change : changes) {
    for (int e = 1; e <= 4; ++e) doc().SetElementSecType(e, 0);
    WriteProjectFile("CHKST", steel({1, 2, 3, 4}));
    WriteProjectFile("CHKTT", ElementTable({1, 2, 3, 4}, 6));
    AgeFiles();
    EXPECT_EQ(RunOne<CHKRsl>(GetOneEleRsl, 3).result, 1);
    change();
    for (int no = 1; no <= 4; ++no) {
      EXPECT_EQ(RunOne<CHKRsl>(GetOneEleRsl, no), RunOne<CHKRsl>(chkrsl::GetOneEleRslByScan, no)) << no;
    }
  }
}

}  // namespace
