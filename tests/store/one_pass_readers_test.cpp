// The list and single readers against the per-element scans they replace,
// on random projects: unsorted, repeated, corrupt and cut files, changed
// sections, unlisted elements. Same slots, records (by their bytes),
// results and messages.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <random>
#include <tuple>

#include "support/concrete_samples.h"
#include "support/scan_readers.h"

namespace {

using namespace chkrsl_test;
using Kind = ConcreteSubKind;

struct Outcome {
  int result = 0, kind = 0;
  std::vector<Bytes> slots;  // empty for a slot left null
  std::vector<std::string> alerts;
  bool operator==(const Outcome& o) const {
    return std::tie(result, kind, slots, alerts) == std::tie(o.result, o.kind, o.slots, o.alerts);
  }
};

class OnePassReaders : public ProjectTest {
 protected:
  std::mt19937 rng;
  int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }

  static Bytes SteelEntry(int e, int secType, int memberKind = 1, double value = 0) {
    auto r = MakeSteel(e, secType);
    std::tie(r->memberKind, r->dBase[0]) = std::tuple(memberKind, value);
    return WrittenBytes(*r);
  }
  Bytes ConcreteEntry(int e, ConcreteSubKind kind) {
    auto r = MakeConcrete(kind, e, 1 + Pick(3), e);
    doc().SetElementSecType(e, r->secType);
    return WrittenBytes(*r);
  }
  template <class T>
  T Any(std::initializer_list<T> values) {
    return values.begin()[Pick(static_cast<int>(values.size()))];
  }

  // The count, then the entries, whose numbers mostly ascend; some repeat,
  // some come early, some have a wrong type code or count, some files are cut.
  void WriteFile(const std::string& ext, std::vector<Bytes> entries, bool coded = true) {
    const int n = static_cast<int>(entries.size());
    if (n > 2 && Pick(3) == 0) std::swap(entries[Pick(2)], entries[2 + Pick(n - 2)]);
    if (n > 0 && Pick(4) == 0) entries.insert(entries.begin() + Pick(n), entries[Pick(n)]);
    Bytes file;
    PutI32(file, static_cast<int>(entries.size()) + Any({0, 0, 0, 0, 0, 0, 2, -1}));
    for (Bytes& e : entries) {
      if (coded && Pick(12) == 0) chkrsl::io::EncodeFixed32(&e[4], Any({-11, 99, -6, 6, 18}));
      file.insert(file.end(), e.begin(), e.end());
    }
    if (Pick(5) == 0) file.resize(file.size() - Pick(static_cast<int>(file.size())) / 3);
    WriteProjectFile(ext, file);
  }

  // Elements 1..30: steel of four section categories or concrete members,
  // listed in "CHKTT" (some twice, some with kinds that have no file).
  void MakeElements() {
    std::vector<Bytes> plain, companion, concrete;
    Bytes tt(4);
    for (int e = 1; e <= 30; ++e) {
      if (Pick(6) == 0) continue;  // in no file
      int kind = Pick(3) ? 6 : 11;
      if (kind == 11) {
        concrete.push_back(ConcreteEntry(e, Pick(2) ? Kind::kRecBeam : Kind::kRecCol));
      } else {
        const int secType = Any({1, 42, 35, 26});
        (JudgeSecCate(secType) % 3 == 1 ? plain : companion)
            .push_back(SteelEntry(e, secType, Pick(4) ? 1 : 6, e));
        doc().SetElementSecType(e, Pick(10) == 0 ? 36 : secType);
      }
      if (Pick(10) == 0) kind = Any({5, 12, 2});
      for (int copies = Pick(8) == 0 ? 2 : 1; copies > 0; --copies, kind = 6) {
        PutI32(tt, e);
        PutI32(tt, kind);
      }
    }
    chkrsl::io::EncodeFixed32(tt.data(), static_cast<int32_t>(tt.size() / 8));
    WriteProjectFile("CHKTT", tt);
    WriteFile("CHKST", plain);
    WriteFile("CHKST_N", companion);
    WriteFile("CHKCT", concrete);
  }

