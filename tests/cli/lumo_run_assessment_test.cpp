// lumo-run --monte-carlo as a user runs it: the summary, the JSON object, the
// samples file, the same output on any number of threads, refusals that run
// nothing, and Ctrl+C.
#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <thread>

#include "lumo_run_fixture.h"
#include "variable_inputs.h"

namespace lumo {
namespace {

const char *const kAssessment = R"({
  "iterations": 100,
  "seed": 20261207,
  "sampling": "latin-hypercube",
  "inputs": {
    "BodyWeight": {"distribution": "lognormal", "gm": 71.8, "gsd": 1.2, "min": 40, "max": 150},
    "AirExchangeRate": {"distribution": "lognormal", "gm": 0.45, "gsd": 1.9},
    "PaintWeightFraction": {"distribution": "triangular", "min": 0.005, "mode": 0.01, "max": 0.03},
    "LifeTime": {"distribution": "normal", "mean": 75, "sd": 6, "min": 50}
  },
  "percentiles": [5, 50, 95, 97.5],
  "reference": {"C8hour": 5.0},
  "sensitivity": {"spearman": true, "one-at-a-time": true}
})";

class LumoRunAssessment : public LumoRun {
 protected:
  std::string Write(const std::string &name, const std::string &text) {
    std::ofstream(dataDir.File(name), std::ios::binary) << text;
    return dataDir.File(name);
  }
};

TEST_F(LumoRunAssessment, JsonHasEveryFigureAndDoesNotDependOnTheThreads) {
  const std::string dist = Write("dist.json", kAssessment);
  ASSERT_EQ(Run({"--monte-carlo", dist, "--default", "--json", "--threads", "1"}), 0) << err;
  const std::string oneThread = out;
  ASSERT_EQ(Run({"--monte-carlo", dist, "--default", "--json", "--threads", "2"}), 0) << err;
  EXPECT_EQ(out, oneThread);

  const nlohmann::json j = nlohmann::json::parse(out);
  EXPECT_EQ(j["iterations"], 100);
  EXPECT_EQ(j["seed"], 20261207);
  EXPECT_EQ(j["sampling"], "latin-hypercube");
  EXPECT_FALSE(j["version"].get<std::string>().empty());
  EXPECT_EQ(j["partial"], false);
  EXPECT_NEAR(j["deterministic"]["LADD"].get<double>(), 0.1637339, 1e-6);
  for (const char *result : {"LADD", "ADD", "LADC", "ADC", "Cpeak", "SingleEventDose", "APDR",
                             "APDRtime", "C15min", "C8hour"}) {
    const nlohmann::json &r = j["results"][result];
    ASSERT_TRUE(r.is_object()) << result;
    EXPECT_LE(r["min"].get<double>(), r["percentiles"]["5"].get<double>()) << result;
    EXPECT_LE(r["percentiles"]["95"].get<double>(), r["max"].get<double>()) << result;
    EXPECT_TRUE(r["percentiles"].contains("97.5")) << result;
    EXPECT_EQ(r["percentile-ci"]["50"].size(), 2u) << result;
    EXPECT_EQ(r["convergence"].size(), 3u) << result;
    EXPECT_EQ(r.contains("exceedance"), std::string(result) == "C8hour") << result;
    for (const char *input : {"AirExchangeRate", "BodyWeight", "LifeTime", "PaintWeightFraction"}) {
      const nlohmann::json &s = j["sensitivity"][result][input];
      EXPECT_TRUE(s.contains("spearman") && s.contains("oat-low") && s.contains("oat-high"))
          << result << " " << input;
      EXPECT_FALSE(s.contains("S1")) << "not asked";
    }
  }
  // Body weight moves the dose and not the concentration.
  EXPECT_LT(j["sensitivity"]["ADD"]["BodyWeight"]["spearman"].get<double>(), -0.1);
  EXPECT_GT(j["sensitivity"]["ADD"]["BodyWeight"]["oat-low"].get<double>(),
            j["sensitivity"]["ADD"]["BodyWeight"]["oat-high"].get<double>());
  EXPECT_EQ(j["sensitivity"]["LADC"]["BodyWeight"]["oat-low"].get<double>(),
            j["sensitivity"]["LADC"]["BodyWeight"]["oat-high"].get<double>());
  // A higher air exchange rate dilutes: every result but the time of the
  // highest dose rate falls with it.
  EXPECT_LT(j["sensitivity"]["C8hour"]["AirExchangeRate"]["spearman"].get<double>(), -0.5);
  const double exceed = j["results"]["C8hour"]["exceedance"]["probability"].get<double>();
  EXPECT_GT(exceed, 0.0);
  EXPECT_LT(exceed, 1.0);
  // An assessment writes no concentration file, dump or emission file.
  EXPECT_FALSE(fs::exists(programDir.File("lumo.CSV")));
  EXPECT_FALSE(fs::exists(programDir.File("emission.csv")));
  EXPECT_FALSE(fs::exists(programDir.File("xferlumo32.txt")));
}

