#include "chkrsl/store/wall_readers.h"

#include <optional>
#include <vector>

#include "chkrsl/io/file_io.h"
#include "chkrsl/platform/acad.h"
#include "chkrsl/records/concrete.h"
#include "chkrsl/store/element_readers.h"
#include "chkrsl/store/entry_scanner.h"
#include "chkrsl/store/wanted_entries.h"
#include "chkrsl/texts/messages.h"

namespace chkrsl {
namespace {

constexpr int kWallSecType = 29;
constexpr int64_t kEdgeEntryBytes = io::kInt32Bytes + DataForWallEdge::kPayloadBytes;

using WallArray = CTypedPtrArray<CPtrArray, CHKRsl*>;
using EdgeArray = CTypedPtrArray<CPtrArray, DataForWallEdge*>;

// Reads the wanted walls from "CHKCW"; false after "墙体未验算!".
bool ReadWalls(const CArray<int, int>& wallNos, WallArray& walls) {
  if (wallNos.IsEmpty()) return true;
  ResultFile rf;
  rf.file = OpenProjectFile("CHKCW", nullptr, 0);
  bool ok = rf.file != nullptr;
  std::optional<io::ReadAhead> ahead;
  if (ok) ahead.emplace(rf.file, io::kLoadBlockBytes);
  if (ok) rf.ReadCount();
  for (INT_PTR i = 0; ok && i < wallNos.GetSize(); ++i) {
    CHKRsl* rec = nullptr;
    ok = ReadEleRslEntry(rec, rf, wallNos[i], kWallSecType) == 1;
    // The wall file holds concrete records only; anything else is no wall.
    if (ok && !dynamic_cast<DataForConcreteBase*>(rec)) {
      delete rec;
      ok = false;
    }
    if (ok) walls.Add(rec);
  }
  ahead.reset();
  rf.Close();
  if (!ok) AlertUtf8(msg::kWallNotChecked);
  return ok;
}

// "Edge" during one read, scanned forward like a result file.
struct EdgeFile {
  std::FILE* file = nullptr;
  std::optional<io::ReadAhead> ahead;
  int count = 0;
  int consumed = 0;

  bool Open() {
    file = OpenProjectFile("Edge", nullptr, 0);
    if (!file) return false;
    ahead.emplace(file, io::kLoadBlockBytes);
    int32_t n = 0;
    // An unsound count reads as an empty file: every wanted edge is missing.
    if (io::ReadI32(file, n) && io::CountFits(file, n, kEdgeEntryBytes)) count = n;
    return true;
  }
  ~EdgeFile() {
    ahead.reset();
    if (file) std::fclose(file);
  }

  // The record of edgeNo, or null when the file has no whole entry for it.
  DataForWallEdge* Find(int edgeNo) {
    int32_t number = 0;
    for (;;) {
      if (consumed >= count) return nullptr;
      ++consumed;
      if (!io::ReadI32(file, number)) return nullptr;
      if (number >= edgeNo) break;
      if (!io::SkipForward(file, DataForWallEdge::kPayloadBytes)) return nullptr;
    }
    if (number != edgeNo) return nullptr;
    auto* edge = new DataForWallEdge;
    edge->edgeNo = number;
    if (edge->ReadRsl(file)) return edge;
    delete edge;
    return nullptr;
  }
};

// Reads the wanted edges from "Edge"; false after "边缘构件未验算!".
bool ReadEdges(const CArray<int, int>& edgeNos, EdgeArray& edges) {
  if (edgeNos.IsEmpty()) return true;
  EdgeFile ef;
  bool ok = ef.Open();
  for (INT_PTR i = 0; ok && i < edgeNos.GetSize(); ++i) {
    DataForWallEdge* edge = ef.Find(edgeNos[i]);
    ok = edge != nullptr;
    if (ok) edges.Add(edge);
  }
  if (!ok) AlertUtf8(msg::kEdgeNotChecked);
  return ok;
}

// The wall numbers of "CHKWT", read from its start. False for a count that
// is negative, larger than the file holds, or a file that ends early.
bool ReadWallNumbers(std::FILE* f, CArray<int, int>& wallNos) {
  int32_t w = 0;
  if (!io::ReadI32(f, w) || !io::CountFits(f, w, io::kInt32Bytes)) return false;
  std::vector<uint8_t> bytes(static_cast<size_t>(w) * io::kInt32Bytes);
  if (!io::ReadExact(f, bytes.data(), bytes.size())) return false;
  wallNos.SetSize(w);
  for (int32_t i = 0; i < w; ++i) wallNos[i] = io::DecodeFixed32(&bytes[i * io::kInt32Bytes]);
  return true;
}

// E of "CHKWT": after W and the W wall numbers.
bool ReadEdgeCount(std::FILE* f, int& edgeCount) {
  int32_t w = 0, e = 0;
  if (!io::ReadI32(f, w) || w < 0 || !io::SkipForward(f, int64_t{w} * io::kInt32Bytes) ||
      !io::ReadI32(f, e) || e < 0) {
    return false;
  }
  edgeCount = e;
  return true;
}

// Whether "Edge" is large enough to hold `count` edges; the numbers 1 to
// E are only listed once it is, so a corrupt E allocates nothing.
bool EdgeFileCanHold(int count) {
  std::FILE* f = OpenProjectFile("Edge");
  if (!f) return false;
  int32_t declared = 0;
  const bool fits = io::ReadI32(f, declared) && io::CountFits(f, count, kEdgeEntryBytes);
  std::fclose(f);
  return fits;
}

}  // namespace

void DeleteAllEdges(EdgeArray& edges) {
  for (INT_PTR i = 0; i < edges.GetSize(); ++i) delete edges[i];
  edges.RemoveAll();
}

int ReadWallsAndEdges(const CArray<int, int>& wallNos, const CArray<int, int>& edgeNos,
                      WallArray& walls, EdgeArray& edges) {
  const bool ok = ReadWalls(wallNos, walls) && ReadEdges(edgeNos, edges);
  if (!ok) {
    DeleteAllRecords(walls);
    DeleteAllEdges(edges);
  }
  return ok ? 1 : 0;
}

}  // namespace chkrsl

