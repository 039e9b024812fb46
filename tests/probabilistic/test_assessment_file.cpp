// The distribution file: a complete file is read as written, and every kind
// of problem is refused with a sentence that names the key or input, the
// value and what is allowed.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>
#include <set>

#include "assessment_file.h"

namespace lumo::prob {
namespace {

const std::vector<VariableField> kFields = {
    {"AirExchangeRate", 0, 1000, false, "air changes/hour"},
    {"BodyWeight", 1, 1000, false, "kg"},
    {"InterzonalAirflow", 0, 1e12, false, "ft³/hour"},
    {"LifeTime", 1, 150, false, "years"},
    {"NumberOfPainters", 1, 1000, true, ""},
    {"PaintWeightFraction", 0, 1, false, ""},
};

const char *const kExample = R"({
  "iterations": 10000,
  "seed": 20261207,
  "sampling": "latin-hypercube",
  "inputs": {
    "BodyWeight":      {"distribution": "lognormal", "gm": 71.8, "gsd": 1.2, "min": 40, "max": 150},
    "AirExchangeRate": {"distribution": "lognormal", "gm": 0.45, "gsd": 1.9},
    "InterzonalAirflow": {"distribution": "uniform", "min": 100, "max": 900},
    "PaintWeightFraction": {"distribution": "triangular", "min": 0.005, "mode": 0.01, "max": 0.03},
    "LifeTime":        {"distribution": "normal", "mean": 75, "sd": 6, "min": 50}
  },
  "correlations": [{"between": ["AirExchangeRate", "InterzonalAirflow"], "rank": 0.6}],
  "percentiles": [5, 25, 50, 75, 90, 95, 99],
  "reference": {"C8hour": 5.0},
  "sensitivity": {"spearman": true, "one-at-a-time": true}
})";

Assessment Read(const std::string &text) {
  return ReadAssessment(text, kFields);
}

// The sentence a file is refused with, or "(accepted)".
std::string Refusal(const std::string &text) {
  try {
    Read(text);
  } catch (const EAssessmentFile &e) {
    return e.what();
  }
  return "(accepted)";
}

// A file of 100 iterations with the given inputs (and more top-level keys).
std::string WithInputs(const std::string &inputs, const std::string &more = "") {
  return R"({"iterations": 100, "inputs": {)" + inputs + "}" + (more.empty() ? "" : ", " + more) +
         "}";
}

TEST(AssessmentFile, TheExampleIsReadAsWritten) {
  const Assessment a = Read(kExample);
  EXPECT_EQ(a.iterations, 10000u);
  EXPECT_EQ(a.seed, 20261207u);
  EXPECT_EQ(a.sampling, Sampling::LatinHypercube);
  ASSERT_EQ(a.inputs.size(), 5u);
  // Sorted by name, each with its field.
  EXPECT_EQ(a.inputs[0].name, "AirExchangeRate");
  EXPECT_EQ(a.inputs[1].name, "BodyWeight");
  EXPECT_EQ(a.inputs[1].field.unit, "kg");
  const auto &bw = std::get<LogNormal>(a.inputs[1].distribution.Shape());
  EXPECT_EQ(bw.gm, 71.8);
  EXPECT_EQ(bw.gsd, 1.2);
  EXPECT_EQ(a.inputs[1].distribution.Lower(), 40);
  EXPECT_EQ(a.inputs[1].distribution.Upper(), 150);
  EXPECT_EQ(a.inputs[2].distribution.Lower(), -Distribution::kNone);  // a uniform's own bounds
  EXPECT_EQ(a.inputs[3].distribution.Lower(), 50);
  EXPECT_EQ(a.inputs[3].distribution.Upper(), Distribution::kNone);
  ASSERT_EQ(a.correlations.size(), 1u);
  EXPECT_EQ(a.correlations[0].rank, 0.6);
  EXPECT_EQ(a.percentiles, (std::vector<double>{5, 25, 50, 75, 90, 95, 99}));
  ASSERT_EQ(a.reference.size(), 1u);
  EXPECT_EQ(a.reference[0].result, "C8hour");
  EXPECT_TRUE(a.sensitivity.oneAtATime);
  EXPECT_FALSE(a.sensitivity.sobol);
}