  void MakeWallsAndEdges() {
    std::vector<Bytes> wallEntries, edgeEntries;
    for (int e = 1; e <= 20; ++e) {
      if (Pick(5) == 0) continue;
      wallEntries.push_back(ConcreteEntry(e, Kind::kWall));
      DataForWallEdge edge;
      edge.edgeNo = e;
      Distinct(e).Fill(edge.dRsl);
      const Bytes one = EdgeFile({&edge});
      edgeEntries.emplace_back(one.begin() + 4, one.end());
    }
    WriteFile("CHKCW", wallEntries);
    WriteFile("Edge", edgeEntries, false);
  }

  void Request(CArray<int, int>& nos, int count, int top) {
    nos.RemoveAll();
    for (int i = 0; i < count; ++i) nos.Add(Pick(top + 2));
  }

  template <class Rec, class Read>
  Outcome RunList(Read read, CArray<int, int>& nos) {
    alerts.clear();
    CTypedPtrArray<CPtrArray, Rec*> out;
    out.SetSize(1);  // single reads fill slot 0; list forms size it themselves
    Outcome o;
    o.result = read(out, nos);
    o.slots = TakeBytes(out);
    o.alerts = alerts;
    return o;
  }

  template <class Rec, class Read>
  Outcome RunOne(Read read, int no) {
    int kind = 0;
    CArray<int, int> one;
    one.Add(no);
    Outcome o = RunList<Rec>([&](auto& out, auto&) { return read(out[0], kind, no); }, one);
    o.kind = kind;
    return o;
  }
};

TEST_F(OnePassReaders, GiveWhatThePerElementScansGiveOnRandomProjects) {
  using Recs = CTypedPtrArray<CPtrArray, CHKRsl*>;
  using EdgeRecs = CTypedPtrArray<CPtrArray, DataForWallEdge*>;
  using Edge = DataForWallEdge;
  auto wall = [](CHKRsl*& r, int&, int no) { return GetOneWallRsl(r, no); };
  auto wallByScan = [](CHKRsl*& r, int&, int no) { return chkrsl_test::GetOneWallRslByScan(r, no); };
  auto edge = [](Edge*& r, int&, int no) { return GetOneEdgeRsl(r, no); };
  auto edgeByScan = [](Edge*& r, int&, int no) { return chkrsl_test::GetOneEdgeRslByScan(r, no); };
  auto all = [](Recs& o, CArray<int, int>& n) { return GetAllEleRsl(o, n); };
  auto walls = [](Recs& o, CArray<int, int>& n) { return GetAllWallRsl(o, n); };
  auto edges = [](EdgeRecs& o, CArray<int, int>& n) { return GetAllEdgeRsl(o, n); };
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
      EXPECT_EQ(RunList<CHKRsl>(all, nos), RunList<CHKRsl>(chkrsl_test::GetAllEleRslByScan, nos));
      Request(nos, 6, 20);
      EXPECT_EQ(RunList<CHKRsl>(walls, nos), RunList<CHKRsl>(chkrsl_test::GetAllWallRslByScan, nos));
      EXPECT_EQ(RunList<Edge>(edges, nos), RunList<Edge>(chkrsl_test::GetAllEdgeRslByScan, nos));
    }
    for (int no = 0; no <= 32; ++no) {
      EXPECT_EQ(RunOne<CHKRsl>(GetOneEleRsl, no), RunOne<CHKRsl>(chkrsl_test::GetOneEleRslByScan, no));
      EXPECT_EQ(RunOne<CHKRsl>(wall, no), RunOne<CHKRsl>(wallByScan, no)) << no;
      EXPECT_EQ(RunOne<Edge>(edge, no), RunOne<Edge>(edgeByScan, no)) << no;
    }
    // A bulk read that succeeds agrees with the single reads (the table ascends).
    if (GetAllEleRsl(recs)) {
      for (INT_PTR i = 0; i < recs.GetSize(); ++i) {
        EXPECT_EQ(BytesOf(recs[i]), RunOne<CHKRsl>(GetOneEleRsl, recs[i]->eleNo).slots[0]);
      }
    }
    chkrsl::DeleteAllRecords(recs);
  }
}

