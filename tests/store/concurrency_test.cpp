// Readers on several threads while one thread rewrites the result files with
// the same records, dates them back (so that indexes are kept) and others
// drop the kept indexes: a read may fail, but what it hands out is what the
// same read hands out alone.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstddef>
#include <functional>
#include <string>
#include <thread>
#include <tuple>
#include <type_traits>

#include "support/concrete_samples.h"

namespace {

using namespace chkrsl_test;
using Pieces = std::vector<Bytes>;  // the bytes of each record; empty where none was read

struct Answer {
  int ok = 0;
  Pieces pieces;
};

// One read of each number in turn.
template <class Array, class ReadOne>
Answer Singles(const std::vector<int>& nos, ReadOne read) {
  Array got;
  Answer a{1, {}};
  for (int n : nos) {
    std::remove_pointer_t<decltype(got.GetData())> rec = nullptr;
    a.ok &= read(rec, n);
    got.Add(rec);
  }
  a.pieces = TakeBytes(got);
  return a;
}

// A failed read hands out nothing, or records each of which is right.
bool Fits(const Answer& got, const Answer& want) {
  if (got.ok || got.pieces.empty()) return !got.ok || got.pieces == want.pieces;
  if (got.pieces.size() != want.pieces.size()) return false;
  for (size_t i = 0; i < got.pieces.size(); ++i)
    if (!got.pieces[i].empty() && got.pieces[i] != want.pieces[i]) return false;
  return true;
}

class Concurrency : public ProjectTest {
 protected:
  static constexpr int kElements = 300, kWalls = 40, kEdges = 40;

  // Odd elements steel in "CHKST" and "CHKST_N", even ones concrete in
  // "CHKCT", written through "CHKFF"; walls 1002, 1004, ... and edges 1..E.
  void MakeProject() {
    using K = ConcreteSubKind;
    const K shapes[] = {K::kRecCol, K::kRoundCol, K::kSpecialCol, K::kRecBeam, K::kRoundBeam};
    const int steelSections[] = {1, 26, 35};
    Bytes codes, table;
    PutI32(codes, kElements);
    PutI32(table, kElements);
    for (int e = 1; e <= kElements; ++e) {
      CHKRsl* r = nullptr;
      int file = 3, kind = 11;
      if (e % 2) {
        auto s = MakeSteel(e, steelSections[e / 2 % 3]);
        s->dSteel[0] = e * 1.5;
        std::tie(file, kind) = std::pair(s->secType == 1 ? 6 : 26, 6);
        r = s.release();
      } else {
        r = MakeConcrete(shapes[e / 2 % 5], e, 1 + e % 3, e).release();
        concrete.push_back(e);
      }
      doc().SetElementSecType(e, r->secType);
      recs.Add(r);
      for (int v : {e, file, kind}) PutI32(codes, v);
      for (int v : {e, kind}) PutI32(table, v);
    }
    WriteProjectFile("CHKFF", codes);
    WriteProjectFile("CHKTT", table);
    WriteCHKResult(recs);
    for (int w = 1; w <= kWalls; ++w) {
      wallNos.push_back(1000 + 2 * w);
      walls.Add(MakeConcrete(K::kWall, wallNos.back(), 2, wallNos.back()).release());
    }
    WriteCHKResult_Wall(walls);
    WriteProjectFile("CHKWT", WallList(wallNos, kEdges));
    for (int n = 1; n <= kEdges; ++n) {
      edges.Add(new DataForWallEdge);
      edges[n - 1]->edgeNo = n;
      Distinct(n).Fill(edges[n - 1]->dRsl);
      edgeNos.push_back(n);
    }
    WriteProjectFile("Edge", EdgeFile({edges.GetData(), edges.GetData() + kEdges}));
  }