TEST(AssessmentFile, AbsentKeysTakeTheirDefaults) {
  const Assessment a =
      Read(WithInputs(R"("BodyWeight": {"distribution": "uniform", "min": 50, "max": 90})"));
  EXPECT_FALSE(a.seed);
  EXPECT_EQ(a.sampling, Sampling::LatinHypercube);
  EXPECT_EQ(a.percentiles, (std::vector<double>{5, 25, 50, 75, 90, 95, 99}));
  EXPECT_TRUE(a.reference.empty());
  EXPECT_TRUE(a.sensitivity.spearman);
  EXPECT_FALSE(a.sensitivity.oneAtATime);
  EXPECT_FALSE(a.sensitivity.sobol);

  const Assessment s =
      Read(WithInputs(R"("BodyWeight": {"distribution": "uniform", "min": 50, "max": 90})",
                      R"("sampling": "random", "seed": 18446744073709551615,
                                          "percentiles": [99, 2.5],
                                          "sensitivity": {"sobol": {"base-samples": 64}})"));
  EXPECT_EQ(s.sampling, Sampling::Random);
  EXPECT_EQ(s.seed, UINT64_MAX);
  EXPECT_EQ(s.percentiles, (std::vector<double>{2.5, 99}));
  ASSERT_TRUE(s.sensitivity.sobol);
  EXPECT_EQ(s.sensitivity.sobol->baseSamples, 64u);
  EXPECT_EQ(s.sensitivity.sobol->bootstrap, 200u);
}

TEST(AssessmentFile, EveryFamilyIsReadWithItsParameters) {
  const Assessment a = Read(WithInputs(R"(
    "AirExchangeRate": {"distribution": "loguniform", "min": 0.1, "max": 10},
    "BodyWeight": {"distribution": "lognormal", "mean": 70, "sd": 14},
    "InterzonalAirflow": {"distribution": "gamma", "shape": 2, "scale": 300},
    "LifeTime": {"distribution": "weibull", "shape": 8, "scale": 78, "max": 150},
    "NumberOfPainters": {"distribution": "empirical", "values": [1, 2, 3], "weights": [5, 3, 1]},
    "PaintWeightFraction": {"distribution": "beta", "alpha": 2, "beta": 5, "min": 0, "max": 0.1})"));
  EXPECT_TRUE(std::holds_alternative<LogUniform>(a.inputs[0].distribution.Shape()));
  const auto &bw = std::get<LogNormal>(a.inputs[1].distribution.Shape());
  EXPECT_TRUE(bw.byMoments);
  EXPECT_EQ(bw.mean, 70);
  EXPECT_TRUE(std::holds_alternative<Gamma>(a.inputs[2].distribution.Shape()));
  EXPECT_EQ(a.inputs[3].distribution.Upper(), 150);
  EXPECT_EQ(std::get<Empirical>(a.inputs[4].distribution.Shape()).weights,
            (std::vector<double>{5, 3, 1}));
  EXPECT_EQ(std::get<Beta>(a.inputs[5].distribution.Shape()).max, 0.1);
}

struct RefusedFile {
  std::string text;
  std::vector<std::string> parts;  // of the sentence
};

void ExpectRefused(const std::vector<RefusedFile> &cases) {
  for (const RefusedFile &c : cases) {
    const std::string message = Refusal(c.text);
    for (const std::string &part : c.parts)
      EXPECT_NE(message.find(part), std::string::npos)
          << "file: " << c.text << "\nmessage: " << message << "\nlacks: " << part;
  }
}

const std::string kBw = R"("BodyWeight": {"distribution": "uniform", "min": 50, "max": 90})";

TEST(AssessmentFile, MalformedDocumentsAreRefused) {
  ExpectRefused({
      {"", {"not valid JSON"}},
      {R"({"iterations": 100,)", {"not valid JSON", "line 1"}},
      {"[1, 2]", {"one JSON object", "array"}},
      {R"({"iterations": 100, "inputs": {"BodyWeight": {"distribution": "fixed", "value": 70,
           "value": 80}}})",
       {"\"value\" is given twice", "\"BodyWeight\""}},
      {R"({"iterations": 100, "iterations": 200, "inputs": {}})",
       {"\"iterations\" is given twice"}},
      {"{\"iterations\": 100, \"inputs\": {\"Body\xff\": {}}}", {"not valid JSON"}},
  });
}

