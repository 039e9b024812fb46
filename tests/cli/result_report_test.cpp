// What lumo-run prints: the program's number format, ppm figures, JSON.
#include "result_report.h"

#include <gtest/gtest.h>

#include <cmath>

#include "command_line.h"
#include "json_writer.h"
#include "result_text.h"

namespace lumo::cli {
namespace {

TEST(ResultFormat, ThreeSignificantDigitsAndThreeExponentDigits) {
  EXPECT_EQ(FormatResult(0), "0.00E+000");
  EXPECT_EQ(FormatResult(1.2345e-5), "1.23E-005");
  EXPECT_EQ(FormatResult(-456.0), "-4.56E+002");
  EXPECT_EQ(FormatResult(9.996), "1.00E+001");
  EXPECT_EQ(FormatResult(3e-300), "3.00E-300");
  EXPECT_DOUBLE_EQ(ToPpm(216.32, 216.32), 24.453);
}

TEST(ResultFormat, JsonEscapesAndRoundTrips) {
  EXPECT_EQ(JsonString("a\"b\\c\nd\x01"), "\"a\\\"b\\\\c\\nd\\u0001\"");
  EXPECT_EQ(JsonString("m³"), "\"m³\"");
  EXPECT_EQ(std::stod(JsonNumber(0.1f)), double(0.1f));
  EXPECT_EQ(JsonNumber(NAN), "null");
}

ScenarioOutcome Finished() {
  ScenarioOutcome o;
  o.scenario = "/runs/paint.vkx";
  o.ok = true;
  o.chemical = "TMPD-MIB";
  o.molecularWeight = 216.32;
  o.csv = "/runs/paint.CSV";
  for (int i = 0; i < 10; ++i) o.results[i] = (i + 1) * 0.5;
  return o;
}

TEST(ResultReport, TextShowsEveryResultWithUnitAndPpm) {
  std::string text = ResultText(Finished());
  EXPECT_NE(text.find("Scenario: /runs/paint.vkx\n"), std::string::npos);
  // Cpeak is the fifth result, 2.5 mg/m³: 24.453 × 2.5 ÷ 216.32 ppm.
  EXPECT_NE(text.find("Cpeak"), std::string::npos);
  EXPECT_NE(text.find("2.50E+000 mg/m³  (" + FormatResult(24.453 * 2.5 / 216.32) + " ppm)"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("5.00E-001 mg/kg/day"), std::string::npos);  // LADD
  EXPECT_NE(text.find("/runs/paint.CSV"), std::string::npos);

  ScenarioOutcome failed;
  failed.scenario = "x.vkx";
  failed.error = "x.vkx Does not Exist";
  EXPECT_EQ(ResultText(failed), "Scenario: x.vkx\n  Error: x.vkx Does not Exist\n");
}

TEST(ResultReport, JsonHasOneObjectPerScenario) {
  ScenarioOutcome failed;
  failed.scenario = "bad.vkx";
  failed.error = "bad.vkx: Could Not Initialize the Calculations";
  std::string json = ResultJson({Finished(), failed});
  EXPECT_EQ(json.front(), '[');
  EXPECT_NE(json.find("\"LADD\": 0.5, \"ADD\": 1, \"LADC\": 1.5"), std::string::npos) << json;
  EXPECT_NE(json.find("\"C8hour\": 5}"), std::string::npos);
  EXPECT_NE(json.find("\"ppm\": {\"LADC\": "), std::string::npos);
  EXPECT_NE(json.find("\"csv\": \"/runs/paint.CSV\""), std::string::npos);
  EXPECT_NE(json.find("{\"scenario\": \"bad.vkx\", \"error\": \"bad.vkx: Could Not Initialize"),
            std::string::npos);
  EXPECT_EQ(ResultJson({}), "[]\n");
}

TEST(CommandLine, OptionsAndFiles) {
  CommandLine c = ParseCommandLine({"--json", "a.vkx", "--default", "--", "-odd.vkx"});
  EXPECT_TRUE(c.json);
  EXPECT_TRUE(c.useDefault);
  EXPECT_EQ(c.files, (std::vector<std::string>{"a.vkx", "-odd.vkx"}));
  EXPECT_TRUE(c.error.empty());
  EXPECT_FALSE(ParseCommandLine({"--jsn"}).error.empty());
  EXPECT_FALSE(ParseCommandLine({"--json"}).error.empty());  // nothing to run
  EXPECT_TRUE(ParseCommandLine({"--help"}).help);
}

}  // namespace
}  // namespace lumo::cli