using chkrsl::EdgeArray;
using chkrsl::WallArray;

int GetAllWallRsl(WallArray& walls) {
  std::FILE* f = chkrsl::OpenProjectFile("CHKWT");
  if (!f) {
    chkrsl::AlertUtf8(chkrsl::msg::kNotChecked);
    return 0;
  }
  CArray<int, int> wallNos;
  const bool listed = chkrsl::ReadWallNumbers(f, wallNos);
  std::fclose(f);
  if (!listed) {
    chkrsl::AlertUtf8(chkrsl::msg::kWallNotChecked);
    chkrsl::DeleteAllRecords(walls);
    return 0;
  }
  EdgeArray noEdges;
  return chkrsl::ReadWallsAndEdges(wallNos, CArray<int, int>(), walls, noEdges);
}

int GetAllEdgeRsl(EdgeArray& edges) {
  std::FILE* f = chkrsl::OpenProjectFile("CHKWT");
  if (!f) {
    chkrsl::AlertUtf8(chkrsl::msg::kNotChecked);
    return 0;
  }
  int edgeCount = 0;
  const bool listed = chkrsl::ReadEdgeCount(f, edgeCount);
  std::fclose(f);
  if (!listed || (edgeCount > 0 && !chkrsl::EdgeFileCanHold(edgeCount))) {
    chkrsl::AlertUtf8(chkrsl::msg::kEdgeNotChecked);
    chkrsl::DeleteAllEdges(edges);
    return 0;
  }
  CArray<int, int> edgeNos;
  edgeNos.SetSize(edgeCount);
  for (int i = 0; i < edgeCount; ++i) edgeNos[i] = i + 1;
  WallArray noWalls;
  return chkrsl::ReadWallsAndEdges(CArray<int, int>(), edgeNos, noWalls, edges);
}

int GetAllBoardRsl(WallArray& walls, EdgeArray& edges) {
  if (!GetAllWallRsl(walls)) return 0;
  if (GetAllEdgeRsl(edges)) return 1;
  // Both arrays are emptied on failure, as a single read of both would.
  chkrsl::DeleteAllRecords(walls);
  return 0;
}

