// What lumo-run prints: the program's number format, ppm figures, JSON.
#include "result_report.h"

#include <gtest/gtest.h>

#include <cmath>
#include <nlohmann/json.hpp>

#include "command_line.h"
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

TEST(ResultFormat, JsonNumbersRoundTripAndNonFiniteAreNull) {
  EXPECT_EQ(nlohmann::json::parse(Number(0.1f).dump()).get<double>(), double(0.1f));
  EXPECT_TRUE(Number(NAN).is_null());
  EXPECT_TRUE(Number(-INFINITY).is_null());
  // Text that is not UTF-8 (a path) is replaced rather than stopping the output.
  EXPECT_NO_THROW(DumpJson(nlohmann::ordered_json(std::string("a\xff.vkx"))));
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
  const auto json = nlohmann::json::parse(ResultJson({Finished(), failed}));
  ASSERT_TRUE(json.is_array());
  ASSERT_EQ(json.size(), 2u);
  const auto &ok = json[0];
  EXPECT_EQ(ok["scenario"], "/runs/paint.vkx");
  EXPECT_EQ(ok["chemical"], "TMPD-MIB");
  EXPECT_EQ(ok["results"]["LADD"], 0.5);
  EXPECT_EQ(ok["results"]["C8hour"], 5.0);
  EXPECT_EQ(ok["results"].size(), 10u);
  EXPECT_EQ(ok["ppm"].size(), 5u);
  EXPECT_DOUBLE_EQ(ok["ppm"]["Cpeak"].get<double>(), 24.453 * 2.5 / 216.32);
  EXPECT_EQ(ok["csv"], "/runs/paint.CSV");
  EXPECT_EQ(json[1]["scenario"], "bad.vkx");
  EXPECT_EQ(json[1]["error"], "bad.vkx: Could Not Initialize the Calculations");
  EXPECT_FALSE(json[1].contains("results"));
  EXPECT_EQ(nlohmann::json::parse(ResultJson({})), nlohmann::json::array());
}

TEST(ResultReport, ARunTooShortIsWarnedAboutInTextAndJson) {
  ScenarioOutcome o = Finished();
  RunLengthAdequacy a;
  a.runLengthDays = 5;
  a.appliedMg = 1000;
  a.emittedMg = 600;
  a.daysFor99 = 15.2;
  a.end = RunEndMass{30.0, 0.0, false};
  o.runLength = a;
  const std::string text = ResultText(o);
  EXPECT_NE(text.find("  Run length: By the end of the 5-day run, 60.0 % of the chemical applied "
                      "has been emitted; of that, 5.0 % is still airborne.\n"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("  Warning: Less than 95 %"), std::string::npos);
  EXPECT_NE(text.find("A run of 16 days would emit 99 %."), std::string::npos);

  auto json = nlohmann::json::parse(ResultJson({o}))[0]["run-length"];
  EXPECT_EQ(json["emitted-share"].get<double>(), 0.6);
  EXPECT_EQ(json["airborne-share"].get<double>(), 0.05);
  EXPECT_TRUE(json["sinks-share"].is_null());  // no reversible sinks
  EXPECT_TRUE(json["long-term-underestimated"].get<bool>());
  EXPECT_EQ(json["run-length-for-99-days"].get<int>(), 16);

  // Long enough: no warning.
  a.emittedMg = 995;
  o.runLength = a;
  EXPECT_EQ(ResultText(o).find("Warning"), std::string::npos);
  json = nlohmann::json::parse(ResultJson({o}))[0]["run-length"];
  EXPECT_FALSE(json["long-term-underestimated"].get<bool>());
  EXPECT_TRUE(json["warning"].is_null());
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

  CommandLine mc = ParseCommandLine(
      {"--monte-carlo", "d.json", "--threads", "3", "--samples", "s.csv", "a.vkx"});
  EXPECT_TRUE(mc.error.empty()) << mc.error;
  EXPECT_EQ(mc.monteCarlo, "d.json");
  EXPECT_EQ(mc.threads, 3);
  EXPECT_EQ(mc.samples, "s.csv");
  // An assessment is of one scenario; its options need it.
  // A screening run: several scenarios, one distribution file.
  EXPECT_EQ(ParseCommandLine({"--monte-carlo", "d.json", "--default", "a.vkx"}).error, "");
  EXPECT_FALSE(ParseCommandLine({"--threads", "2", "a.vkx"}).error.empty());
  EXPECT_FALSE(
      ParseCommandLine({"--monte-carlo", "d.json", "--threads", "0", "a.vkx"}).error.empty());
  EXPECT_FALSE(
      ParseCommandLine({"--monte-carlo", "d.json", "--threads", "x", "a.vkx"}).error.empty());
}

TEST(CommandLine, ShardsAndMerging) {
  const CommandLine shard = ParseCommandLine(
      {"--monte-carlo", "d.json", "a.vkx", "--shard", "3/8", "--partial", "p.bin"});
  EXPECT_EQ(shard.error, "");
  EXPECT_EQ(shard.shard, 2u);
  EXPECT_EQ(shard.shards, 8u);
  EXPECT_EQ(shard.partial, "p.bin");
  const CommandLine merge = ParseCommandLine({"--merge", "out.json", "--json", "a.bin", "b.bin"});
  EXPECT_EQ(merge.error, "");
  EXPECT_EQ(merge.merge, "out.json");
  EXPECT_EQ(merge.files, (std::vector<std::string>{"a.bin", "b.bin"}));
  for (const char *bad : {"0/8", "9/8", "3", "3/8x", "a/b", "-1/2"})
    EXPECT_NE(
        ParseCommandLine({"--monte-carlo", "d.json", "a.vkx", "--shard", bad, "--partial", "p.bin"})
            .error.find("--shard takes K/N"),
        std::string::npos)
        << bad;
  EXPECT_FALSE(
      ParseCommandLine({"--monte-carlo", "d.json", "a.vkx", "--shard", "1/2"}).error.empty());
  EXPECT_FALSE(ParseCommandLine({"a.vkx", "--shard", "1/2", "--partial", "p.bin"}).error.empty());
  EXPECT_FALSE(
      ParseCommandLine({"--monte-carlo", "d.json", "a.vkx", "--partial", "p.bin"}).error.empty());
  EXPECT_FALSE(ParseCommandLine({"--monte-carlo", "d.json", "a.vkx", "--shard", "1/2", "--partial",
                                 "p.bin", "--samples", "s.csv"})
                   .error.empty());
  EXPECT_EQ(ParseCommandLine({"--monte-carlo", "d.json", "--default", "a.vkx", "b.vkx"}).error, "");
  EXPECT_FALSE(ParseCommandLine({"--monte-carlo", "d.json", "a.vkx", "b.vkx", "--shard", "1/2",
                                 "--partial", "p.bin"})
                   .error.empty());
  EXPECT_FALSE(ParseCommandLine({"--merge", "out.json"}).error.empty());
  EXPECT_FALSE(ParseCommandLine({"--merge", "out.json", "--default", "a.bin"}).error.empty());
}

}  // namespace
}  // namespace lumo::cli
