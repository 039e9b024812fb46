// Workbooks read back: the package unzipped and the sheets' XML checked for
// the values written, numbers stored as numbers.
#include "workbook.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <regex>

#include "result_text.h"
#include "sample_scenarios.h"
#include "temp_dir.h"

namespace lumo::comparison {
namespace {

// One member of the zip package, through the unzip tool.
std::string Member(const std::string &zip, const std::string &member) {
  const std::string command = "unzip -p '" + zip + "' '" + member + "' 2>/dev/null";
  std::FILE *p = ::popen(command.c_str(), "r");
  std::string out;
  char buf[4096];
  for (std::size_t n; p && (n = std::fread(buf, 1, sizeof buf, p)) > 0;) out.append(buf, n);
  if (p) ::pclose(p);
  return out;
}

// The number stored in a cell ("C2"), or "" when the cell holds no number.
std::string NumberIn(const std::string &sheetXml, const std::string &cell) {
  std::smatch m;
  const std::regex number("<c r=\"" + cell + "\"(?: s=\"\\d+\")?><v>([^<]*)</v></c>");
  return std::regex_search(sheetXml, m, number) ? m[1].str() : "";
}

TEST(Workbook, SheetsHoldNumbersAsNumbersAndTextsAsStrings) {
  test::TempDir dir;
  const std::string path = dir.File("run.xlsx");
  Table t;
  t.header = {"Name", "Value", "Unit"};
  t.rows = {{{"LADD", {}}, {"1.64E-001", 0.1642}, {"mg/kg/day", {}}},
            {{"Volume", {}}, {"12,000", 12000.0}, {"ft³", {}}},
            {{"Refused", {}}, {"", {}}, {"no results", {}}},
            // Longer than a cell holds: cut, not a workbook refused.
            {{std::string(40000, 'x'), {}}, {"", {}}, {"", {}}}};
  ConcentrationSeries series;
  series.days = {0, 0.5};
  series.outdoor = {0, 0};
  series.zone1 = {1.5, 2.25};
  series.person = {0.125, 3e-7};
  WriteWorkbook(path, {{"Results", t}, {"Concentrations", SeriesTable(series)}});

  const std::string book = Member(path, "xl/workbook.xml");
  EXPECT_NE(book.find("name=\"Results\""), std::string::npos);
  EXPECT_NE(book.find("name=\"Concentrations\""), std::string::npos);
  const std::string sheet1 = Member(path, "xl/worksheets/sheet1.xml");
  EXPECT_EQ(NumberIn(sheet1, "B2"), "0.1642");
  EXPECT_EQ(NumberIn(sheet1, "B3"), "12000");
  EXPECT_EQ(NumberIn(sheet1, "B4"), "");  // no number, and no cell
  EXPECT_EQ(sheet1.find("r=\"B4\""), std::string::npos);
  EXPECT_NE(sheet1.find("<c r=\"A2\" t=\"s\">"), std::string::npos);  // a string
  const std::string strings = Member(path, "xl/sharedStrings.xml");
  EXPECT_NE(strings.find(std::string(32764, 'x') + "..."), std::string::npos);
  for (const char *text : {"LADD", "mg/kg/day", "ft³", "no results"})
    EXPECT_NE(strings.find(text), std::string::npos) << text;

  const std::string sheet2 = Member(path, "xl/worksheets/sheet2.xml");
  EXPECT_EQ(NumberIn(sheet2, "A3"), "0.5");
  EXPECT_EQ(NumberIn(sheet2, "C3"), "2.25");
  EXPECT_EQ(std::stod(NumberIn(sheet2, "D3")), 3e-7);    // at the person, full precision
  EXPECT_EQ(strings.find("Zone 2"), std::string::npos);  // one-zone run
}

TEST(Workbook, ARunsResultsAndInputs) {
  test::TempDir dir;
  auto s = std::make_shared<LumoTransfer>(REAL_ENGINE_DIR);
  SetStartupScenario(*s, test::SampleChemicals());
  Results results{};
  for (std::size_t i = 0; i < results.size(); ++i) results[i] = 0.5 * double(i + 1);
  const std::string path = dir.File("r.xlsx");
  WriteWorkbook(path, RunSheets(*s, results, nullptr));
  const std::string sheet1 = Member(path, "xl/worksheets/sheet1.xml");
  EXPECT_EQ(NumberIn(sheet1, "C2"), "0.5");                          // LADD
  EXPECT_EQ(NumberIn(sheet1, "C11"), "5");                           // C8hour
  const double ppm = ToPpm(1.5, s->ScenarioRecord.MolecularWeight);  // LADC
  EXPECT_NEAR(std::stod(NumberIn(sheet1, "E4")), ppm, ppm * 1e-15);
  const std::string inputs = Member(path, "xl/worksheets/sheet2.xml");
  const std::string strings = Member(path, "xl/sharedStrings.xml");
  EXPECT_NE(strings.find("Building volume"), std::string::npos);
  EXPECT_NE(inputs.find("<v>" + std::to_string(int(s->ScenarioRecord.BldgVolume)) + "</v>"),
            std::string::npos);
  EXPECT_EQ(Member(path, "xl/worksheets/sheet3.xml"), "");  // no series, no sheet
}

TEST(Workbook, AFileThatCannotBeWrittenIsReportedAndLeftAlone) {
  test::TempDir dir;
  const std::string path = dir.File("kept.xlsx");
  test::WriteFileBytes(path, "old");
  EXPECT_THROW(WriteWorkbook(dir.File("no-folder/x.xlsx"), {{"S", {}}}), EWorkbook);
  // A sheet name Excel refuses fails the whole workbook; the old file stays.
  EXPECT_THROW(WriteWorkbook(path, {{"a/b", {}}}), EWorkbook);
  EXPECT_EQ(test::ReadFileBytes(path), "old");
}

}  // namespace
}  // namespace lumo::comparison
