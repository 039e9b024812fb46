// The window's draft of an assessment: what is typed reaches the
// distribution file in the stored units, refusals are the reader's, and a
// file read in comes back as the same file.
#include "assessment_draft.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "assessment_file.h"
#include "lumo_state.h"
#include "offered_distributions.h"
#include "variable_fields.h"

namespace lumo::prob {
namespace {

Assessment Read(const std::string &json) {
  return ReadAssessment(json, ScenarioVariableFields());
}

TEST(AssessmentDraft, TypedInTheOtherUnitReachesTheFileInTheStoredUnit) {
  AssessmentDraft draft = NewDraft({{"BodyWeight", 70}});
  InputDraft &bw = *draft.Find("BodyWeight");
  bw.varied = true;
  bw.family = "lognormal";
  bw.unit = 1;  // lb
  bw.parameters = {{"gm", {154}}, {"gsd", {1.2}}};
  bw.lower = 88;
  const Assessment a = ReadDraft(draft);
  ASSERT_EQ(a.inputs.size(), 1u);
  const auto &shape = std::get<LogNormal>(a.inputs[0].distribution.Shape());
  EXPECT_DOUBLE_EQ(shape.gm, 154 / 2.2);
  EXPECT_DOUBLE_EQ(shape.gsd, 1.2);  // a pure number keeps its value
  EXPECT_DOUBLE_EQ(a.inputs[0].distribution.Lower(), 40);

  // Shown in kg again: the same distribution.
  ChangeInputUnit(bw, 0);
  EXPECT_DOUBLE_EQ(bw.parameters["gm"][0], 154 / 2.2);
  EXPECT_DOUBLE_EQ(*bw.lower, 40);
  EXPECT_EQ(AssessmentToJson(ReadDraft(draft)), AssessmentToJson(a));
}

TEST(AssessmentDraft, RefusalsAreTheReadersSentences) {
  InputDraft in;
  in.name = "AirExchangeRate";
  in.varied = true;
  in.family = "lognormal";
  in.parameters = {{"gm", {0.45}}, {"gsd", {0.9}}};
  const auto refused = CheckInputDraft(in);
  ASSERT_TRUE(refused);
  try {
    Read(R"({"iterations": 5, "inputs": {"AirExchangeRate": {"distribution": "lognormal",
             "gm": 0.45, "gsd": 0.9}}})");
    FAIL();
  } catch (const EAssessmentFile &e) {
    EXPECT_NE(std::string(e.what()).find(*refused), std::string::npos) << e.what();
  }
  in.parameters.erase("gsd");
  EXPECT_NE(CheckInputDraft(in).value_or("").find("gsd"), std::string::npos);
  in.parameters["gsd"] = {1.9};
  EXPECT_FALSE(CheckInputDraft(in));
  // Beyond the field's range: the reader's own check against the input.
  InputDraft weight = in;
  weight.name = "BodyWeight";
  weight.family = "normal";
  weight.parameters = {{"mean", {5}}, {"sd", {10}}};
  EXPECT_TRUE(CheckInputDraft(weight));
}

TEST(AssessmentDraft, AFileReadInIsWrittenBackTheSame) {
  const Assessment a = Read(R"({
    "iterations": 200, "seed": 42, "sampling": "random",
    "inputs": {
      "BodyWeight": {"distribution": "lognormal", "mean": 72, "sd": 14, "min": 40, "max": 150},
      "AirExchangeRate": {"distribution": "lognormal", "gm": 0.45, "gsd": 1.9},
      "InterzonalAirflow": {"distribution": "uniform", "min": 2000, "max": 9000},
      "LifeTime": {"distribution": "empirical", "values": [70, 75, 80], "weights": [1, 2, 1]},
      "PaintWeightFraction": {"distribution": "beta", "alpha": 2, "beta": 5, "min": 0.005, "max": 0.03}
    },
    "correlations": [{"between": ["AirExchangeRate", "InterzonalAirflow"], "rank": 0.6}],
    "percentiles": [10, 50, 97.5],
    "reference": {"C8hour": 5, "LADD": 0.1},
    "sensitivity": {"spearman": false, "one-at-a-time": true}
  })");
  const AssessmentDraft draft = DraftFromAssessment(a, {{"BldgVolume", 1000}});
  EXPECT_FALSE(draft.Find("BldgVolume")->varied);
  EXPECT_EQ(draft.Find("BodyWeight")->form, 1u);
  EXPECT_EQ(*draft.Find("BodyWeight")->upper, 150);
  EXPECT_EQ(AssessmentToJson(ReadDraft(draft)), AssessmentToJson(a));
}