TEST(AssessmentFile, TopLevelProblemsAreRefused) {
  ExpectRefused({
      {WithInputs(kBw, R"("iteration": 5)"),
       {"\"iteration\" is unknown", "did you mean \"iterations\""}},
      {WithInputs(kBw, R"("correlation": [])"),
       {"\"correlation\"", "did you mean \"correlations\""}},
      {R"({"inputs": {)" + kBw + "}}", {"\"iterations\" is missing"}},
      {R"({"iterations": 0, "inputs": {)" + kBw + "}}", {"\"iterations\" is 0", "1 to 10000000"}},
      {R"({"iterations": 10000001, "inputs": {)" + kBw + "}}", {"10000001", "1 to 10000000"}},
      {R"({"iterations": 2.5, "inputs": {)" + kBw + "}}", {"2.5", "whole number"}},
      {R"({"iterations": -3, "inputs": {)" + kBw + "}}", {"-3", "whole number"}},
      {R"({"iterations": "100", "inputs": {)" + kBw + "}}", {"whole number", "\"100\""}},
      {WithInputs(kBw, R"("seed": -1)"), {"\"seed\" is -1", "18446744073709551615"}},
      {WithInputs(kBw, R"("seed": 18446744073709551616)"), {"\"seed\"", "whole number"}},
      {WithInputs(kBw, R"("sampling": "lhs")"), {"\"sampling\" is \"lhs\"", "\"latin-hypercube\""}},
      {R"({"iterations": 100})", {"\"inputs\" is missing"}},
      {WithInputs(""), {"\"inputs\" is empty"}},
      {R"({"iterations": 100, "inputs": [1]})", {"\"inputs\" must be an object"}},
      {WithInputs(R"("BodyWeight": {"distribution": "fixed", "value": 70})"),
       {"None of the inputs varies"}},
  });
}