TEST_F(LumoRunAssessment, SummaryAndSamplesFile) {
  const std::string dist = Write("dist.json", kAssessment);
  const std::string samples = dataDir.File("samples.csv");
  ASSERT_EQ(Run({"--monte-carlo", dist, "--default", "--samples", samples}), 0) << err;
  EXPECT_TRUE(Has(out, "Probabilistic assessment of: ")) << out;
  EXPECT_TRUE(Has(out, "seed 20261207")) << out;
  EXPECT_TRUE(Has(out, "Lifetime average daily dose")) << out;
  EXPECT_TRUE(Has(out, "P97.5")) << out;
  EXPECT_TRUE(Has(out, "P(C8hour > 5.00E+000) = ")) << out;
  EXPECT_TRUE(Has(out, "convergence (iterations: mean, P95): 25: ")) << out;
  EXPECT_FALSE(Has(out, "PARTIAL")) << out;

  std::ifstream csv(samples);
  std::string line;
  ASSERT_TRUE(std::getline(csv, line));
  EXPECT_EQ(line,
            "Iteration,AirExchangeRate,BodyWeight,LifeTime,PaintWeightFraction,LADD,ADD,LADC,ADC,"
            "Cpeak,SingleEventDose,APDR,APDRtime,C15min,C8hour");
  std::size_t rows = 0;
  while (std::getline(csv, line)) {
    ++rows;
    EXPECT_EQ(std::count(line.begin(), line.end(), ','), 14) << line;
  }
  EXPECT_EQ(rows, 100u);
}

TEST_F(LumoRunAssessment, WithoutASeedOneIsChosenAndReported) {
  nlohmann::json dist = nlohmann::json::parse(kAssessment);
  dist.erase("seed");
  const std::string file = Write("dist.json", dist.dump());
  ASSERT_EQ(Run({"--monte-carlo", file, "--default", "--json"}), 0) << err;
  const nlohmann::json first = nlohmann::json::parse(out);
  ASSERT_TRUE(first["seed"].is_number_unsigned());
  // The reported seed repeats the run.
  dist["seed"] = first["seed"];
  ASSERT_EQ(Run({"--monte-carlo", Write("again.json", dist.dump()), "--default", "--json"}), 0);
  const nlohmann::json again = nlohmann::json::parse(out);
  EXPECT_EQ(again["results"], first["results"]);
}

TEST_F(LumoRunAssessment, RefusalsNameTheProblemAndRunNothing) {
  const std::string samples = dataDir.File("samples.csv");
  struct Case {
    const char *json;
    const char *says;
  } cases[] = {
      {R"({"iterations": 10, "inputs": {"BodyWieght": {"distribution": "fixed", "value": 70}}})",
       "BodyWieght"},
      {R"({"iterations": 10, "inputs": {"BodyWeight": {"distribution": "normal", "mean": 70, "sd": -1}}})",
       "sd"},
      {R"({"iterations": 10, "inputs": {"SinkArea2": {"distribution": "uniform", "min": 1, "max": 2}}})",
       "SinkArea2"},
      {R"({"iterations": 10, "inputs": {)", "dist.json"},
  };
  for (const Case &c : cases) {
    const std::string dist = Write("dist.json", c.json);
    EXPECT_EQ(Run({"--monte-carlo", dist, "--default", "--samples", samples}), 1) << c.json;
    EXPECT_TRUE(Has(err, "lumo-run: ")) << err;
    EXPECT_TRUE(Has(err, c.says)) << c.json << "\n" << err;
    EXPECT_EQ(out, "") << c.json;
    EXPECT_FALSE(fs::exists(samples)) << c.json;
  }
  // A samples file that cannot be written is refused before the run.
  const std::string dist = Write("dist.json", kAssessment);
  EXPECT_EQ(Run({"--monte-carlo", dist, "--default", "--samples", dataDir.File("no/such/x.csv")}),
            1);
  EXPECT_TRUE(Has(err, "samples file")) << err;
  EXPECT_EQ(out, "");
  // A scenario file that is not there.
  EXPECT_EQ(Run({"--monte-carlo", dist, dataDir.File("missing.vkx")}), 1);
  EXPECT_TRUE(Has(err, "missing.vkx")) << err;
}

TEST_F(LumoRunAssessment, CtrlCReportsTheIterationsDoneAsPartial) {
  nlohmann::json dist = nlohmann::json::parse(kAssessment);
  dist["iterations"] = 300000;
  const std::string file = Write("dist.json", dist.dump());
  const pid_t pid = Spawn({"--monte-carlo", file, "--default", "--json", "--threads", "2"});
  ASSERT_GT(pid, 0);
  std::this_thread::sleep_for(std::chrono::milliseconds(3000));
  ::kill(pid, SIGINT);
  ASSERT_EQ(Finish(pid), 130) << err;
  const nlohmann::json j = nlohmann::json::parse(out);
  EXPECT_EQ(j["partial"], true);
  const std::size_t ran = j["iterations-run"];
  EXPECT_GT(ran, 0u);
  EXPECT_LT(ran, 300000u);
  EXPECT_EQ(j["results"]["LADD"]["count"].get<std::size_t>(), ran);
}

