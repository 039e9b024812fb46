// Assessments of the factory-default scenario with the real engine, checked
// against what can be known without the runner: the scenario's own run, exact
// functions of one input, the closed-form Sobol indices of a product of
// lognormals, and the same output on any number of threads.
#include <gtest/gtest.h>

#include <atomic>
#include <boost/math/distributions/lognormal.hpp>
#include <cmath>
#include <cstring>
#include <filesystem>

#include "assessment_fixture.h"
#include "assessment_summary.h"
#include "statistics.h"

namespace lumo::test {
namespace {

constexpr std::size_t kLADD = 0, kADD = 1;

// Sizes: the sanitizer build runs the engine a hundred times slower, so it
// runs the same checks on smaller samples, with the tolerances that their
// sampling error needs (standard errors grow as 1/sqrt(N)).
#ifdef LUMO_SMALL_ASSESSMENTS
constexpr int kAddIterations = 400;
constexpr double kAddTolerance = 0.02;
constexpr int kSobolBase = 256;
#else
constexpr int kAddIterations = 2000;
constexpr double kAddTolerance = 0.01;
constexpr int kSobolBase = 2048;
#endif
// About three standard errors of the Sobol estimators at kSobolBase base
// samples (their spread over seeds at 2048: 0.035 for S1, 0.025 for ST).
const double kSobolScale = std::sqrt(2048.0 / kSobolBase);
const double kS1Tolerance = 0.1 * kSobolScale, kSTTolerance = 0.075 * kSobolScale;

prob::RunOptions TwoThreads() {
  prob::RunOptions options;
  options.threads = 2;
  return options;
}

TEST_F(AssessmentTest, ValuesAtTheScenariosOwnGiveItsOwnResultsExactly) {
  // A file needs an input that varies; the assessment is then given point
  // distributions at the scenario's own values.
  prob::Assessment a = AssessmentOf(R"({"iterations": 16, "seed": 5, "inputs": {
      "AirExchangeRate": {"distribution": "uniform", "min": 0.1, "max": 2},
      "BldgVolume": {"distribution": "uniform", "min": 1000, "max": 3000},
      "BodyWeight": {"distribution": "uniform", "min": 50, "max": 90},
      "LifeTime": {"distribution": "uniform", "min": 60, "max": 80},
      "PaintWeightFraction": {"distribution": "uniform", "min": 0.005, "max": 0.03}},
      "sensitivity": {"spearman": true, "one-at-a-time": true}})");
  for (prob::AssessmentInput &in : a.inputs) {
    const VariableInput *entry = FindVariableInput(in.name);
    ASSERT_NE(entry, nullptr) << in.name;
    in.distribution = prob::Distribution(prob::Fixed{entry->get(scenario->ScenarioRecord)});
  }
  const prob::AssessmentRun run = prob::RunAssessment(*scenario, a, 5, *engine, TwoThreads());
  // The factory default's own LADD, as the program prints it.
  EXPECT_NEAR(run.deterministic[kLADD], 0.1637339, 0.1637339 * 1e-6);
  ASSERT_EQ(run.results.size(), 16u);
  EXPECT_FALSE(run.partial);
  EXPECT_EQ(run.casesFailed, 0u);
  for (const prob::CaseResults &c : run.results)
    EXPECT_EQ(std::memcmp(c.data(), run.deterministic.data(), sizeof c), 0);
  for (const prob::CaseResults &c : run.oneAtATimeResults)
    EXPECT_EQ(std::memcmp(c.data(), run.deterministic.data(), sizeof c), 0);
  // Nothing of the scenario's was written: no CSV, no dump, no emission file.
  EXPECT_TRUE(std::filesystem::is_empty(programDir.Path()));
}

