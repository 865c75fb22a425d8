#include "purlin_fields.h"

#include <filesystem>

#include "chkrsl/internal.h"

namespace chkrsl_cli {
namespace {

using Values = std::vector<std::pair<std::string, double>>;

Values Describe(const PurlineDesData& d) {
  return {{"steelGrade", d.steelGrade},
          {"panelKind", d.panelKind},
          {"fastenersPerMetre", d.fastenersPerMetre},
          {"panelInertia", d.panelInertia},
          {"roofSlope", d.roofSlope},
          {"span", d.span},
          {"spacing", d.spacing},
          {"sagRods", d.sagRods},
          {"purlinForm", d.purlinForm},
          {"beamKind", d.beamKind},
          {"strengthRequested", d.strengthRequested},
          {"stabilityRequested", d.stabilityRequested},
          {"windSuctionRequested", d.windSuctionRequested},
          {"deadLoad", d.deadLoad},
          {"liveLoad", d.liveLoad},
          {"maintenanceLoad", d.maintenanceLoad},
          {"buildingForm", d.buildingForm},
          {"zone", d.zone},
          {"basicWindPressure", d.basicWindPressure},
          {"heightCoef", d.heightCoef},
          {"shapeCoef", d.shapeCoef},
          {"windwardCoef", d.windwardCoef},
          {"leewardCoef", d.leewardCoef}};
}

void AddBlock(Values& v, const std::string& name, const PurlineCheckBlock& b) {
  const std::pair<const char*, double> fields[] = {
      {"ratio", b.ratio},   {"M2", b.M2},         {"M3", b.M3},           {"combNo", b.combNo},
      {"combTag", b.combTag}, {"effFlag", b.effFlag}, {"eff.Ae", b.eff.Ae}, {"eff.I2e", b.eff.I2e},
      {"eff.I3e", b.eff.I3e}, {"eff.We2t", b.eff.We2t}, {"eff.We2b", b.eff.We2b},
      {"eff.We3t", b.eff.We3t}, {"eff.We3b", b.eff.We3b}};
  for (const auto& [field, value] : fields) v.emplace_back(name + "." + field, value);
}

Values Describe(const PurlineChkData& c) {
  Values v{{"A", c.A},
           {"I2", c.I2},
           {"I3", c.I3},
           {"sectionExtra[0]", c.sectionExtra[0]},
           {"sectionExtra[1]", c.sectionExtra[1]},
           {"f", c.f},
           {"fy", c.fy},
           {"fCold", c.fCold},
           {"W2t", c.W2t},
           {"W2b", c.W2b},
           {"W3t", c.W3t},
           {"W3b", c.W3b},
           {"strengthDone", c.strengthDone},
           {"stabilityDone", c.stabilityDone},
           {"windSuctionDone", c.windSuctionDone}};
  AddBlock(v, "strength", c.strength);
  v.emplace_back("chi", c.chi);
  v.emplace_back("myLateral", c.myLateral);
  AddBlock(v, "stability", c.stability);
  v.emplace_back("phiB", c.phiB);
  AddBlock(v, "windSuction", c.windSuction);
  v.emplace_back("deflectionN", c.deflectionN);
  v.emplace_back("deflectionLimit", c.deflectionLimit);
  return v;
}

}  // namespace

PurlinFields ReadPurlinFields() {
  PurlinFields parts{{{"roof", "Dlg_DesWLT", "PurlineDesData", false, {}},
                      {"wall", "Dlg_DesQLT", "PurlineDesData", false, {}},
                      {"check", "PCR", "PurlineChkData", false, {}}}};
  MyPerDocData& doc = *GetQMpDoc();
  const int kind = doc.purlinKind;
  for (int k : {kRoofPurlin, kWallPurlin}) {
    PurlinPart& part = parts[k == kRoofPurlin ? 0 : 1];
    doc.purlinKind = k;
    PurlineDesData des;
    part.present = ReadPurlineDesData(des);
    part.values = Describe(des);
  }
  doc.purlinKind = kind;
  // The reader alerts when the file is missing; a project without a purlin
  // design has none.
  PurlineChkData chk;
  parts[2].present = std::filesystem::exists(chkrsl::host::ProjectFilePath("PCR")) &&
                     ReadPurlineChkData(chk);
  parts[2].values = Describe(chk);
  return parts;
}

}  // namespace chkrsl_cli
