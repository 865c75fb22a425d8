#include "concrete_commands.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <utility>

#include "chkrsl/internal.h"
#include "field_output.h"
#include "project_loader.h"
#include "verify_command.h"

namespace chkrsl_cli {
namespace {

using WallArray = CTypedPtrArray<CPtrArray, CHKRsl*>;
using EdgeArray = CTypedPtrArray<CPtrArray, DataForWallEdge*>;
using Values = std::vector<std::pair<std::string, double>>;

void AddArray(Values& v, const char* name, const double* d, int n) {
  for (int i = 0; i < n; ++i)
    v.emplace_back(std::string(name) + "[" + std::to_string(i) + "]", d[i]);
}

// The host's display structures as named values, in the host's order.
Values Describe(const ShowConcreteFrameStl& s) {
  Values v{{"memberClass", s.memberClass}};
  AddArray(v, "beamAtSections", s.beamAtSections, 3);
  AddArray(v, "rectBeamAtSections", s.rectBeamAtSections, 3);
  AddArray(v, "columnValues", s.columnValues, 6);
  AddArray(v, "endsOrPairedMaxima", s.endsOrPairedMaxima, 3);
  AddArray(v, "extraValues", s.extraValues, 2);
  AddArray(v, "extraColumnValues", s.extraColumnValues, 2);
  v.emplace_back("checked", s.checked);
  return v;
}

Values Describe(const ShowShearWallStl& s) {
  return {{"dRsl2Scaled", s.dRsl2Scaled}, {"dRsl6Scaled", s.dRsl6Scaled}, {"checked", s.checked}};
}

Values Describe(const ShowBoundMemStl& s) {
  return {{"flag", s.flag},
          {"code", s.code},
          {"dRsl4Scaled", s.dRsl4Scaled},
          {"dRsl5Scaled", s.dRsl5Scaled},
          {"dRsl2Scaled", s.dRsl2Scaled},
          {"dRsl3Scaled", s.dRsl3Scaled},
          {"dRsl6Scaled", s.dRsl6Scaled},
          {"dRsl7Scaled", s.dRsl7Scaled},
          {"dRsl8Scaled", s.dRsl8Scaled},
          {"dRsl9Scaled", s.dRsl9Scaled},
          {"dRsl10Scaled", s.dRsl10Scaled},
          {"dRsl11", s.dRsl11},
          {"dRsl13Scaled", s.dRsl13Scaled},
          {"dRsl12Scaled", s.dRsl12Scaled},
          {"dRsl16", s.dRsl16},
          {"dRsl14", s.dRsl14},
          {"dRsl15", s.dRsl15}};
}

void PrintValues(const Output& o, JsonWriter& json, const char* label, int number,
                 const Values& values) {
  if (o.json) {
    json.BeginObject().Key(label).Int(number);
    for (const auto& [name, v] : values) json.Key(name).Double(v);
    json.EndObject();
    return;
  }
  o.out << label << " " << number << "\n";
  for (const auto& [name, v] : values) o.out << "  " << name << " = " << FormatDouble(v) << "\n";
}

AcIntArray ToAcArray(const std::vector<int>& numbers) {
  AcIntArray out;
  for (int n : numbers) out.append(n);
  return out;
}

template <class Info>
void PrintInfo(bool (*get)(AcIntArray&, Info*&), const char* label, const std::vector<int>& numbers,
               const Output& o) {
  AcIntArray ac = ToAcArray(numbers);
  Info* info = nullptr;
  if (!get(ac, info)) {
    o.err << "chkrsl: no display info for the " << label << "s whose results were read\n";
    o.alerts.Say(std::string(label) + "s");
    return;
  }
  JsonWriter json(o.out);
  if (o.json) json.BeginObject().Key("info").BeginArray();
  for (size_t i = 0; i < numbers.size(); ++i)
    PrintValues(o, json, label, numbers[i], Describe(info[i]));
  if (o.json) json.EndArray().EndObject().EndLine();
  ReleaseChkInfo(info);
}

// Says why wall (or edge) `number` has no readable result, then the alerts.
void SayAbsent(bool wall, int number, const Output& o) {
  const WallList list = ReadWallList();
  const std::string about = (wall ? "wall " : "edge ") + std::to_string(number);
  o.err << "chkrsl: " << about << " ";
  if (wall && std::find(list.walls.begin(), list.walls.end(), number) == list.walls.end()) {
    o.err << "is not in the wall list " << ProjectFile("CHKWT") << "\n";
  } else if (!wall && (number < 1 || number > list.edges)) {
    o.err << "is not among the edges 1.." << list.edges << " of the wall list "
          << ProjectFile("CHKWT") << "\n";
  } else {
    o.err << "has no readable result; 'chkrsl verify' says why\n";
  }
  o.alerts.Say(about);
}

// Whether the display info can answer for `number`; if not, says why.
bool Answerable(InfoKind kind, int number, const Output& o) {
  if (kind == InfoKind::kMember) {
    CHKRsl* got = nullptr;
    int structureKind = 0;
    if (!GetOneEleRsl(got, structureKind, number)) {
      SayUnreadable(number, o);
      return false;
    }
    std::unique_ptr<CHKRsl> rec(got);
    const auto* concrete = dynamic_cast<const DataForConcreteBase*>(rec.get());
    const ConcreteSubKind sub = concrete ? concrete->SubKind() : ConcreteSubKind::kNone;
    if (sub != ConcreteSubKind::kNone && sub != ConcreteSubKind::kWall) return true;
    o.err << "chkrsl: element " << number << " is not a concrete frame member (its record is "
          << chkrsl::RecordClassName(*rec) << (concrete ? " of a wall or unknown member kind" : "")
          << ")\n";
    return false;
  }
  const bool wall = kind == InfoKind::kWall;
  CHKRsl* wallRec = nullptr;
  DataForWallEdge* edgeRec = nullptr;
  const bool read = wall ? GetOneWallRsl(wallRec, number) : GetOneEdgeRsl(edgeRec, number);
  delete wallRec;
  delete edgeRec;
  if (!read) SayAbsent(wall, number, o);
  return read;
}

}  // namespace

int ListWalls(const Output& o) {
  WallArray walls;
  EdgeArray edges;
  const int status = GetAllBoardRsl(walls, edges) ? kExitOk : kExitNo;
  JsonWriter json(o.out);
  if (o.json) json.BeginObject().Key("walls").BeginArray();
  for (INT_PTR i = 0; i < walls.GetSize(); ++i) {
    const CHKRsl& w = *walls[i];
    if (o.json) {
      json.BeginObject().Key("wall").Int(w.eleNo).Key("class").String(chkrsl::RecordClassName(w));
      json.Key("checkStatus").Int(w.checkStatus).EndObject();
    } else {
      char row[96];
      std::snprintf(row, sizeof row, "wall %7d  %-25s  %6d\n", w.eleNo, chkrsl::RecordClassName(w),
                    w.checkStatus);
      o.out << row;
    }
  }
  if (o.json) json.EndArray().Key("edges").BeginArray();
  for (INT_PTR i = 0; i < edges.GetSize(); ++i) {
    const DataForWallEdge& e = *edges[i];
    if (o.json) {
      json.BeginObject().Key("edge").Int(e.edgeNo).Key("bFlag[0]").Int(e.bFlag[0]).EndObject();
    } else {
      o.out << "edge " << std::to_string(e.edgeNo) << "  bFlag[0]=" << std::to_string(e.bFlag[0])
            << "\n";
    }
  }
  if (o.json) json.EndArray().EndObject().EndLine();
  chkrsl::DeleteAllRecords(walls);
  chkrsl::DeleteAllEdges(edges);
  if (status != kExitOk) {
    o.err << "chkrsl: " << ProjectFile("CHKCW")
          << ": not every wall and edge is readable; 'chkrsl verify' says why\n";
    o.alerts.Say(ProjectFile("CHKCW"));
  }
  return status;
}

int ShowWall(int eleNo, const Output& o) {
  CHKRsl* got = nullptr;
  if (!GetOneWallRsl(got, eleNo)) {
    SayAbsent(true, eleNo, o);
    return kExitNo;
  }
  std::unique_ptr<CHKRsl> wall(got);
  PrintRecord(o.out, o.json, "wall", eleNo, 0, *wall);
  return kExitOk;
}

int ShowEdge(int edgeNo, const Output& o) {
  DataForWallEdge* got = nullptr;
  if (!GetOneEdgeRsl(got, edgeNo)) {
    SayAbsent(false, edgeNo, o);
    return kExitNo;
  }
  std::unique_ptr<DataForWallEdge> edge(got);
  PrintEdge(o.out, o.json, *edge);
  return kExitOk;
}

int PrintDisplayInfo(InfoKind kind, const std::vector<int>& numbers, const Output& o) {
  std::vector<int> answered;
  for (int n : numbers)
    if (Answerable(kind, n, o)) answered.push_back(n);
  if (!answered.empty()) {
    switch (kind) {
      case InfoKind::kMember: PrintInfo(GetCTMemberChkInfo, "member", answered, o); break;
      case InfoKind::kWall: PrintInfo(GetCTWallChkInfo, "wall", answered, o); break;
      case InfoKind::kEdge: PrintInfo(GetCTEdgeChkInfo, "edge", answered, o); break;
    }
  }
  return answered.size() == numbers.size() ? kExitOk : kExitNo;
}

}  // namespace chkrsl_cli