TEST_F(AssessmentTest, AddIsTheDeterministicValueTimesTheInverseOfBodyWeight) {
  const double gm = 70, gsd = 1.25;
  const prob::Assessment a = AssessmentOf(R"({"iterations": )" + std::to_string(kAddIterations) +
                                          R"(, "seed": 11, "inputs": {
      "BodyWeight": {"distribution": "lognormal", "gm": 70, "gsd": 1.25}},
      "percentiles": [5, 50, 95]})");
  const prob::AssessmentRun run = prob::RunAssessment(*scenario, a, 11, *engine, TwoThreads());
  const double bw0 = scenario->ScenarioRecord.BodyWeight;
  const double add0 = run.deterministic[kADD];
  for (std::size_t i = 0; i < run.results.size(); ++i)
    ASSERT_NEAR(run.results[i][kADD] * run.values[i][0], add0 * bw0, add0 * bw0 * 1e-6) << i;

  // ADD's P-th percentile is ADD0 · BW0 / BodyWeight's (100 − P)-th.
  const boost::math::lognormal bw(std::log(gm), std::log(gsd));
  const prob::AssessmentSummary summary = prob::SummarizeAssessment(a, run);
  const prob::ResultStatistics &add = summary.results[kADD].statistics;
  ASSERT_EQ(add.percentiles.size(), 3u);
  for (const prob::PercentileEstimate &p : add.percentiles) {
    const double exact = add0 * bw0 / quantile(bw, 1 - p.percentile / 100);
    EXPECT_NEAR(p.value, exact, exact * kAddTolerance) << "P" << p.percentile;
    ASSERT_TRUE(p.low && p.high);
    EXPECT_LE(*p.low, exact);
    EXPECT_GE(*p.high, exact);
  }
  // Body weight lowers the dose: a rank correlation of exactly -1.
  EXPECT_DOUBLE_EQ(*summary.results[kADD].sensitivity[0].spearman, -1.0);
}

TEST_F(AssessmentTest, SobolIndicesOfLaddMatchTheProductOfLognormals) {
  // LADD ∝ 1 / (BodyWeight · LifeTime); for independent lognormals with log
  // sds s1, s2: S1(X1) = (e^{s1²} − 1) / (e^{s1² + s2²} − 1) and ST(X1) =
  // 1 − S1(X2).
  const double s1 = std::log(1.15), s2 = std::log(1.1);
  const prob::Assessment a = AssessmentOf(R"({"iterations": 64, "seed": 3, "inputs": {
      "BodyWeight": {"distribution": "lognormal", "gm": 70, "gsd": 1.15},
      "LifeTime": {"distribution": "lognormal", "gm": 70, "gsd": 1.1}},
      "sensitivity": {"spearman": true, "sobol": {"base-samples": )" +
                                          std::to_string(kSobolBase) + R"(, "bootstrap": 100}}})");
  const prob::AssessmentRun run = prob::RunAssessment(*scenario, a, 3, *engine, TwoThreads());
  ASSERT_EQ(run.casesFailed, 0u);
  // The premise: LADD · BodyWeight · LifeTime is the same in every iteration
  // (the lifetime in the whole years its field keeps, as the samples give it).
  const double k0 = run.results[0][kLADD] * run.values[0][0] * run.values[0][1];
  for (std::size_t i = 0; i < run.results.size(); ++i)
    ASSERT_NEAR(run.results[i][kLADD] * run.values[i][0] * run.values[i][1], k0, k0 * 1e-6) << i;
  const prob::AssessmentSummary summary = prob::SummarizeAssessment(a, run);
  const double v = std::exp(s1 * s1 + s2 * s2) - 1;
  const double first[2] = {(std::exp(s1 * s1) - 1) / v, (std::exp(s2 * s2) - 1) / v};
  const double total[2] = {1 - first[1], 1 - first[0]};
  const prob::ResultSummary &ladd = summary.results[kLADD];
  ASSERT_EQ(ladd.sensitivity.size(), 2u);  // inputs by name: BodyWeight, LifeTime
  for (std::size_t k = 0; k < 2; ++k) {
    EXPECT_NEAR(ladd.sensitivity[k].firstOrder->estimate, first[k], kS1Tolerance) << k;
    EXPECT_NEAR(ladd.sensitivity[k].total->estimate, total[k], kSTTolerance) << k;
    EXPECT_LT(*ladd.sensitivity[k].firstOrder->low, *ladd.sensitivity[k].firstOrder->high);
  }
  // Body weight, the wider of the two, drives LADD more.
  EXPECT_GT(ladd.sensitivity[0].total->estimate, ladd.sensitivity[1].total->estimate);
}