TEST_F(LumoRunAssessment, ShardsMergedPrintWhatOneProcessPrints) {
  nlohmann::json dist = nlohmann::json::parse(kAssessment);
  dist["iterations"] = 40;
  const std::string file = Write("dist.json", dist.dump());
  for (const bool json : {true, false}) {
    std::vector<std::string> args = {"--monte-carlo", file, "--default"};
    if (json) args.push_back("--json");
    std::vector<std::string> single = args;
    single.insert(single.end(), {"--samples", dataDir.File("one.csv")});
    ASSERT_EQ(Run(single), 0) << err;
    const std::string one = out;
    std::vector<std::string> merge = {"--merge", dataDir.File("merged.out"), "--samples",
                                      dataDir.File("merged.csv")};
    if (json) merge.push_back("--json");
    for (int k = 3; k >= 1; --k) {
      const std::string part = dataDir.File("part" + std::to_string(k) + ".bin");
      std::vector<std::string> shard = args;
      shard.insert(shard.end(), {"--shard", std::to_string(k) + "/3", "--partial", part});
      ASSERT_EQ(Run(shard), 0) << err;
      EXPECT_EQ(out, "");
      EXPECT_TRUE(Has(err, "shard " + std::to_string(k) + " of 3")) << err;
      merge.push_back(part);
    }
    ASSERT_EQ(Run(merge), 0) << err;
    EXPECT_EQ(test::ReadFileBytes(dataDir.File("merged.out")), one);
    EXPECT_EQ(test::ReadFileBytes(dataDir.File("merged.csv")),
              test::ReadFileBytes(dataDir.File("one.csv")));
  }
  // A part missing: refused, nothing written.
  fs::remove(dataDir.File("merged.out"));
  EXPECT_EQ(Run({"--merge", dataDir.File("merged.out"), dataDir.File("part1.bin"),
                 dataDir.File("part2.bin")}),
            1);
  EXPECT_TRUE(Has(err, "Shard 3 of 3 is missing")) << err;
  EXPECT_FALSE(fs::exists(dataDir.File("merged.out")));
  // Shards need the seed in the file.
  dist.erase("seed");
  EXPECT_EQ(Run({"--monte-carlo", Write("noseed.json", dist.dump()), "--default", "--shard", "1/2",
                 "--partial", dataDir.File("p.bin")}),
            1);
  EXPECT_TRUE(Has(err, "needs a \"seed\"")) << err;
  EXPECT_FALSE(fs::exists(dataDir.File("p.bin")));
}

TEST_F(LumoRunAssessment, SeveralScenariosOneDistributionFile) {
  const std::string dist = Write("dist.json", kAssessment);
  const std::string office = Save("office.vkx", [](LumoTransfer &s) {
    // Painted twice a year: other doses from the same design.
    ApplyVariableInput(s, *FindVariableInput("EventsPerYear"), 2);
  });
  const std::string samples = dataDir.File("samples.csv");
  ASSERT_EQ(Run({"--monte-carlo", dist, "--default", office, dataDir.File("missing.vkx"), "--json",
                 "--samples", samples}),
            1);
  EXPECT_TRUE(Has(err, "missing.vkx")) << err;
  const nlohmann::json all = nlohmann::json::parse(out);
  ASSERT_EQ(all.size(), 3u);
  EXPECT_EQ(all[1]["scenario"], office);
  EXPECT_EQ(all[0]["seed"], all[1]["seed"]);
  EXPECT_NE(all[0]["results"]["ADD"]["mean"], all[1]["results"]["ADD"]["mean"]);
  EXPECT_EQ(all[2]["scenario"], dataDir.File("missing.vkx"));
  EXPECT_TRUE(Has(all[2]["error"].get<std::string>(), "missing")) << all[2];
  // Each scenario as it is given alone.
  ASSERT_EQ(Run({"--monte-carlo", dist, office, "--json"}), 0) << err;
  EXPECT_EQ(nlohmann::json::parse(out), all[1]);

  std::ifstream csv(samples);
  std::string line;
  ASSERT_TRUE(std::getline(csv, line));
  EXPECT_EQ(line.rfind("Scenario,Iteration,AirExchangeRate,", 0), 0u) << line;
  std::size_t rows = 0, ofOffice = 0;
  while (std::getline(csv, line)) {
    ++rows;
    ofOffice += line.rfind(office + ",", 0) == 0;
  }
  EXPECT_EQ(rows, 200u);
  EXPECT_EQ(ofOffice, 100u);
}

}  // namespace
}  // namespace lumo
