#include "chkrsl/store/wall_readers.h"

#include "chkrsl/store/wall_reads.h"

#include <vector>

#include "chkrsl/format/edge_file.h"
#include "chkrsl/format/result_file.h"
#include "chkrsl/format/wall_list.h"
#include "chkrsl/records/concrete.h"
#include "chkrsl/store/call.h"
#include "chkrsl/store/element_reads.h"
#include "chkrsl/store/project_files.h"
#include "chkrsl/store/wanted_entries.h"
#include "chkrsl/texts/messages.h"

namespace chkrsl {
namespace {

// Reading a count takes one small block.
constexpr size_t kCountBlockBytes = 64;

using WallArray = CTypedPtrArray<CPtrArray, CHKRsl*>;
using EdgeArray = CTypedPtrArray<CPtrArray, DataForWallEdge*>;

// A record of "CHKCW" that is no wall is deleted.
bool KeepWall(CHKRsl*& rec) {
  if (IsWallRecord(rec)) return true;
  delete rec;
  rec = nullptr;
  return false;
}

// Reads the wanted walls from "CHKCW", forward; false after "墙体未验算!".
bool ReadWalls(const CArray<int, int>& wallNos, WallArray& walls, Alerts& alerts) {
  if (wallNos.IsEmpty()) return true;
  io::FileSource file;
  bool ok = OpenProjectFile("CHKCW", file, io::FileSource::kLoadBlockBytes);
  ResultCursor entries(file);
  for (INT_PTR i = 0; ok && i < wallNos.GetSize(); ++i) {
    CHKRsl* rec = nullptr;
    ok = entries.ScanFor(wallNos[i]) && entries.number() == wallNos[i];
    const EntryOutcome got = ok ? entries.Read(kWallSecType, rec) : EntryOutcome::kMissing;
    if (got == EntryOutcome::kSectionChanged) alerts.Add(msg::kSectionChanged);
    ok = got == EntryOutcome::kRead && KeepWall(rec);
    if (ok) AddOwned(walls, rec);
  }
  if (!ok) alerts.Add(msg::kWallNotChecked);
  return ok;
}

// Reads the wanted edges from "Edge", forward; false after "边缘构件未验算!".
bool ReadEdges(const CArray<int, int>& edgeNos, EdgeArray& edges, Alerts& alerts) {
  if (edgeNos.IsEmpty()) return true;
  io::FileSource file;
  bool ok = OpenProjectFile("Edge", file, io::FileSource::kLoadBlockBytes);
  EdgeCursor cursor(file);
  for (INT_PTR i = 0; ok && i < edgeNos.GetSize(); ++i) {
    DataForWallEdge* edge = nullptr;
    ok = cursor.ScanFor(edgeNos[i]) && cursor.number() == edgeNos[i] && (edge = cursor.Read());
    if (ok) AddOwned(edges, edge);
  }
  if (!ok) alerts.Add(msg::kEdgeNotChecked);
  return ok;
}

// "CHKWT", or false after "单元未验算!" when there is none.
bool ReadList(WallList& list, Alerts& alerts) {
  io::FileSource file;
  if (!OpenProjectFile("CHKWT", file, io::FileSource::kLoadBlockBytes)) {
    alerts.Add(msg::kNotChecked);
    return false;
  }
  ReadWallList(file, list);
  return true;
}

// Whether "Edge" is large enough to hold `count` edges; the numbers 1 to
// E are only listed once it is, so a corrupt E allocates nothing.
bool EdgeFileCanHold(int count) {
  io::FileSource file;
  int32_t declared = 0;
  return OpenProjectFile("Edge", file, kCountBlockBytes) && io::ReadI32(file, declared) &&
         io::CountFits(file, count, kEdgeEntryBytes);
}

}  // namespace

bool IsWallRecord(const CHKRsl* rec) { return dynamic_cast<const DataForConcreteBase*>(rec) != nullptr; }

void DeleteAllEdges(EdgeArray& edges) {
  for (INT_PTR i = 0; i < edges.GetSize(); ++i) delete edges[i];
  edges.RemoveAll();
}

int ReadWallsAndEdges(const CArray<int, int>& wallNos, const CArray<int, int>& edgeNos,
                      WallArray& walls, EdgeArray& edges, Alerts& alerts) {
  const bool ok = ReadWalls(wallNos, walls, alerts) && ReadEdges(edgeNos, edges, alerts);
  if (!ok) {
    DeleteAllRecords(walls);
    DeleteAllEdges(edges);
  }
  return ok ? 1 : 0;
}

int ReadAllWalls(WallArray& walls, Alerts& alerts) {
  WallList list;
  if (!ReadList(list, alerts)) return 0;
  if (!list.wallsRead) {
    alerts.Add(msg::kWallNotChecked);
    DeleteAllRecords(walls);
    return 0;
  }
  EdgeArray noEdges;
  return ReadWallsAndEdges(list.walls, CArray<int, int>(), walls, noEdges, alerts);
}

int ReadAllEdges(EdgeArray& edges, Alerts& alerts) {
  WallList list;
  if (!ReadList(list, alerts)) return 0;
  if (!list.edgesRead || (list.edges > 0 && !EdgeFileCanHold(list.edges))) {
    alerts.Add(msg::kEdgeNotChecked);
    DeleteAllEdges(edges);
    return 0;
  }
  CArray<int, int> edgeNos;
  edgeNos.SetSize(list.edges);
  for (int i = 0; i < list.edges; ++i) edgeNos[i] = i + 1;
  WallArray noWalls;
  return ReadWallsAndEdges(CArray<int, int>(), edgeNos, noWalls, edges, alerts);
}

namespace {

std::vector<WantedEntry> WantedWalls(const CArray<int, int>& elementNos) {
  std::vector<WantedEntry> wants(static_cast<size_t>(elementNos.GetSize()));
  std::vector<WantedEntry*> each;
  for (size_t i = 0; i < wants.size(); ++i) {
    wants[i].eleNo = elementNos[static_cast<INT_PTR>(i)];
    wants[i].expectedSecType = kWallSecType;
    each.push_back(&wants[i]);
  }
  ReadWantedEntries("CHKCW", each);
  for (WantedEntry& w : wants) {
    if (w.outcome == EntryOutcome::kRead && !IsWallRecord(w.rec.get())) {
      w.rec.reset();  // the wall file holds concrete records only
      w.outcome = EntryOutcome::kMissing;
    }
  }
  return wants;
}

}  // namespace

// One pass over "CHKCW" for all numbers; the first failure ends the list
// as it always did, and what was read for later numbers is deleted. The
// message comes before any record is handed out.
int ReadWallsOf(WallArray& walls, const CArray<int, int>& elementNos, Alerts& alerts) {
  walls.SetSize(elementNos.GetSize());
  std::vector<WantedEntry> wants = WantedWalls(elementNos);
  size_t read = 0;
  while (read < wants.size() && wants[read].outcome == EntryOutcome::kRead) ++read;
  if (read < wants.size()) ShowWhyNotRead(wants[read], alerts, msg::kWallNotChecked);
  for (size_t i = 0; i < read; ++i) walls[static_cast<INT_PTR>(i)] = wants[i].rec.release();
  return read == wants.size() ? 1 : 0;
}

int ReadEdgesOf(EdgeArray& edges, const CArray<int, int>& edgeNos, Alerts& alerts) {
  edges.SetSize(edgeNos.GetSize());
  std::vector<WantedEdge> wants(static_cast<size_t>(edgeNos.GetSize()));
  for (size_t i = 0; i < wants.size(); ++i) wants[i].edgeNo = edgeNos[static_cast<INT_PTR>(i)];
  size_t read = 0;
  if (ReadWantedEdges(wants)) {
    while (read < wants.size() && wants[read].edge) ++read;
  }
  if (read < wants.size()) alerts.Add(msg::kEdgeNotChecked);
  for (size_t i = 0; i < read; ++i) edges[static_cast<INT_PTR>(i)] = wants[i].edge.release();
  return read == wants.size() ? 1 : 0;
}

}  // namespace chkrsl

