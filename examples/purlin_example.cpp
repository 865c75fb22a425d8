#include "purlin_example.h"

#include <fstream>
#include <nlohmann/json.hpp>
#include <vector>

#include "chkrsl/internal.h"

namespace example {
namespace {

struct Term {
  int kind;
  int caseNo;
  double factor;
  double coef;
};
using Combination = std::vector<Term>;

// The document's load combinations are kept beside the project as JSON,
// the form in which the tool reads them.
bool WriteCombinations(const std::string& path, const std::vector<Combination>& combs) {
  nlohmann::json list = nlohmann::json::array();
  for (const Combination& c : combs) {
    nlohmann::json terms = nlohmann::json::array();
    for (const Term& t : c)
      terms.push_back(
          {{"kind", t.kind}, {"case", t.caseNo}, {"factor", t.factor}, {"coef", t.coef}});
    list.push_back(terms);
  }
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << nlohmann::json{{"combinations", list}}.dump(2) << '\n';
  return static_cast<bool>(out);
}

PurlineChkData CheckedSection() {
  PurlineChkData c;
  c.A = 748.0;
  c.I2 = 288300.0;
  c.I3 = 2883000.0;
  c.sectionExtra[0] = 61.4;
  c.sectionExtra[1] = 19.6;
  c.W2t = 15800.0;
  c.W2b = 6330.0;
  c.W3t = 36040.0;
  c.W3b = 36040.0;
  c.f = 205.0;
  c.fy = 235.0;
  c.fCold = 218.6;
  return c;
}

bool WriteRoofDesign() {
  PurlineDesData d;
  d.steelGrade = 0;
  d.fastenersPerMetre = 4;
  d.panelInertia = 180000.0;
  d.roofSlope = 0.1;
  d.span = 6.0;
  d.spacing = 1.5;
  d.sagRods = 1;
  d.purlinForm = 0;
  d.beamKind = 0;
  d.strengthRequested = d.stabilityRequested = d.windSuctionRequested = 1;
  d.deadLoad = 0.3;
  d.liveLoad = 0.5;
  d.maintenanceLoad = 1.0;
  d.zone = 0;
  d.basicWindPressure = 0.55;
  d.heightCoef = 1.0;
  d.shapeCoef = -1.3;

  PurlineChkData c = CheckedSection();
  c.strengthDone = c.stabilityDone = c.windSuctionDone = 1;
  c.strength = {0.82, 0.0, 6.1e6, 3, 1, 0, {}};
  c.chi = 0.78;
  c.myLateral = 2.4e5;
  c.stability = {0.93, 0.0, 6.1e6, 3, 1, 1, {702.5, 271000, 2790000, 15200, 6010, 34800, 34800}};
  c.phiB = 0.71;
  c.windSuction = {0.64, 0.0, -3.9e6, 0, 0, 0, {}};
  c.deflectionN = 231;
  c.deflectionLimit = 150;

  const std::vector<Combination> combs = {
      {{0, 0, 1.2, 1}, {1, 1, 1.4, 1}},
      {{0, 0, 1.0, 1}, {2, 1, 1.4, 1}},
      {{0, 0, 1.2, 1}, {1, 1, 1.4, 1}, {2, 1, 1.4, 0.6}},
  };
  return WritePurlineDesData(chkrsl::host::ProjectFilePath("Dlg_DesWLT").c_str(), d, kRoofPurlin) &&
         WritePurlineChkData(chkrsl::host::ProjectFilePath("PCR").c_str(), c) &&
         WriteCombinations(chkrsl::host::ProjectFilePath("LoadComb.json"), combs);
}

bool WriteWallDesign() {
  PurlineDesData d;
  d.steelGrade = 1;
  d.panelKind = 1;
  d.fastenersPerMetre = 3;
  d.panelInertia = 95000.0;
  d.span = 7.5;
  d.spacing = 1.2;
  d.sagRods = 2;
  d.purlinForm = 1;
  d.beamKind = 1;
  d.strengthRequested = 1;
  d.deadLoad = 0.15;
  d.buildingForm = 1;
  d.zone = 1;
  d.basicWindPressure = 0.45;
  d.heightCoef = 1.14;
  d.windwardCoef = 1.0;
  d.leewardCoef = -1.1;

  PurlineChkData c = CheckedSection();
  c.strengthDone = 1;
  c.strength = {1.03, 2.2e5, 5.4e6, 2, 2, 1, {655.0, 250100, 2604000, 14100, 5600, 32900, 32900}};
  c.deflectionN = 180;
  c.deflectionLimit = 180;

  const std::vector<Combination> combs = {
      {{0, 0, 1.2, 1}, {2, 1, 1.4, 1}},
      {{0, 0, 1.0, 1}, {2, 2, 1.4, 1}, {-1, 0, 1.3, 1}},
  };
  return WritePurlineDesData(chkrsl::host::ProjectFilePath("Dlg_DesQLT").c_str(), d, kWallPurlin) &&
         WritePurlineChkData(chkrsl::host::ProjectFilePath("PCR").c_str(), c) &&
         WriteCombinations(chkrsl::host::ProjectFilePath("LoadComb.json"), combs);
}

}  // namespace

std::string WallPurlinProjectName(const std::string& name) { return name + "_wall"; }

bool WritePurlinExample(const std::string& folder, const std::string& name) {
  bool ok = WriteRoofDesign();
  chkrsl::host::OpenProject(folder, WallPurlinProjectName(name));
  ok = WriteWallDesign() && ok;
  chkrsl::host::OpenProject(folder, name);
  return ok;
}

}  // namespace example