TEST(AssessmentFile, InputProblemsAreRefusedNamingTheInput) {
  ExpectRefused({
      {WithInputs(R"("BodyWieght": {"distribution": "fixed", "value": 70})"),
       {"\"BodyWieght\" in \"inputs\" is not an input that can vary",
        "did you mean \"BodyWeight\""}},
      {WithInputs(R"("Volume": {"distribution": "fixed", "value": 70})"),
       {"\"Volume\"", "the inputs that can vary are: AirExchangeRate, BodyWeight,"}},
      {WithInputs(R"("BodyWeight": 70)"), {"Input \"BodyWeight\" must be an object", "70"}},
      {WithInputs(R"("BodyWeight": {"gm": 70, "gsd": 1.2})"),
       {"Input \"BodyWeight\": \"distribution\" is missing", "\"lognormal\""}},
      {WithInputs(R"("BodyWeight": {"distribution": "log-normal", "gm": 70, "gsd": 1.2})"),
       {"Input \"BodyWeight\"", "\"log-normal\" is unknown", "did you mean \"lognormal\""}},
      {WithInputs(R"("BodyWeight": {"distribution": "normal", "mean": 70, "sigma": 5})"),
       {"Input \"BodyWeight\"", "\"sigma\" is not a parameter of the normal distribution",
        "\"mean\", \"sd\"; optional \"min\", \"max\""}},
      {WithInputs(R"("BodyWeight": {"distribution": "normal", "mean": 70})"),
       {"Input \"BodyWeight\"", "the normal distribution needs \"sd\""}},
      {WithInputs(R"("BodyWeight": {"distribution": "lognormal", "gm": 70, "sd": 5})"),
       {"either \"gm\", \"gsd\" or \"mean\", \"sd\", not both"}},
      {WithInputs(R"("BodyWeight": {"distribution": "normal", "mean": "70", "sd": 5})"),
       {"Input \"BodyWeight\": \"mean\" must be a number", "\"70\""}},
      {WithInputs(R"("BodyWeight": {"distribution": "normal", "mean": 1e999, "sd": 5})"),
       {"not valid JSON", "1e999"}},
      {WithInputs(R"("BodyWeight": {"distribution": "normal", "mean": 70, "sd": 0})"),
       {"Input \"BodyWeight\": sd is 0; it must be above 0"}},
      {WithInputs(R"("BodyWeight": {"distribution": "lognormal", "gm": 70, "gsd": 0.9})"),
       {"Input \"BodyWeight\": gsd is 0.9", "above 1"}},
      {WithInputs(R"("BodyWeight": {"distribution": "uniform", "min": 90, "max": 50})"),
       {"Input \"BodyWeight\": min (90) must be below max (50)"}},
      {WithInputs(
           R"("PaintWeightFraction": {"distribution": "triangular", "min": 0.01, "mode": 0.05, "max": 0.03})"),
       {"Input \"PaintWeightFraction\": mode is 0.05", "between min 0.01 and max 0.03"}},
      {WithInputs(
           R"("PaintWeightFraction": {"distribution": "beta", "alpha": 0, "beta": 2, "min": 0, "max": 1})"),
       {"Input \"PaintWeightFraction\": alpha is 0"}},
      {WithInputs(R"("BodyWeight": {"distribution": "gamma", "shape": 2, "scale": -1})"),
       {"scale is -1"}},
      {WithInputs(R"("BodyWeight": {"distribution": "weibull", "shape": 0, "scale": 70})"),
       {"shape is 0"}},
      {WithInputs(R"("AirExchangeRate": {"distribution": "loguniform", "min": 0, "max": 3})"),
       {"Input \"AirExchangeRate\": min is 0"}},
      {WithInputs(R"("BodyWeight": {"distribution": "empirical", "values": []})"),
       {"values is empty"}},
      {WithInputs(R"("BodyWeight": {"distribution": "empirical", "values": [60, "70"]})"),
       {"\"values\" (a member) must be a number"}},
      {WithInputs(
           R"("BodyWeight": {"distribution": "empirical", "values": [60, 70], "weights": [1, -2]})"),
       {"weights holds -2", "0 or more"}},
      {WithInputs(
           R"("BodyWeight": {"distribution": "empirical", "values": [60, 70], "weights": [0, 0]})"),
       {"add up to 0"}},
      {WithInputs(R"("BodyWeight": {"distribution": "normal", "mean": 70, "sd": 5, "min": 2000})"),
       {"Input \"BodyWeight\": no probability", "between min 2000 and max infinity"}},
  });
}

TEST(AssessmentFile, DistributionsReachingOutsideTheInputsRangeAreRefused) {
  ExpectRefused({
      // 5 % of N(1, 0.6) lies below 0.0135...: about 4.8 % below 0 here.
      {WithInputs(R"("PaintWeightFraction": {"distribution": "normal", "mean": 0.5, "sd": 0.3})"),
       {"Input \"PaintWeightFraction\":",
        "% of its normal distribution lies outside its allowed "
        "range, 0 to 1",
        "add \"min\" and/or \"max\""}},
      {WithInputs(R"("BodyWeight": {"distribution": "uniform", "min": 0, "max": 90})"),
       {"Input \"BodyWeight\": 1.11 % of its uniform distribution", "1 to 1000 kg",
        "change \"min\" and \"max\""}},
      {WithInputs(R"("BodyWeight": {"distribution": "fixed", "value": 0.5})"),
       {"Input \"BodyWeight\": the value 0.5 is outside its allowed range, 1 to 1000 kg"}},
      {WithInputs(R"("LifeTime": {"distribution": "empirical", "values": [50, 70, 200]})"),
       {"Input \"LifeTime\": 33.3 % of its empirical"}},
  });
  // Up to 0.1 % may lie outside: N(75, 25) has 0.1 % above 152.3 and 0.14 %
  // below 1 — too much; cut at 1 it is accepted.
  EXPECT_NE(
      Refusal(WithInputs(R"("LifeTime": {"distribution": "normal", "mean": 80, "sd": 23.5})")),
      "(accepted)");
  EXPECT_EQ(Refusal(WithInputs(R"("LifeTime": {"distribution": "normal", "mean": 75, "sd": 20})")),
            "(accepted)");
  EXPECT_EQ(
      Refusal(WithInputs(
          R"("LifeTime": {"distribution": "normal", "mean": 80, "sd": 23.5, "min": 1, "max": 150})")),
      "(accepted)");
}

