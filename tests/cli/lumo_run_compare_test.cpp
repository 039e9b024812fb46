// lumo-run --compare and --sweep as a user runs them.
#include <nlohmann/json.hpp>

#include "lumo_run_fixture.h"
#include "variable_inputs.h"

namespace lumo {
namespace {

using Json = nlohmann::json;

TEST_F(LumoRun, CompareListsTheResultsAndExactlyTheInputsThatDiffer) {
  const std::string a = Save("a.vkx");
  const std::string b = Save("b.vkx", [](LumoTransfer &s) {
    s.ScenarioRecord.AirExchangeRate = 1.5;
    s.ScenarioRecord.LifeTime = 70;
  });
  ASSERT_EQ(Run({"--compare", "--json", a, b, dataDir.File("none.vkx")}), 1) << err;
  const Json j = Json::parse(out);
  ASSERT_EQ(j["scenarios"].size(), 3u);
  EXPECT_EQ(j["scenarios"][0]["resultsFrom"], "run");
  EXPECT_TRUE(j["scenarios"][2].contains("error"));
  EXPECT_TRUE(Has(err, "none.vkx"));
  ASSERT_EQ(j["differences"].size(), 2u);
  EXPECT_EQ(j["differences"][0]["input"], "AirExchangeRate");
  EXPECT_EQ(j["differences"][0]["values"][1], 1.5);
  EXPECT_TRUE(j["differences"][0]["values"][2].is_null());
  EXPECT_EQ(j["differences"][1]["input"], "LifeTime");

  // The same results as running each scenario on its own.
  ASSERT_EQ(Run({"--json", a, b}), 0) << err;
  const Json own = Json::parse(out);
  ASSERT_EQ(Run({"--compare", "--json", a, b}), 0) << err;
  const Json cmp = Json::parse(out);
  EXPECT_EQ(cmp["scenarios"][0]["results"], own[0]["results"]);
  EXPECT_EQ(cmp["scenarios"][1]["results"], own[1]["results"]);

  ASSERT_EQ(Run({"--compare", a, b}), 0) << err;
  EXPECT_TRUE(Has(out, "Comparison of 2 scenarios"));
  EXPECT_TRUE(Has(out, "Inputs that differ"));
  EXPECT_TRUE(Has(out, "Air exchange rate  air changes/hour  0.45"));
  EXPECT_TRUE(Has(out, "Years in lifetime"));
}

TEST_F(LumoRun, SweepResultsEqualSeparateRunsAtTheSameValues) {
  const std::string base = Save("base.vkx");
  ASSERT_EQ(Run({"--sweep", "AirExchangeRate=0.25,4,0", "--json", base}), 0) << err;
  const Json sweep = Json::parse(out);
  ASSERT_EQ(sweep["points"].size(), 3u);
  // 0 is corrected to the field's lowest value, as the dialog corrects it.
  const VariableInput &input = *FindVariableInput("AirExchangeRate");
  EXPECT_EQ(sweep["points"][2]["applied"], input.limits.Min);

  std::vector<std::string> files;
  for (double v : {0.25, 4.0}) {
    files.push_back(Save("at" + std::to_string(files.size()) + ".vkx",
                         [&](LumoTransfer &s) { ApplyVariableInput(s, input, v); }));
  }
  ASSERT_EQ(Run({"--json", files[0], files[1]}), 0) << err;
  const Json separate = Json::parse(out);
  EXPECT_EQ(sweep["points"][0]["results"], separate[0]["results"]);
  EXPECT_EQ(sweep["points"][1]["results"], separate[1]["results"]);
  EXPECT_NE(sweep["points"][0]["results"], sweep["points"][1]["results"]);

  ASSERT_EQ(Run({"--sweep", "AirExchangeRate=0.5:1:2", base, "--xlsx", dataDir.File("s.xlsx")}), 0)
      << err;
  EXPECT_TRUE(Has(out, "Sweep of Air exchange rate (AirExchangeRate) over 2 values"));
  EXPECT_TRUE(fs::exists(dataDir.File("s.xlsx")));
}

TEST_F(LumoRun, CompareAndSweepRefuseUnusableLines) {
  const std::string a = Save("a.vkx");
  EXPECT_EQ(Run({"--compare", a}), 2);
  EXPECT_TRUE(Has(err, "--compare needs at least two scenarios"));
  EXPECT_EQ(Run({"--sweep", "AirExchangeRate=1,2", a, a}), 2);
  EXPECT_EQ(Run({"--sweep", "Nothing=1,2", a}), 2);
  EXPECT_TRUE(Has(err, "There is no input \"Nothing\""));
  EXPECT_EQ(Run({"--xlsx", "x.xlsx", a}), 2);
  EXPECT_EQ(Run({"--compare", "--sweep", "BodyWeight=1,2", a, a}), 2);
}

}  // namespace
}  // namespace lumo