  std::vector<int> concrete, wallNos, edgeNos;
};

TEST_F(Concurrency, ReadsBesideRewritesAndDroppedIndexesHandOutWhatAReadAloneDoes) {
  MakeProject();
  std::vector<int> some;  // descending, every seventh element
  for (int e = kElements; e > 0; e -= 7) some.push_back(e);
  const std::function<Answer()> calls[] = {
      [] { Records r; return Answer{GetAllEleRsl(r), TakeBytes(r)}; },
      [&] {
        Records r;
        CArray<int, int> nos;
        for (int e : some) nos.Add(e);
        return Answer{GetAllEleRsl(r, nos), TakeBytes(r)};
      },
      [&] { return Singles<Records>(some, [](CHKRsl*& r, int n) { int k = 0; return GetOneEleRsl(r, k, n); }); },
      [&] {
        AcIntArray nos;
        for (int e : concrete) nos.append(e);
        ShowConcreteFrameStl* info = nullptr;
        const int ok = GetCTMemberChkInfo(nos, info);
        return Answer{ok, {InfoBytes(info, ok ? nos.length() : 0, offsetof(ShowConcreteFrameStl, checked) + 1)}};
      },
      [] { Records r; return Answer{GetAllWallRsl(r), TakeBytes(r)}; },
      [&] { return Singles<Records>(wallNos, GetOneWallRsl); },
      [] { Edges r; return Answer{GetAllEdgeRsl(r), TakeBytes(r)}; },
      [&] { return Singles<Edges>(edgeNos, GetOneEdgeRsl); },
  };
  constexpr size_t kCalls = sizeof calls / sizeof calls[0];
  std::vector<Answer> want;
  for (const auto& call : calls) {
    want.push_back(call());
    ASSERT_EQ(want.back().ok, 1) << want.size() - 1;
  }
  ASSERT_TRUE(alerts.empty());

  std::atomic<int> wrong[kCalls] = {}, fine{0}, writeErrors{0};
  const auto fixtureHandler = chkrsl::host::SetAlertHandler(
      [&](const char* gbk) { writeErrors += chkrsl::GbkToUtf8(gbk) == "写文件时发生错误!"; });
  std::vector<std::thread> threads;
  threads.emplace_back([&] {
    for (int k = 0; k < 24; ++k) {
      WriteCHKResult(recs);
      WriteCHKResult_Wall(walls);
      if (k % 3 == 0) AgeFiles();  // the indexes made from now on are kept
    }
  });
  for (size_t t = 0; t < 4; ++t) {
    threads.emplace_back([&, t] {
      for (size_t i = 0; i < 40; ++i) {
        if ((i + t) % 6 == 0) chkrsl::host::DropEntryIndexes();
        const size_t c = (i * 3 + t) % kCalls;
        const Answer got = calls[c]();
        if (!Fits(got, want[c])) ++wrong[c];
        fine += got.ok;
      }
    });
  }
  for (std::thread& t : threads) t.join();
  chkrsl::host::SetAlertHandler(fixtureHandler);
  for (size_t c = 0; c < kCalls; ++c) EXPECT_EQ(wrong[c].load(), 0) << "call " << c;
  EXPECT_GT(fine.load(), 0);
  EXPECT_EQ(writeErrors.load(), 0);
}

// A write of the result files waits for the read under way, so that no read
// takes bytes of two writes: the read stops where it asks for "CHKTT" and
// looks for the write to end meanwhile.
TEST_F(Concurrency, AWriteWaitsForTheReadUnderWay) {
  MakeProject();
  std::atomic<bool> inside{false}, written{false}, sawWrite{false};
  std::thread::id reader;
  chkrsl::host::SetPathObserver([&](const char* ext) {
    if (std::this_thread::get_id() != reader || std::string(ext) != "CHKTT") return;
    inside = true;
    for (int i = 0; i < 50 && !written; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(4));
    sawWrite = written.load();
  });
  std::thread read([&] {
    reader = std::this_thread::get_id();
    Records r;
    GetAllEleRsl(r);
    chkrsl::DeleteAllRecords(r);
  });
  while (!inside) std::this_thread::yield();
  std::thread write([&] {
    WriteCHKResult(recs);
    written = true;
  });
  read.join();
  write.join();
  chkrsl::host::SetPathObserver(nullptr);
  EXPECT_FALSE(sawWrite.load());
}

}  // namespace