namespace chkrsl {

int GetOneWallRslByScan(CHKRsl*& wall, int elementNo) {
  CArray<int, int> one;
  one.Add(elementNo);
  WallArray walls;
  EdgeArray noEdges;
  if (!ReadWallsAndEdges(one, CArray<int, int>(), walls, noEdges)) return 0;
  wall = walls[0];
  return 1;
}

int GetOneEdgeRslByScan(DataForWallEdge*& edge, int edgeNo) {
  CArray<int, int> one;
  one.Add(edgeNo);
  WallArray noWalls;
  EdgeArray edges;
  if (!ReadWallsAndEdges(CArray<int, int>(), one, noWalls, edges)) return 0;
  edge = edges[0];
  return 1;
}

int GetAllWallRslByScan(WallArray& walls, CArray<int, int>& elementNos) {
  walls.SetSize(elementNos.GetSize());
  for (INT_PTR i = 0; i < elementNos.GetSize(); ++i) {
    if (!GetOneWallRslByScan(walls[i], elementNos[i])) return 0;
  }
  return 1;
}

int GetAllEdgeRslByScan(EdgeArray& edges, CArray<int, int>& edgeNos) {
  edges.SetSize(edgeNos.GetSize());
  for (INT_PTR i = 0; i < edgeNos.GetSize(); ++i) {
    if (!GetOneEdgeRslByScan(edges[i], edgeNos[i])) return 0;
  }
  return 1;
}

namespace {

std::vector<WantedEntry> WantedWalls(const CArray<int, int>& elementNos) {
  std::vector<WantedEntry> wants(static_cast<size_t>(elementNos.GetSize()));
  std::vector<WantedEntry*> all;
  for (size_t i = 0; i < wants.size(); ++i) {
    wants[i].eleNo = elementNos[static_cast<INT_PTR>(i)];
    wants[i].expectedSecType = kWallSecType;
    all.push_back(&wants[i]);
  }
  ReadWantedEntries("CHKCW", all);
  return wants;
}

// Hands out a wall that was read (1), or shows why not (0).
int ReportWall(WantedEntry& w, CHKRsl*& wall) {
  // The wall file holds concrete records only; anything else is no wall.
  if (w.outcome == EntryOutcome::kRead && !dynamic_cast<DataForConcreteBase*>(w.rec)) {
    delete w.rec;
    w.outcome = EntryOutcome::kMissing;
  }
  return Report(w, wall, msg::kWallNotChecked);
}

std::vector<WantedEdge> WantedEdges(const CArray<int, int>& edgeNos, bool& opened) {
  std::vector<WantedEdge> wants(static_cast<size_t>(edgeNos.GetSize()));
  std::vector<WantedEdge*> all;
  for (size_t i = 0; i < wants.size(); ++i) {
    wants[i].edgeNo = edgeNos[static_cast<INT_PTR>(i)];
    all.push_back(&wants[i]);
  }
  opened = ReadWantedEdges(all);
  return wants;
}

}  // namespace
}  // namespace chkrsl

int GetOneWallRsl(CHKRsl*& wall, int elementNo) {
  CArray<int, int> one;
  one.Add(elementNo);
  std::vector<chkrsl::WantedEntry> wants = chkrsl::WantedWalls(one);
  return chkrsl::ReportWall(wants[0], wall);
}

int GetOneEdgeRsl(DataForWallEdge*& edge, int edgeNo) {
  CArray<int, int> one;
  one.Add(edgeNo);
  CTypedPtrArray<CPtrArray, DataForWallEdge*> got;
  if (!GetAllEdgeRsl(got, one)) return 0;
  edge = got[0];
  return 1;
}

// One pass over "CHKCW" for all numbers; the first failure ends the list
// as it always did, and what was read for later numbers is deleted.
int GetAllWallRsl(WallArray& walls, CArray<int, int>& elementNos) {
  walls.SetSize(elementNos.GetSize());
  std::vector<chkrsl::WantedEntry> wants = chkrsl::WantedWalls(elementNos);
  for (size_t i = 0; i < wants.size(); ++i) {
    if (chkrsl::ReportWall(wants[i], walls[static_cast<INT_PTR>(i)])) continue;
    for (size_t j = i + 1; j < wants.size(); ++j) delete wants[j].rec;
    return 0;
  }
  return 1;
}

int GetAllEdgeRsl(EdgeArray& edges, CArray<int, int>& edgeNos) {
  edges.SetSize(edgeNos.GetSize());
  bool opened = false;
  std::vector<chkrsl::WantedEdge> wants = chkrsl::WantedEdges(edgeNos, opened);
  for (size_t i = 0; i < wants.size(); ++i) {
    if (opened && wants[i].edge) {
      edges[static_cast<INT_PTR>(i)] = wants[i].edge;
      continue;
    }
    chkrsl::AlertUtf8(chkrsl::msg::kEdgeNotChecked);
    for (size_t j = i + 1; j < wants.size(); ++j) delete wants[j].edge;
    return 0;
  }
  return 1;
}