const std::string kTwo =
    R"("AirExchangeRate": {"distribution": "lognormal", "gm": 0.45, "gsd": 1.9},
       "InterzonalAirflow": {"distribution": "uniform", "min": 100, "max": 900},
       "BodyWeight": {"distribution": "uniform", "min": 50, "max": 90},
       "LifeTime": {"distribution": "fixed", "value": 75})";

TEST(AssessmentFile, CorrelationProblemsAreRefused) {
  auto with = [](const std::string &correlations) {
    return WithInputs(kTwo, R"("correlations": )" + correlations);
  };
  ExpectRefused({
      {with(R"({"between": ["AirExchangeRate", "BodyWeight"], "rank": 0.5})"), {"must be a list"}},
      {with(R"([{"between": ["AirExchangeRate", "BodyWeight"], "rnak": 0.5}])"),
       {"\"rnak\" in \"correlations\" is unknown", "did you mean \"rank\""}},
      {with(R"([{"between": ["AirExchangeRate"], "rank": 0.5}])"), {"must name two inputs"}},
      {with(R"([{"between": ["AirExchangeRate", "BodyWeight"]}])"),
       {"needs \"between\" (two inputs) and \"rank\""}},
      {with(R"([{"between": ["AirExchangeRate", "BodyWeight"], "rank": 1.5}])"),
       {"between \"AirExchangeRate\" and \"BodyWeight\" is 1.5", "from -1 to 1"}},
      {with(R"([{"between": ["BodyWeight", "BodyWeight"], "rank": 0.5}])"), {"and itself"}},
      {with(R"([{"between": ["AirExchangeRate", "PaintWeightFraction"], "rank": 0.5}])"),
       {"\"PaintWeightFraction\", which is not among \"inputs\""}},
      {with(R"([{"between": ["AirExchangeRate", "LifeTime"], "rank": 0.5}])"),
       {"\"LifeTime\", which does not vary"}},
      {with(R"([{"between": ["AirExchangeRate", "BodyWeight"], "rank": 0.5},
                {"between": ["BodyWeight", "AirExchangeRate"], "rank": 0.4}])"),
       {"between \"BodyWeight\" and \"AirExchangeRate\" is given twice"}},
      // A and B with C at 0.9 each cannot be uncorrelated with each other.
      {with(R"([{"between": ["AirExchangeRate", "BodyWeight"], "rank": 0.9},
                {"between": ["BodyWeight", "InterzonalAirflow"], "rank": 0.9},
                {"between": ["AirExchangeRate", "InterzonalAirflow"], "rank": -0.2}])"),
       {"\"AirExchangeRate\", \"BodyWeight\", \"InterzonalAirflow\" cannot hold together",
        "not positive definite"}},
      {with(R"([{"between": ["AirExchangeRate", "BodyWeight"], "rank": 1}])"),
       {"not positive definite"}},
      {WithInputs(kTwo,
                  R"("correlations": [{"between": ["AirExchangeRate", "BodyWeight"], "rank": 0.5}],
                           "sensitivity": {"sobol": {"base-samples": 100}})"),
       {"Sobol indices assume independent inputs", "remove \"sobol\""}},
  });
  EXPECT_EQ(Refusal(with(R"([{"between": ["AirExchangeRate", "BodyWeight"], "rank": -0.99}])")),
            "(accepted)");
}