TEST_F(AssessmentTest, OneAndTwoThreadsGiveBitIdenticalRuns) {
  const std::string json = R"({"iterations": 120, "seed": 20261207, "inputs": {
      "BodyWeight": {"distribution": "lognormal", "gm": 71.8, "gsd": 1.2, "min": 40, "max": 150},
      "AirExchangeRate": {"distribution": "lognormal", "gm": 0.45, "gsd": 1.9},
      "InterzonalAirflow": {"distribution": "uniform", "min": 2000, "max": 9000},
      "PaintWeightFraction": {"distribution": "triangular", "min": 0.005, "mode": 0.01, "max": 0.03}},
      "correlations": [{"between": ["AirExchangeRate", "InterzonalAirflow"], "rank": 0.6}],
      "sensitivity": {"spearman": true, "one-at-a-time": true}})";
  const prob::AssessmentRun one = Run(json, 1);
  const prob::AssessmentRun two = Run(json, 2);
  ASSERT_EQ(one.results.size(), two.results.size());
  for (std::size_t i = 0; i < one.results.size(); ++i) {
    ASSERT_EQ(one.values[i], two.values[i]) << i;
    ASSERT_EQ(std::memcmp(one.results[i].data(), two.results[i].data(), sizeof one.results[i]), 0)
        << i;
  }
  ASSERT_EQ(one.oneAtATimeResults.size(), two.oneAtATimeResults.size());
  for (std::size_t k = 0; k < one.oneAtATimeResults.size(); ++k)
    EXPECT_EQ(std::memcmp(one.oneAtATimeResults[k].data(), two.oneAtATimeResults[k].data(),
                          sizeof one.oneAtATimeResults[k]),
              0);
  EXPECT_EQ(one.casesFailed, two.casesFailed);
  // The varied inputs move the results.
  EXPECT_NE(one.results[0][kLADD], one.results[1][kLADD]);
}

TEST_F(AssessmentTest, AnInputTheScenarioDoesNotLetVaryIsRefusedBeforeAnythingRuns) {
  // The factory default has no sinks.
  try {
    Run(R"({"iterations": 10, "inputs": {"SinkArea1": {"distribution": "uniform", "min": 1, "max": 2}}})");
    FAIL() << "not refused";
  } catch (const EVariableInput &e) {
    EXPECT_NE(std::string(e.what()).find("SinkArea1"), std::string::npos) << e.what();
  }
}

TEST_F(AssessmentTest, AStoppedRunIsPartialAndItsStatisticsCountOnlyWhatRan) {
  const prob::Assessment a = AssessmentOf(R"({"iterations": 500, "inputs": {
      "BodyWeight": {"distribution": "uniform", "min": 50, "max": 90}}})");
  std::atomic<bool> stop{false};
  std::size_t seen = 0;
  prob::RunOptions options;
  options.threads = 2;
  options.stop = &stop;
  options.progress = [&](std::size_t done, std::size_t) {
    seen = done;
    if (done > 0) stop = true;
  };
  const prob::AssessmentRun run = prob::RunAssessment(*scenario, a, 1, *engine, options);
  EXPECT_TRUE(run.partial);
  EXPECT_LT(run.casesRun, 500u);
  EXPECT_EQ(seen, run.casesRun);
  const prob::AssessmentSummary summary = prob::SummarizeAssessment(a, run);
  EXPECT_EQ(summary.iterationsRun, run.casesRun);
  EXPECT_EQ(summary.results[kLADD].statistics.count, run.casesRun);
  EXPECT_EQ(summary.results[kLADD].statistics.excluded, 0u);
}

TEST_F(AssessmentTest, CasesWhosePaintingTheScheduleCannotHoldAreCountedNotRun) {
  // A thin coverage on a large share of the building: some draws need more
  // painting days than a schedule holds; those cases have no results and say why.
  const prob::AssessmentRun run = Run(R"({"iterations": 200, "seed": 9, "inputs": {
      "BldgVolume": {"distribution": "loguniform", "min": 1000, "max": 100000000}}})");
  EXPECT_FALSE(run.partial);
  EXPECT_EQ(run.casesRun, 200u);
  ASSERT_GT(run.casesFailed, 0u);
  ASSERT_LT(run.casesFailed, 200u);
  ASSERT_FALSE(run.failures.empty());
  EXPECT_EQ(run.failures.front().what.rfind("iteration ", 0), 0u);
  std::size_t missing = 0;
  for (const prob::CaseResults &c : run.results) missing += std::isnan(c[kLADD]);
  EXPECT_EQ(missing, run.casesFailed);
}

}  // namespace
}  // namespace lumo::test
