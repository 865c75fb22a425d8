#include "purlin_commands.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <ostream>

#include "chkrsl/internal.h"
#include "json_writer.h"
#include "project_loader.h"

namespace chkrsl_cli {

namespace {

// The clause text of `ruleCode` alone: a NaN ratio gets no verdict.
std::string ClauseText(PlateKind plate, int ruleCode) {
  CString text;
  if (plate == PlateKind::kWeb) {
    GetWRuleStr(ruleCode, std::nan(""), text, false);
  } else {
    GetFRuleStr(ruleCode, std::nan(""), text);
  }
  return text.str();
}

}  // namespace

int PrintRule(PlateKind plate, int ruleCode, double ratio, bool useEffective, const Output& o) {
  const char* plateName = plate == PlateKind::kWeb ? "web" : "flange";
  if (ClauseText(plate, ruleCode).empty()) {
    o.err << "chkrsl: rule code " << ruleCode << " has no " << plateName << " clause\n";
    return kExitUsage;
  }
  if (!std::isfinite(ratio)) {
    o.err << "chkrsl: the ratio must be a finite number\n";
    return kExitUsage;
  }
  CString text;
  const bool pass = plate == PlateKind::kWeb ? GetWRuleStr(ruleCode, ratio, text, useEffective)
                                             : GetFRuleStr(ruleCode, ratio, text);
  const std::string clause = chkrsl::GbkToUtf8(text.str());
  if (o.json) {
    JsonWriter w(o.out);
    w.BeginObject().Key("plate").String(plateName).Key("code").Int(ruleCode);
    w.Key("ratio").Double(ratio).Key("effective").Bool(useEffective);
    w.Key("text").String(clause).Key("passes").Bool(pass).EndObject().EndLine();
  } else {
    o.out << clause << '\n' << (pass ? "passes" : "does not pass") << '\n';
  }
  return kExitOk;
}

namespace {

void AddCombination(const nlohmann::json& terms, MyPerDocData& doc) {
  QMLoadComb* comb = doc.AddLoadComb();
  for (const nlohmann::json& t : terms.get_ref<const nlohmann::json::array_t&>()) {
    comb->AddTerm(t.at("kind").get<int>(), t.value("case", 0), t.at("factor").get<double>(),
                  t.value("coef", 1.0));
  }
}

}  // namespace

bool LoadCombinationsJson(const std::string& path, MyPerDocData& doc, std::string& error) {
  doc.ClearLoadCombs();
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = "cannot read " + path;
    return false;
  }
  try {
    const nlohmann::json root = nlohmann::json::parse(in);
    for (const nlohmann::json& terms :
         root.at("combinations").get_ref<const nlohmann::json::array_t&>())
      AddCombination(terms, doc);
    return true;
  } catch (const nlohmann::json::exception& e) {
    doc.ClearLoadCombs();
    error = path + ": " + e.what();
    return false;
  }
}

namespace {

int PickPurlinKind(int requested) {
  if (requested != 0) return requested;
  return std::filesystem::exists(chkrsl::host::ProjectFilePath("Dlg_DesWLT")) ? kRoofPurlin
                                                                              : kWallPurlin;
}

bool LoadDocumentCombinations(const std::string& requested, std::ostream& err) {
  std::string path = requested;
  if (path.empty()) {
    path = chkrsl::host::ProjectFilePath("LoadComb.json");
    if (!std::filesystem::exists(path)) return true;  // a project without combinations
  }
  std::string error;
  if (LoadCombinationsJson(path, *GetQMpDoc(), error)) return true;
  err << error << '\n';
  return false;
}

}  // namespace

namespace {

constexpr char kNoReport[] =
    "no purlin report written (does the project hold a purlin design and its results?)\n";

// The report composed in memory and printed: nothing is written anywhere.
int PrintPurlinReport(int purlinKind, std::ostream& out, std::ostream& err) {
  PurlineDesData des;
  PurlineChkData chk;
  if (!ReadPurlineDesData(des) || !ReadPurlineChkData(chk)) {
    err << kNoReport;
    return 1;
  }
  chkrsl::ReportStream report;
  chkrsl::WritePurlinReport(report, des, chk, purlinKind,
                            chkrsl::CtimeText(chkrsl::CurrentWritingTime()));
  out << chkrsl::GbkToUtf8(report.bytes()) << '\n';
  return 0;
}

}  // namespace

int WritePurlinReport(const PurlinReportOptions& options, std::ostream& out, std::ostream& err) {
  if (!LoadDocumentCombinations(options.combinations, err)) return 1;
  MyPerDocData& doc = *GetQMpDoc();
  doc.purlinKind = PickPurlinKind(options.purlinKind);
  if (options.print) return PrintPurlinReport(doc.purlinKind, out, err);
  chkrsl::host::SetUserFolder(options.outputFolder);
  // The report is handed to the viewer only once it is written whole; the
  // tool opens it itself when asked to.
  std::string written;
  chkrsl::host::SetViewerLauncher([&written](const std::string& path) {
    written = path;
    return true;
  });
  const bool ok = WritePurlineRsl();
  chkrsl::host::SetViewerLauncher(nullptr);
  if (!ok) {
    err << kNoReport;
    return 1;
  }
  out << written << '\n';
  if (options.open && !OpenInNotepad(written.c_str())) {
    err << "the viewer could not be started on " << written << '\n';
    return 1;
  }
  return 0;
}

}  // namespace chkrsl_cli