TEST(AssessmentFile, PercentileReferenceAndSensitivityProblemsAreRefused) {
  ExpectRefused({
      {WithInputs(kBw, R"("percentiles": [])"), {"\"percentiles\" must be a list"}},
      {WithInputs(kBw, R"("percentiles": [0])"), {"\"percentiles\" holds 0", "between 0 and 100"}},
      {WithInputs(kBw, R"("percentiles": [100])"), {"holds 100"}},
      {WithInputs(kBw, R"("percentiles": [50, 50])"), {"holds 50 twice"}},
      {WithInputs(kBw, R"("reference": {"C8Hour": 5})"),
       {"\"C8Hour\" in \"reference\" is not a result", "did you mean \"C8hour\""}},
      {WithInputs(kBw, R"("reference": {"Dose": 5})"),
       {"\"Dose\"", "the results are: LADD, ADD, LADC, ADC, Cpeak, SingleEventDose"}},
      {WithInputs(kBw, R"("reference": {"LADD": -1})"), {"reference value of \"LADD\" is -1"}},
      {WithInputs(kBw, R"("reference": {"LADD": null})"),
       {"reference value of \"LADD\" must be a number"}},
      {WithInputs(kBw, R"("sensitivity": {"spearman": "yes"})"),
       {"\"spearman\" must be true or false"}},
      {WithInputs(kBw, R"("sensitivity": {"one_at_a_time": true})"),
       {"\"one_at_a_time\" in \"sensitivity\" is unknown", "did you mean \"one-at-a-time\""}},
      {WithInputs(kBw, R"("sensitivity": {"sobol": true})"), {"\"sobol\" must be an object"}},
      {WithInputs(kBw, R"("sensitivity": {"sobol": {}})"), {"\"sobol\" needs \"base-samples\""}},
      {WithInputs(kBw, R"("sensitivity": {"sobol": {"base-samples": 1}})"),
       {"\"base-samples\" is 1; it must be from 2 to 10000000"}},
      {WithInputs(kBw, R"("sensitivity": {"sobol": {"base-samples": 10, "bootstrap": -1}})"),
       {"\"bootstrap\" is -1", "0 to 100000"}},
      {WithInputs(kBw, R"("sensitivity": {"sobol": {"base-samples": 10, "bootstraps": 5}})"),
       {"\"bootstraps\" in \"sobol\" is unknown"}},
  });
  EXPECT_EQ(Refusal(WithInputs(kBw, R"("sensitivity": {"sobol": false})")), "(accepted)");
}

TEST(AssessmentFile, WritingBackGivesTheSameAssessment) {
  const std::string files[] = {kExample,
                               WithInputs(R"(
        "AirExchangeRate": {"distribution": "loguniform", "min": 0.1, "max": 10},
        "BodyWeight": {"distribution": "lognormal", "mean": 70.1, "sd": 14, "min": 20},
        "InterzonalAirflow": {"distribution": "gamma", "shape": 2, "scale": 300, "max": 1e5},
        "LifeTime": {"distribution": "fixed", "value": 75},
        "NumberOfPainters": {"distribution": "empirical", "values": [1, 2, 3], "weights": [5, 3, 1]},
        "PaintWeightFraction": {"distribution": "beta", "alpha": 2, "beta": 5, "min": 0, "max": 0.1})",
                                          R"("sampling": "random", "percentiles": [0.1, 99.9],
                    "sensitivity": {"spearman": false, "sobol": {"base-samples": 512, "bootstrap": 0}})")};
  for (const std::string &file : files) {
    const std::string written = AssessmentToJson(Read(file));
    EXPECT_EQ(AssessmentToJson(Read(written)), written);
    const Assessment again = Read(written);
    const Assessment original = Read(file);
    EXPECT_EQ(again.seed, original.seed);
    EXPECT_EQ(again.inputs.size(), original.inputs.size());
    for (std::size_t j = 0; j < again.inputs.size(); ++j)
      for (double u : {0.01, 0.5, 0.99})
        EXPECT_EQ(Quantile(again.inputs[j].distribution, u),
                  Quantile(original.inputs[j].distribution, u));
  }
  // Written back, the lognormal keeps the form it was given in.
  EXPECT_NE(AssessmentToJson(Read(files[1])).find("\"mean\": 70.1"), std::string::npos);
}

