// The tool's commands run through its command line, on the bundled example
// project and on damaged copies of it.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <cmath>
#include <filesystem>
#include <functional>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "chkrsl/internal.h"
#include "cli.h"
#include "project_loader.h"
#include "records/family_records.h"

namespace {

using chkrsl_test::Bytes;

const std::string kExample = std::string(CHKRSL_EXAMPLE_DIR) + "/example";

class ToolCli : public chkrsl_test::ProjectTest {
 protected:
  // Runs the tool; expects `status` and gives standard output and error.
  std::string Run(std::vector<std::string> args, int status, std::string* errText = nullptr) {
    std::ostringstream out, err;
    EXPECT_EQ(chkrsl_cli::RunCli(args, out, err), status) << args.back() << "\n" << err.str();
    if (errText) *errText = err.str();
    return out.str();
  }
  std::string Copy() const { return folder + "/proj"; }
};

TEST_F(ToolCli, CommandsAnswerWithTheirExitCodes) {
  const std::string p = kExample;
  const std::string table = p + ".CHKTT";
  struct Case {
    std::vector<std::string> args;
    int status;
    std::string out;  // fragments of standard output and error ("": not checked)
    std::string err = "";
    const char* projectVariable = nullptr;
  } cases[] = {
      {{"list", "-p", p}, 0, "    108     8  DataForHighBuild             1      -1  CHKHB\n"},
      {{"-p", p, "list", "--json"}, 0, R"({"element":3,"kind":6,"readable":true,"class":)"},
      {{"-p", p, "show", "108"}, 0, "  pEnergy.nEn[3] = -1\n"},
      {{"-p", p, "show", "110"}, 0, "  member.section[4].plate[9].dPlate[10] = "},
      {{"-p", p, "show", "11"}, 0, "  pRecBeam.listD[2].int1 = 179\n"},
      {{"-p", p, "show", "2", "--json"}, 0, R"("pSec":{"dHead[0]":)"},
      // The tool's message first, then the library's alert, each naming the element.
      {{"-p", p, "show", "999"}, 1, "",
       "chkrsl: element 999 is not in the element table " + table +
           "\nchkrsl: element 999: the library alerts: 单元未验算!\n"},
      {{"-p", p, "wall", "23", "--json"}, 0, R"({"wall":23,"class":"DataForConcreteBase")"},
      {{"-p", p, "wall", "22"}, 1, "", "chkrsl: wall 22 is not in the wall list " + p + ".CHKWT\n"},
      {{"-p", p, "edge", "3"}, 0, "edge 3  DataForWallEdge\n  edgeNo = 3\n"},
      {{"-p", p, "walls", "--json"}, 0, R"({"edge":4,"bFlag[0]":194})"},
      {{"-p", p, "info", "member", "16", "13"}, 0, "member 16\n  memberClass = 1\n  beamAtSec"},
      {{"-p", p, "info", "member", "4", "11", "999"}, 1, "member 11\n  memberClass = 1\n",
       "chkrsl: element 4 is not a concrete frame member (its record is DataForSteel)\n"
       "chkrsl: element 999 is not in the element table"},
      {{"-p", p, "info", "wall", "21", "--json"}, 0, R"({"info":[{"wall":21,"dRsl2Scaled":31.5,)"},
      {{"-p", p, "info", "edge", "9", "2"}, 1, "edge 2\n",
       "chkrsl: edge 9 is not among the edges 1..4 of the wall list"},
      {{"-p", p, "summary"}, 0, "not checked   status 1\n   0  DataForConcreteBase   "},
      {{"-p", p, "summary", "--json"}, 0, R"({"file":"CHKST","entries":3,"readable":3})"},
      {{"-p", p, "export", "--elements", "2-3,9", "--class", "DataForSteel"}, 0, "{\"element\":3"},
      {{"-p", p, "export", "--elements", "999"}, 1, "", "chkrsl: no record matches the selection\n"},
      {{"-p", p, "export", "--class", "NoSuch"}, 64, "",
       "NoSuch is not a record class; one of: DataForAluminiumAlloy, DataForConcreteBase, "},
      {{"-p", p, "export", "--kind", "99"}, 64, "", "one of: 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 18\n"},
      {{"-p", p, "export", "--output-dir", table + "/out"}, 2, "",
       "chkrsl: cannot make the folder " + table + "/out: "},
      {{"rule", "web", "2", "1.2"}, 0, "钢规5.4.2-1   不满足\ndoes not pass\n"},
      {{"rule", "flange", "2", "0.5", "--json"}, 0,
       R"({"plate":"flange","code":2,"ratio":0.5,"effective":false,"text":"钢规5.4.1-2   满足","passes":true})"},
      {{"rule", "web", "99", "0.5"}, 64, "", "chkrsl: rule code 99 has no web clause\n"},
      {{"rule", "web", "2", "nan"}, 64, "", "chkrsl: the ratio must be a finite number\n"},
      {{"show", "--help"}, 0, "Usage: chkrsl show [OPTIONS] element"},
      {{"--version"}, 0, "chkrsl "},
      {{"-p", table, "summary"}, 0, "DataForConcreteBase"},
      {{"summary"}, 0, "DataForConcreteBase", "", p.c_str()},
      {{"summary"}, 64, "", "no project given: name it with -p <folder>/<name>"},
      {{"-p", "/no/such/project", "list"}, 2, "", "chkrsl: cannot open /no/such/project.CHKTT: "},
      {{"diff", p, "/no/such/project"}, 2, "", "/no/such/project.CHKTT"},
      {{"-p", p, "export", "--elements", "5-x"}, 64, "", "--elements takes numbers and ranges"},
      {{"-p", p, "list", "--bogus"}, 64, "", "--bogus"},
  };
  for (const Case& c : cases) {
    chkrsl_test::SetEnv("CHKRSL_PROJECT", c.projectVariable);
    std::string err;
    const std::string out = Run(c.args, c.status, &err);
    EXPECT_NE(out.find(c.out), std::string::npos) << c.args.back() << "\n" << out;
    EXPECT_NE(err.find(c.err), std::string::npos) << c.args.back() << "\n" << err;
  }
  chkrsl_test::SetEnv("CHKRSL_PROJECT", nullptr);
}

TEST_F(ToolCli, VerifyAndExportNameFileOffsetElementAndProblemOfDamagedCopies) {
  const auto swapFirstTwoSteelEntries = [](Bytes& b) {
    // Elements 1 (743 bytes from offset 4) and 4 (945 bytes, with its energy record).
    Bytes swapped(b.begin(), b.begin() + 4);
    swapped.insert(swapped.end(), b.begin() + 747, b.begin() + 1692);
    swapped.insert(swapped.end(), b.begin() + 4, b.begin() + 747);
    swapped.insert(swapped.end(), b.begin() + 1692, b.end());
    b = swapped;
  };
  struct Case {
    const char* ext;
    std::function<void(Bytes&)> damage;  // null: the file is removed
    std::vector<const char*> lines;
    const char* exportProblem = nullptr;  // what export says it left out
    int verifyStatus = 1;
  } cases[] = {
      {"CHKST", [](Bytes& b) { b.resize(b.size() - 100); },
       {"proj.CHKST: offset 1692: entry 2 of element 5 cut short: it needs 743 bytes, the file",
        "proj.CHKTT: offset 36: element 5: no entry in any result file (structure kind 6)\n",
        "verify: 13 files, 32 entries, 2 problems, 0 notes\n"},
       "proj.CHKST: offset 1692: element 5: entry 2 of element 5 cut short: it needs 743 bytes, the "
       "file has 643 left; left out of the export\n"},
      {"CHKHB", [](Bytes& b) { b[8] ^= 0x40; },  // read by the last row of the table, 108 then lost
       {"proj.CHKHB: offset 4: element 107: unknown type code 72\n"},
       "proj.CHKHB: offset 536: element 108: no entry in CHKHB where a scan for it stops"},
      {"CHKST", swapFirstTwoSteelEntries,
       {"proj.CHKST: offset 949: element 1: element number out of order (after 4)\n",
        "verify: 13 files, 33 entries, 1 problem, 0 notes\n"},
       "proj.CHKST: offset 4: element 1: no entry in CHKST where a scan for it stops"},
      {"CHKCT", nullptr,
       {"proj.CHKTT: offset 52: element 11: no entry in any result file (structure kind 11, wh"},
       "proj.CHKCT: element 11: no file CHKCT; left out of the export\n"},
      {"CHKCT", [](Bytes& b) { b[16] += 8; },  // the first entry's length word
       {"proj.CHKCT: offset 4: element 11: concrete entry whose contents disagree with its"},
       "proj.CHKCT: offset 4: element 11: concrete entry whose contents disagree with its length "
       "word; left out of the export\n"},
      {"Edge", [](Bytes& b) { b[0] = 3; }, {"proj.Edge: offset 0: holds 3 edges, CHKWT lists 4\n"}},
      {"CHKGS", [](Bytes& b) { b[2] = 1; }, {"proj.CHKGS: offset 0: entry count 65537 cannot fit"},
       "proj.CHKGS: offset 0: element 102: entry count 65537 cannot fit"},
      {"CHKTT", [](Bytes& b) { b.resize(6); }, {}, nullptr, 2},
      // The round column 14 (entry at 2401, n = 2): its first copy of dRsl[23] at 2751.
      {"CHKCT", [](Bytes& b) { b[2751] ^= 0x40; },
       {"proj.CHKCT: offset 2401: element 14: note: the two copies of dRsl[23..25] differ; the "
        "second is used\n",
        "verify: 13 files, 33 entries, 0 problems, 1 note\n"},
       nullptr, 0},
  };
  for (const Case& c : cases) {
    CopyExample();
    Bytes bytes = ReadProjectFile(c.ext);
    if (c.damage) {
      c.damage(bytes);
      WriteProjectFile(c.ext, bytes);
    } else {
      std::remove(PathOf(c.ext).c_str());
    }
    const std::string out = Run({"-p", Copy(), "verify"}, c.verifyStatus);
    for (const char* line : c.lines) EXPECT_NE(out.find(line), std::string::npos) << out;
    Run({"-p", Copy(), "verify", "--json"}, c.verifyStatus);
    std::string err;
    Run({"-p", Copy(), "export", "--walls"}, c.verifyStatus == 2 ? 2 : c.exportProblem ? 1 : 0, &err);
    EXPECT_NE(err.find(c.exportProblem ? c.exportProblem : ""), std::string::npos) << err;
  }
}

using Values = std::vector<std::pair<std::string, double>>;

// Every field of the JSON object under its full name, as the text view names it.
void Flatten(const nlohmann::ordered_json& object, const std::string& prefix, Values& out) {
  for (const auto& [key, value] : object.items()) {
    if (value.is_object()) {
      Flatten(value, prefix + key + ".", out);
    } else {
      out.emplace_back(prefix + key, value.is_string() ? std::stod(value.get<std::string>())
                                                       : value.get<double>());
    }
  }
}

// Cells separated by commas, rows by LF or CR LF (no cell the tool writes needs quotes).
std::vector<std::vector<std::string>> ReadCsv(const std::string& text) {
  std::vector<std::vector<std::string>> rows;
  std::istringstream lines(text);
  for (std::string line, cell; std::getline(lines, line);) {
    std::istringstream cells(line.substr(0, line.find('\r')) + ",");
    for (rows.emplace_back(); std::getline(cells, cell, ',');) rows.back().push_back(cell);
  }
  return rows;
}

// The exported fields of a record equal, in order, what the library reads.
void ExpectRecord(const std::string& label, int number, const Values& got) {
  chkrsl_test::FieldEncoder expected;
  CHKRsl* rec = nullptr;
  DataForWallEdge* edge = nullptr;
  int kind = 0;
  const int read = label == "edge"   ? GetOneEdgeRsl(edge, number)
                   : label == "wall" ? GetOneWallRsl(rec, number)
                                     : GetOneEleRsl(rec, kind, number);
  ASSERT_EQ(read, 1) << label << " " << number;
  if (edge) chkrsl::VisitFields(*edge, expected);
  if (rec) chkrsl::VisitFields(*rec, expected);
  delete rec;
  delete edge;
  ASSERT_EQ(got.size(), expected.values.size()) << label << " " << number;
  for (size_t i = 0; i < got.size(); ++i) {
    EXPECT_EQ(got[i].first, expected.values[i].first) << label << " " << number;
    const double want = expected.values[i].second;
    EXPECT_TRUE(got[i].second == want || (std::isnan(want) && std::isnan(got[i].second)))
        << label << " " << number << " " << got[i].first;
  }
}

// What list calls readable and the records export writes are what the
// readers hand out, on the example project and on damaged copies of it.
TEST_F(ToolCli, ListAndExportAgreeWithTheReadersOnDamagedCopies) {
  CopyExample();
  const auto agree = [&](const std::string& what) {
    SCOPED_TRACE(what);
    doc().Clear();
    ASSERT_TRUE(chkrsl_cli::OpenProjectPath(Copy()));
    chkrsl::host::AdoptStoredSectionTypes();
    CArray<int, int> elements, kinds;
    if (!chkrsl::ReadElementTable(elements, kinds)) return;
    std::map<std::string, std::set<int>> read, exported;
    std::set<int> listed;
    for (INT_PTR i = 0; i < elements.GetSize(); ++i) {
      CHKRsl* rec = nullptr;
      int kind = 0;
      if (GetOneEleRsl(rec, kind, elements[i])) read["element"].insert(elements[i]);
      delete rec;
    }
    for (int n = -1; n < 256; ++n) {
      CHKRsl* wall = nullptr;
      DataForWallEdge* edge = nullptr;
      if (GetOneWallRsl(wall, n)) read["wall"].insert(n);
      if (GetOneEdgeRsl(edge, n)) read["edge"].insert(n);
      delete wall, delete edge;
    }
    std::ostringstream list, exports, err;
    doc().Clear();
    chkrsl_cli::RunCli({"-p", Copy(), "list", "--json"}, list, err);
    const nlohmann::json listing = nlohmann::json::parse(list.str());
    for (const auto& e : listing.at("elements"))
      if (e.at("readable").get<bool>()) listed.insert(e.at("element").get<int>());
    EXPECT_EQ(listed, read["element"]);
    doc().Clear();
    chkrsl_cli::RunCli({"-p", Copy(), "export", "--walls"}, exports, err);
    std::istringstream lines(exports.str());
    for (std::string line; std::getline(lines, line);) {
      const nlohmann::ordered_json j = nlohmann::ordered_json::parse(line);
      Values got;
      Flatten(j.at("fields"), "", got);
      const std::string label = j.begin().key();
      ExpectRecord(label, j.begin().value().get<int>(), got);
      exported[label].insert(j.begin().value().get<int>());
    }
    EXPECT_EQ(exported, read);
  };
  agree("the example");
  // Where readers and walks could part: the counts, each entry's number,
  // type code and section type, and files cut inside an entry.
  for (const std::string ext : {"CHKTT", "CHKCM", "CHKGS", "CHKGS_N", "CHKST", "CHKST_N", "CHKAL", "CHKHB",
                                "CHKHB_N", "CHKPT", "CHKPT_N", "CHKCT", "CHKCW", "Edge"}) {
    const Bytes intact = ReadProjectFile(ext);
    std::vector<size_t> inverted = {0}, cuts;
    chkrsl::io::MemorySource in(intact.data(), intact.size());
    chkrsl::ResultCursor entries(in);
    while (ext != "CHKTT" && ext != "Edge" && entries.Next()) {
      const size_t at = static_cast<size_t>(entries.offset());
      inverted.insert(inverted.end(), {at, at + 4, at + 8});
      cuts.push_back(at + 7);
    }
    for (size_t at = 4; ext == "CHKTT" && at < intact.size(); at += 4) inverted.push_back(at);
    for (size_t at = 4; ext == "Edge" && at < intact.size(); at += chkrsl::kEdgeEntryBytes)
      inverted.push_back(at), cuts.push_back(at + 2);
    for (size_t at : inverted) {
      Bytes damaged = intact;
      damaged[at] ^= ext == "Edge" ? 0x01 : 0x41;  // edge 1 becomes 0, edge 2 comes after 3
      WriteProjectFile(ext, damaged);
      agree(ext + " changed at " + std::to_string(at));
    }
    for (size_t at : cuts) {
      WriteProjectFile(ext, Bytes(intact.begin(), intact.begin() + static_cast<long>(at)));
      agree(ext + " cut to " + std::to_string(at));
    }
    WriteProjectFile(ext, intact);
  }
}

TEST_F(ToolCli, ExportsReadBackAsTheRecords) {
  ASSERT_TRUE(chkrsl_cli::OpenProjectPath(kExample));
  chkrsl::host::AdoptStoredSectionTypes();
  // Each record's fields as JSON Lines, as CSV rows of one field on standard
  // output, and in a new folder of CSV files, one per class, of a row per
  // record under the union of the class's fields (empty where it has none).
  std::map<std::pair<std::string, int>, Values> forms[3];
  std::istringstream lines(Run({"-p", kExample, "export", "--walls"}, 0));
  for (std::string line; std::getline(lines, line);) {
    const nlohmann::ordered_json j = nlohmann::ordered_json::parse(line);
    Flatten(j.at("fields"), "", forms[0][{j.begin().key(), j.begin().value().get<int>()}]);
  }
  const auto rows = ReadCsv(Run({"-p", kExample, "export", "--format", "csv", "--walls"}, 0));
  ASSERT_FALSE(rows.empty());
  EXPECT_EQ(rows[0], (std::vector<std::string>{"record", "number", "kind", "class", "file", "field", "value"}));
  for (size_t r = 1; r < rows.size(); ++r) {
    ASSERT_EQ(rows[r].size(), 7u) << r;
    forms[1][{rows[r][0], std::stoi(rows[r][1])}].emplace_back(rows[r][5], std::stod(rows[r][6]));
  }
  const std::string dir = folder + "/out/csv";
  Run({"-p", kExample, "export", "--format", "csv", "--walls", "--excel", "--output-dir", dir}, 0);
  for (const auto& file : std::filesystem::directory_iterator(dir)) {
    const Bytes bytes = chkrsl_test::ReadFileBytes(file.path().string());
    const std::string text(bytes.begin(), bytes.end());
    ASSERT_EQ(text.rfind("\xEF\xBB\xBFrecord,number,kind,class,file,", 0), 0u) << file.path();
    const auto table = ReadCsv(text.substr(3));
    for (size_t r = 1; r < table.size(); ++r) {
      ASSERT_EQ(table[r].size(), table[0].size()) << file.path() << " " << r;
      EXPECT_EQ(table[r][3] + ".csv", file.path().filename().string());
      Values& got = forms[2][{table[r][0], std::stoi(table[r][1])}];
      for (size_t c = 5; c < table[r].size(); ++c)
        if (!table[r][c].empty()) got.emplace_back(table[0][c], std::stod(table[r][c]));
    }
  }
  for (const auto& form : forms) {
    EXPECT_EQ(form.size(), 26u + 3 + 4);  // elements, walls, edges
    for (const auto& [key, values] : form) ExpectRecord(key.first, key.second, values);
  }
}

TEST_F(ToolCli, DiffNamesWhatChangedWhereAndHowMuch) {
  const auto set = [](size_t at, double v) {
    return [at, v](Bytes& b) {
      Bytes value;
      chkrsl_test::PutF64(value, v);
      std::copy(value.begin(), value.end(), b.begin() + static_cast<std::ptrdiff_t>(at));
    };
  };
  const auto steelBase = set(4 + 40, 2.5);  // element 1, dBase[0]: 1
  struct Case {
    const char* ext;  // the file changed in the copy ("EFFAL": written anew)
    std::function<void(Bytes&)> change;
    std::vector<std::string> options;
    int status;
    std::string fragment;
  } cases[] = {
      {"CHKST", steelBase, {}, 1,
       "structure kind 6:\n  element 1: value dBase[0]: 1 -> 2.5\ndiff: 1 record differs\n"},
      {"CHKST", steelBase, {"--tolerance", "0.7"}, 0, "diff: 0 records differ\n"},
      {"CHKST", steelBase, {"--atol", "1.5"}, 0, "diff: 0 records differ\n"},
      {"CHKST", steelBase, {"--json"}, 1,
       R"({"kinds":[{"kind":6,"changes":[{"element":1,"change":"value","field":"dBase[0]","old":1,"new":2.5}]}],"walls":[],)"},
      {"CHKST", set(4 + 40, std::nan("")), {"--json"}, 1, R"("old":1,"new":"nan"})"},
      {"CHKST", steelBase, {"--stat"}, 1,
       "structure kind 6    DataForSteel                   0        0        1\n"
       "fields that changed most (records):\n  dBase[0]: 1\n"},
      {"CHKST", steelBase, {"-q"}, 1, " differ\n"},
      {"CHKST", [](Bytes& b) { b.resize(900); }, {"--json"}, 1,
       R"({"element":5,"change":"removed","file":"CHKST"}]}],"walls":[],"edges":[],"effectiveAreas":[],"purlin":[],"damagedFiles":[{"side":"new","file":"CHKST","offset":747,"problem":"entry 1 of element 4 cut short)"},
      {"CHKCW", set(4 + 65, 7), {}, 1, "walls:\n  wall 21: value baseDbl[0]: "},
      {"Edge", set(4 + 149 + 4 + 145 - 8, 7), {}, 1, "wall edges:\n  edge 2: value dRsl[16]: "},
      {"PCR", set(0, 7), {}, 1, "purlin design:\n  value check.A: "},
      {"EFFAL", nullptr, {}, 1, "effective areas:\n  element 106: added (EFFAL)\n"},
  };
  for (const Case& c : cases) {
    CopyExample();
    if (c.change) {
      Bytes bytes = ReadProjectFile(c.ext);
      c.change(bytes);
      WriteProjectFile(c.ext, bytes);
    } else {
      chkrsl::host::OpenProject(folder, "proj");
      CTypedPtrArray<CPtrArray, DataForEffArea*> areas;
      areas.Add(new DataForEffArea);
      areas[0]->eleNo = 106;
      WriteAlEffArea(areas);
      delete areas[0];
    }
    std::vector<std::string> args{"diff", kExample, Copy()};
    args.insert(args.end(), c.options.begin(), c.options.end());
    const std::string out = Run(args, c.status);
    EXPECT_NE(out.find(c.fragment), std::string::npos) << c.ext << "\n" << out;
  }
}

// Progress goes where it is asked to and only there; --quiet turns it off.
TEST_F(ToolCli, LongCommandsShowProgressOnlyWhereAsked) {
  const chkrsl_cli::ProgressOptions terminal{nullptr, 0.0};
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"-p", kExample, "verify"}, {"-p", kExample, "summary"},
        {"-p", kExample, "export", "--output-dir", folder + "/out", "--format", "csv"},
        {"diff", kExample, kExample}}) {
    std::ostringstream out, err, shown;
    chkrsl_cli::ProgressOptions options = terminal;
    options.err = &shown;
    EXPECT_EQ(chkrsl_cli::RunCli(args, out, err, options), 0);
    EXPECT_NE(shown.str().find("\rchkrsl " + args[args[0] == "-p" ? 2 : 0] + ": "),
              std::string::npos) << shown.str();
    EXPECT_EQ(shown.str().back(), '\r');  // the line cleared at the end
    std::vector<std::string> quiet = args;
    quiet.push_back("--quiet");
    shown.str("");
    EXPECT_EQ(chkrsl_cli::RunCli(quiet, out, err, options), 0);
    EXPECT_EQ(shown.str(), "");
  }
}

}  // namespace