TEST(AssessmentDraft, NumberListsAndFileNames) {
  EXPECT_EQ(ParseNumberList(" 1, 2.5;3e-2 "), (std::vector<double>{1, 2.5, 0.03}));
  EXPECT_EQ(ParseNumberList(""), std::vector<double>{});
  EXPECT_FALSE(ParseNumberList("1 two"));
  EXPECT_FALSE(ParseNumberList("1,5x"));
  EXPECT_EQ(DistributionFileFor("/data/House - One Bedroom.vkx"),
            "/data/House - One Bedroom.mc.json");
}

TEST(OfferedDistributions, EachOfferIsOneTheReaderTakesAndFollowsThePerson) {
  TLumoState state;
  ScenarioRecord &s = state.ScenarioRecord;
  s.IndividualType = IndividualType::Adult;
  s.Gender = GenderType::Female;
  s.BldgType = BldgType::House;
  const auto woman = OfferedDistributionFor("BodyWeight", s);
  ASSERT_TRUE(woman);
  EXPECT_NEAR(woman->input.parameters.at("gm")[0], 65.5, 0.05);
  EXPECT_FALSE(CheckInputDraft(woman->input)) << *CheckInputDraft(woman->input);
  s.Gender = GenderType::Male;
  EXPECT_NEAR(OfferedDistributionFor("BodyWeight", s)->input.parameters.at("gm")[0], 79.8, 0.05);
  const auto air = OfferedDistributionFor("AirExchangeRate", s);
  ASSERT_TRUE(air);
  EXPECT_FALSE(CheckInputDraft(air->input));
  // Its median and mean are the published ones.
  const Assessment a = ReadAssessment(
      R"({"iterations": 1, "inputs": {"AirExchangeRate": )" + InputEntryJson(air->input) + "}}",
      ScenarioVariableFields());
  EXPECT_NEAR(Median(a.inputs[0].distribution), 0.3, 1e-12);
  const double gsd = air->input.parameters.at("gsd")[0];
  EXPECT_NEAR(0.3 * std::exp(std::log(gsd) * std::log(gsd) / 2), 0.4, 1e-12);
  // No figure for a child, a person of either sex, or an office's air.
  s.IndividualType = IndividualType::Child;
  EXPECT_FALSE(OfferedDistributionFor("BodyWeight", s));
  s.IndividualType = IndividualType::Adult;
  s.Gender = GenderType::NonSpecific;
  EXPECT_FALSE(OfferedDistributionFor("BodyWeight", s));
  s.BldgType = BldgType::HighRise;
  EXPECT_FALSE(OfferedDistributionFor("AirExchangeRate", s));
}

TEST(AssessmentDraft, EveryFamilyTheWindowOffersHasItsHelpDocument) {
  const std::filesystem::path help = std::filesystem::path(LUMO_SOURCE_DATA_DIR) / "help";
  EXPECT_TRUE(std::filesystem::is_regular_file(help / "Probabilistic.kbn"));
  for (const FamilyForm &f : FamilyForms())
    EXPECT_TRUE(std::filesystem::is_regular_file(help / ("Distribution - " + f.family + ".kbn")))
        << f.family;
}

}  // namespace
}  // namespace lumo::prob