TEST(AssessmentFile, AFileIsNamedInItsRefusal) {
  const auto dir = std::filesystem::temp_directory_path() / "lumo_assessment_file_test";
  std::filesystem::create_directories(dir);
  const auto file = dir / "assessment.json";
  std::ofstream(file) << R"({"iterations": 0})";
  try {
    ReadAssessmentFile(file, kFields);
    ADD_FAILURE() << "accepted";
  } catch (const EAssessmentFile &e) {
    EXPECT_EQ(std::string(e.what()).rfind(file.string() + ": \"iterations\" is 0", 0), 0u)
        << e.what();
  }
  try {
    ReadAssessmentFile(dir / "missing.json", kFields);
    ADD_FAILURE() << "accepted";
  } catch (const EAssessmentFile &e) {
    EXPECT_NE(std::string(e.what()).find("missing.json: there is no such file"), std::string::npos);
  }
  std::ofstream(file) << kExample;
  EXPECT_EQ(ReadAssessmentFile(file, kFields).iterations, 10000u);
  std::filesystem::remove_all(dir);
}

TEST(AssessmentFile, TheReadmesExampleIsAccepted) {
  std::ifstream in(std::string(LUMO_SOURCE_DATA_DIR) + "/../README.md");
  ASSERT_TRUE(in);
  const std::string readme{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  const auto section = readme.find("## The distribution file");
  ASSERT_NE(section, std::string::npos);
  const auto start = readme.find("```json\n", section);
  const auto end = readme.find("```\n", start + 8);
  ASSERT_NE(end, std::string::npos);
  const Assessment a = Read(readme.substr(start + 8, end - start - 8));
  EXPECT_EQ(a.inputs.size(), 5u);
  EXPECT_EQ(a.correlations.size(), 1u);
}

TEST(AssessmentFile, AByteOrderMarkIsAllowed) {
  EXPECT_EQ(Read("\xEF\xBB\xBF" + WithInputs(kBw)).iterations, 100u);
}

// The shipped JSON Schema describes the same file as the reader: the same
// top-level keys and, for each distribution, the same parameters.
TEST(AssessmentFile, TheSchemaMatchesTheReader) {
  std::ifstream in(std::string(LUMO_SOURCE_DATA_DIR) + "/assessment.schema.json");
  ASSERT_TRUE(in);
  const nlohmann::json schema = nlohmann::json::parse(in);
  EXPECT_EQ(schema["$schema"], "https://json-schema.org/draft/2020-12/schema");
  std::set<std::string> top;
  for (const auto &[key, value] : schema["properties"].items()) top.insert(key);
  EXPECT_EQ(top,
            (std::set<std::string>{"$schema", "iterations", "seed", "sampling", "inputs",
                                   "correlations", "percentiles", "reference", "sensitivity"}));
  EXPECT_EQ(schema["additionalProperties"], false);
  std::set<std::string> results;
  for (const auto &[key, value] : schema["properties"]["reference"]["properties"].items())
    results.insert(key);
  EXPECT_EQ(results, std::set<std::string>(std::begin(kResultNames), std::end(kResultNames)));

  const auto &families = schema["$defs"]["distribution"]["oneOf"];
  ASSERT_EQ(families.size(), DistributionFamilies().size());
  for (const FamilyParameters &family : DistributionFamilies()) {
    const nlohmann::json *found = nullptr;
    for (const auto &f : families)
      if (f["properties"]["distribution"]["const"] == family.family) found = &f;
    ASSERT_TRUE(found) << family.family;
    std::set<std::string> expected{"distribution"}, inSchema;
    for (const auto &form : family.forms) expected.insert(form.begin(), form.end());
    expected.insert(family.optional.begin(), family.optional.end());
    for (const auto &[key, value] : (*found)["properties"].items()) inSchema.insert(key);
    EXPECT_EQ(inSchema, expected) << family.family;
    EXPECT_EQ((*found)["additionalProperties"], false) << family.family;
  }
}

}  // namespace
}  // namespace lumo::prob