using chkrsl::Alerts;
using chkrsl::EdgeArray;
using chkrsl::ReadCall;
using chkrsl::WallArray;

int GetAllWallRsl(WallArray& walls) {
  return ReadCall([&](Alerts& alerts) { return chkrsl::ReadAllWalls(walls, alerts); },
                  [&] { chkrsl::DeleteAllRecords(walls); });
}

int GetAllEdgeRsl(EdgeArray& edges) {
  return ReadCall([&](Alerts& alerts) { return chkrsl::ReadAllEdges(edges, alerts); },
                  [&] { chkrsl::DeleteAllEdges(edges); });
}

int GetAllBoardRsl(WallArray& walls, EdgeArray& edges) {
  bool edgesBegun = false;
  return ReadCall(
      [&](Alerts& alerts) {
        if (!chkrsl::ReadAllWalls(walls, alerts)) return 0;
        edgesBegun = true;
        if (chkrsl::ReadAllEdges(edges, alerts)) return 1;
        // Both arrays are emptied on failure, as a single read of both would.
        chkrsl::DeleteAllRecords(walls);
        return 0;
      },
      [&] {
        chkrsl::DeleteAllRecords(walls);
        if (edgesBegun) chkrsl::DeleteAllEdges(edges);
      });
}

int GetOneWallRsl(CHKRsl*& wall, int elementNo) {
  return ReadCall([&](Alerts& alerts) {
    CArray<int, int> one;
    one.Add(elementNo);
    WallArray got;
    if (!chkrsl::ReadWallsOf(got, one, alerts)) return 0;
    wall = got[0];
    return 1;
  });
}

int GetOneEdgeRsl(DataForWallEdge*& edge, int edgeNo) {
  return ReadCall([&](Alerts& alerts) {
    CArray<int, int> one;
    one.Add(edgeNo);
    EdgeArray got;
    if (!chkrsl::ReadEdgesOf(got, one, alerts)) return 0;
    edge = got[0];
    return 1;
  });
}

int GetAllWallRsl(WallArray& walls, CArray<int, int>& elementNos) {
  return ReadCall([&](Alerts& alerts) { return chkrsl::ReadWallsOf(walls, elementNos, alerts); });
}

int GetAllEdgeRsl(EdgeArray& edges, CArray<int, int>& edgeNos) {
  return ReadCall([&](Alerts& alerts) { return chkrsl::ReadEdgesOf(edges, edgeNos, alerts); });
}
