#include "concrete_commands.h"

#include <cstdio>
#include <memory>
#include <string>
#include <utility>

#include "chkrsl/internal.h"
#include "field_output.h"
#include "project_loader.h"

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
int PrintInfo(bool (*get)(AcIntArray&, Info*&), const char* label, const std::vector<int>& numbers,
              const Output& o) {
  AcIntArray ac = ToAcArray(numbers);
  Info* info = nullptr;
  if (!get(ac, info)) {
    o.err << "chkrsl: no display info: not every " << label << " has a readable result\n";
    return kExitNo;
  }
  JsonWriter json(o.out);
  if (o.json) json.BeginObject().Key("info").BeginArray();
  for (size_t i = 0; i < numbers.size(); ++i)
    PrintValues(o, json, label, numbers[i], Describe(info[i]));
  if (o.json) json.EndArray().EndObject().EndLine();
  ReleaseChkInfo(info);
  return kExitOk;
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
  if (status != kExitOk) o.err << "chkrsl: walls or edges not readable; 'chkrsl verify' says why\n";
  return status;
}

int ShowWall(int eleNo, const Output& o) {
  CHKRsl* got = nullptr;
  if (!GetOneWallRsl(got, eleNo)) {
    o.err << "chkrsl: wall " << eleNo << " has no readable result\n";
    return kExitNo;
  }
  std::unique_ptr<CHKRsl> wall(got);
  PrintRecord(o.out, o.json, "wall", eleNo, 0, *wall);
  return kExitOk;
}

int ShowEdge(int edgeNo, const Output& o) {
  DataForWallEdge* got = nullptr;
  if (!GetOneEdgeRsl(got, edgeNo)) {
    o.err << "chkrsl: edge " << edgeNo << " has no readable result\n";
    return kExitNo;
  }
  std::unique_ptr<DataForWallEdge> edge(got);
  PrintEdge(o.out, o.json, *edge);
  return kExitOk;
}

int PrintDisplayInfo(InfoKind kind, const std::vector<int>& numbers, const Output& o) {
  switch (kind) {
    case InfoKind::kMember: return PrintInfo(GetCTMemberChkInfo, "member", numbers, o);
    case InfoKind::kWall: return PrintInfo(GetCTWallChkInfo, "wall", numbers, o);
    case InfoKind::kEdge: return PrintInfo(GetCTEdgeChkInfo, "edge", numbers, o);
  }
  return kExitUsage;
}

}  // namespace chkrsl_cli