// An entry is read exactly as it is passed over, or it is corrupt.
TEST_F(OnePassReaders, EntriesReadOnlyAsTheyArePassedOver) {
  struct Case {
    std::function<CHKRsl*()> make;
    int code, memberKind, storedCode;  // stored: 0 for the code the record writes
    bool readable;  // and then written back as the record writes itself
  } cases[] = {
      {[] { return new DataForSteel; }, 6, 6, 6, false},   // energy record from the next entry
      {[] { return new DataForSteel; }, 6, 1, -6, false},  // next entry as an energy record
      {[] { return new DataForConcreteInside; }, 11, 1, -11, false},  // would claim a concrete code
      {[] { return new DataForSteel; }, 6, 6, 0, true},
      {[] { return new DataForAluminiumAlloy; }, 7, 6, 0, true},
      {[] { return new DataForLightSteel; }, 1, 6, 0, true},
      {[] { return new DataForConcreteInside; }, 12, 1, 0, true},  // the "any other" row
      {[] { return new DataForConcreteInside; }, 12, 1, -12, true},  // negated too
      {[] { return new DataForConcreteInside; }, 216, 1, -216, true},  // no energy record to size
  };
  doc().SetElementSecType(1, 1);
  doc().SetElementSecType(2, 1);
  WriteProjectFile("CHKTT", ElementTable({1, 2}, 6));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.storedCode);
    std::unique_ptr<CHKRsl> rec(c.make());
    std::tie(rec->eleNo, rec->eleType, rec->secType) = std::tuple(1, c.code, 1);
    rec->memberKind = c.memberKind;
    Bytes file = WrittenBytes(*rec), next = SteelEntry(2, 1);
    const Bytes writtenBack = file;
    if (c.storedCode) chkrsl::io::EncodeFixed32(&file[4], c.storedCode);
    file.insert(file.begin(), {2, 0, 0, 0});
    file.insert(file.end(), next.begin(), next.end());
    WriteProjectFile("CHKST", file);
    const Outcome one = RunOne<CHKRsl>(GetOneEleRsl, 1);
    EXPECT_EQ(one.result, c.readable);
    EXPECT_EQ(one.slots[0], c.readable ? writtenBack : Bytes());
    EXPECT_EQ(GetAllEleRsl(recs), c.readable);
    chkrsl::DeleteAllRecords(recs);
  }
}

// "EFFAL": an entry whose length word disagrees with what it holds.
TEST_F(OnePassReaders, EffectiveAreaEntriesMustFillTheirLengthWord) {
  DataForEffArea rec;
  rec.eleNo = 5;
  CTypedPtrArray<CPtrArray, DataForEffArea*> all;
  all.Add(&rec);
  WriteAlEffArea(all);  // empty lists: a length word of 21
  const Bytes good = ReadProjectFile("EFFAL");
  for (int length : {0, 61, 21}) {
    Bytes b = good;
    chkrsl::io::EncodeFixed32(&b[8], length);
    WriteProjectFile("EFFAL", b);
    DataForEffArea* got = nullptr;
    EXPECT_EQ(ReadEffectiveArea(5, got), length == 21) << length;
    delete got;
  }
}

// A kept index answers only for the very file it was built from.
TEST_F(OnePassReaders, AKeptIndexNeverAnswersForAChangedFile) {
  const std::string path = PathOf("CHKST");
  auto steel = [&](const std::vector<int>& nos) {  // element e's entry differs per file
    Bytes file;
    PutI32(file, static_cast<int>(nos.size()));
    for (int e : nos) {
      const Bytes entry = SteelEntry(e, 0, 1, e * 10 + nos.size());
      file.insert(file.end(), entry.begin(), entry.end());
    }
    return file;
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
      EXPECT_EQ(RunOne<CHKRsl>(GetOneEleRsl, no), RunOne<CHKRsl>(chkrsl_test::GetOneEleRslByScan, no));
    }
  }
}

}  // namespace
