// Whole runs of a busy job through the engine's core: hundreds of increments
// over a week in every node (some released at once, some started before the
// run), one-way and reversible sinks in both zones, a day pattern of several
// entries, overlapping overrides, and a report interval that is no multiple
// of the step. The running-sum emission term must give what the direct
// evaluation of every increment gives, and both what the long-double
// evaluation of the scheme gives.
#include <gtest/gtest.h>

#include <optional>
#include <random>

#include "agreement.h"
#include "core_run.h"
#include "engine_harness.h"
#include "long_double_run.h"
#include "run_inputs.h"

namespace lumo_test {
namespace {

Scenario busyJob(int zones, unsigned seed) {
  std::mt19937 rng(seed);
  std::uniform_real_distribution<float> unit(0.0f, 1.0f);
  Scenario s;
  s.zones = zones;
  s.outdoorC = 0.001f;
  s.zone1C = 0.2f;
  s.zone2C = 0.05f;
  s.volume1 = 44.1f;
  s.volume2 = 396.9f;
  s.flowsOne = {476.3f, 476.3f};
  s.flowsTwo = {4286.5f, 4286.5f, 2344.3f, 2344.3f};
  s.primary = {{2, 0.0f, 13.0f}, {1, 0.3f, 20.0f}, {0, 0.7f, 15.0f}, {2, 0.9f, 12.0f}};
  s.secondary = {{2, 0.0f, 13.0f}, {0, 0.5f, 10.0f}};
  s.start = 0.0f;
  s.end = 7.0f;
  s.reportInterval = 0.01735f;  // 24.98 minutes: every report ends with a shorter step
  for (int day = 0; day < 6; ++day) {
    for (int period = 0; period < 5; ++period) {
      const float enter = day + 0.3f + 0.08f * period + 0.02f * unit(rng);
      const float length = 0.03f + 0.04f * unit(rng);
      const int zone = period == 4 ? 2 : 1;
      s.overrides.push_back({zone, enter, enter + length, 27.5f});
      if (period == 2) s.overrides.push_back({0, enter + 0.01f, enter + 0.02f, 20.0f});  // hidden
      for (int split = 0; split < 4; ++split) {
        const float at = enter + length * split / 4;
        const float mass = 500.0f + 3000.0f * unit(rng);
        s.sources.push_back({zone, at, 0.1f * mass, 72.774f, length / 4});
        s.sources.push_back({zone, at, 0.9f * mass, 0.303194f, length / 4});
      }
    }
    s.sources.push_back({2, day + 0.95f, 400.0f, 1.7f, 0.0f});  // released at once
    s.sources.push_back({0, day + 0.5f, 1e4f, 0.5f, 0.2f});     // outdoors
  }
  s.sources.push_back({1, -0.3f, 2e4f, 0.303194f, 0.1f});  // finished before the start
  s.sources.push_back({1, 9.0f, 2e4f, 0.303194f, 0.1f});   // after the end
  s.firstOrderSinks = {{1, 1, 30.0f}, {1, 2, 100.0f}};
  s.langmuirSinks = {{2, 1, 12.0f, 0.8f, 30.0f, 5.0f}, {2, 2, 8.0f, 0.3f, 60.0f, 0.0f}};
  return s;
}

struct Runs {
  CoreRunOutput sums, direct;
  LongDoubleOutput exact;
};

Runs runAllThree(Scenario &s) {
  const TransferRecord &record = *s.build();
  std::optional<lumo::RunInputs> inputs = lumo::readRunInputs(record);
  if (!inputs) throw std::invalid_argument("busy job rejected");
  return {runCore(record, lumo::EmissionEvaluation::kRunningSums),
          runCore(record, lumo::EmissionEvaluation::kDirect), runInLongDouble(*inputs)};
}

void expectAgreement(const Agreement &a, const char *what) {
  ASSERT_TRUE(a.sameReports) << what;
  EXPECT_EQ(a.rowValuesOutside, 0) << what << ": worst " << a.worstRowShare << " at " << a.worstRow;
  EXPECT_EQ(a.resultsOutside, 0) << what << ": worst result " << a.worstResultShare;
}

void expectAllThreeAgree(Scenario &s) {
  const Runs runs = runAllThree(s);
  ASSERT_GT(runs.sums.rows.size(), 400u);
  EXPECT_GT(runs.sums.results.cpeak, 1.0);  // the job does expose the person
  // The two double evaluations differ only by rounding.
  expectAgreement(compareRuns(runs.sums, asReference(runs.direct), {1e-11, 1e-13}),
                  "running sums against direct");
  expectAgreement(compareRuns(runs.sums, runs.exact), "running sums against long double");
  expectAgreement(compareRuns(runs.direct, runs.exact), "direct against long double");
}

TEST(BusyJobRuns, TwoZonesWithSinksOfBothKinds) {
  Scenario s = busyJob(2, 1);
  expectAllThreeAgree(s);
}

TEST(BusyJobRuns, OneZoneWhereZoneTwoSourcesAndSinksNeverAct) {
  Scenario s = busyJob(1, 2);
  expectAllThreeAgree(s);
}

TEST(BusyJobRuns, SaturationHoldingMassBack) {
  Scenario s = busyJob(2, 3);
  s.saturation = 5.0f;
  const Runs runs = runAllThree(s);
  double highest = 0.0;
  for (const ReportRow &row : runs.sums.rows) highest = std::max(highest, row.values[1]);
  EXPECT_EQ(highest, 5.0f);  // the limit did act
  expectAgreement(compareRuns(runs.sums, asReference(runs.direct), {1e-11, 1e-13}),
                  "running sums against direct");
  expectAgreement(compareRuns(runs.sums, runs.exact), "running sums against long double");
}

}  // namespace
}  // namespace lumo_test
