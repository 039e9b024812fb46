// The program's house scenario with a building input typed far beyond what
// one 30-second step resolves. Each of these once gave NaN or 9e33 results;
// now each step is integrated in sub-steps, and the run must be as accurate
// as an ordinary one: the same numbers as the long-double evaluation of the
// scheme, and the same results, to well within the three digits reported, as
// a run with four times the sub-steps.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "agreement.h"
#include "core_run.h"
#include "engine_harness.h"
#include "long_double_run.h"
#include "painting_jobs.h"
#include "run_failure.h"
#include "run_inputs.h"

namespace lumo_test {
namespace {

// The fastest rate of exchange of a record, per day, as the program's own
// check of a scenario computes it from the record's numbers.
double fastestRate(const TransferRecord &r) {
  const float *one = r.AirFlowRecordOne.List;
  const float *two = r.AirFlowRecordTwo.List;
  // m³/day leaving zones 1 and 2 with the air and into their sinks.
  std::array<double, 3> leaving{0, std::fabs(double(one[1])), 0};
  if (r.Zones == 2) {
    leaving[1] += std::fabs(double(two[2]));
    leaving[2] = std::fabs(double(two[1])) + std::fabs(double(two[3]));
  }
  const auto indoor = [&](int zone) { return zone == 1 || (zone == 2 && r.Zones == 2); };
  double fastest = 0;
  for (int i = 0; i < r.FirstOrderSinkList.Entries; ++i) {
    const FirstOrderSinkRecord &s = r.FirstOrderSinkList.List[i];
    if (indoor(s.Zone)) leaving[s.Zone] += std::fabs(double(s.RateConstant));
  }
  for (int i = 0; i < r.LangmuirSinkList.Entries; ++i) {
    const LangmuirSinkRecord &s = r.LangmuirSinkList.List[i];
    if (s.Zone < 0 || s.Zone > r.Zones) continue;  // not in the run: never acts
    if (indoor(s.Zone)) leaving[s.Zone] += std::fabs(double(s.AbsorptionRate) * s.Area);
    fastest = std::fmax(fastest, std::fabs(double(s.DesorptionRate) * s.Area));
  }
  fastest = std::fmax(fastest, leaving[1] / r.VolumeRecord.Zone1Volume);
  if (r.Zones == 2) fastest = std::fmax(fastest, leaving[2] / r.VolumeRecord.Zone2Volume);
  return fastest;
}

std::vector<double> tenResults(const lumo::ExposureResults &r) {
  return {r.ladd, r.add,      r.ladc,   r.adc,   r.cpeak, r.singleEventDose,
          r.apdr, r.apdrTime, r.c15min, r.c8hour};
}

}  // namespace

void PrintTo(FastHouse house, std::ostream *out) {
  *out << fastHouseName(house);
}

namespace {

class FastHouses : public testing::TestWithParam<FastHouse> {};

TEST_P(FastHouses, RunInTheSubStepsTheirRatesNeedAndAgreeWithTheScheme) {
  TempDir dir;
  const auto scenario = makeFastHouse(GetParam(), 5, dir.file(""));
  const TransferRecord &record = scenario->Record();
  std::optional<lumo::RunInputs> inputs = lumo::readRunInputs(record);
  ASSERT_TRUE(inputs.has_value());
  const double rate = fastestRate(record);
  EXPECT_GT(rate, 8000.0);
  EXPECT_EQ(inputs->substeps, static_cast<int>(std::ceil(rate / 1440.0)));

  // One step per 30 seconds is what these runs used to get: it diverges.
  EXPECT_THROW(runCore(record, lumo::EmissionEvaluation::kRunningSums, nullptr, 1),
               lumo::RunFailure);

  const CoreRunOutput run = runCore(record, lumo::EmissionEvaluation::kRunningSums);
  const Agreement a = compareRuns(run, runInLongDouble(*inputs));
  EXPECT_TRUE(a.sameReports);
  EXPECT_EQ(a.rowValuesOutside, 0) << "worst at " << a.worstRow;
  EXPECT_EQ(a.resultsOutside, 0);

  const std::vector<double> results = tenResults(run.results);
  const std::vector<double> finer = tenResults(
      runCore(record, lumo::EmissionEvaluation::kRunningSums, nullptr, 4 * inputs->substeps)
          .results);
  for (std::size_t i = 0; i < results.size(); ++i) {
    EXPECT_GT(results[i], 0.0) << i;
    EXPECT_NEAR(results[i], finer[i], 1e-7 * finer[i]) << i;
  }
}

TEST_P(FastHouses, LibraryReportsFiniteResults) {
  TempDir dir;
  const auto scenario = makeFastHouse(GetParam(), 5, dir.file(""));
  TransferRecord record = scenario->Record();
  const CoreRunOutput core = runCore(record, lumo::EmissionEvaluation::kRunningSums);

  ASSERT_EQ(engine().init(&record, nullptr, dir.file("run.csv").c_str()), 1);
  double percent = 0;
  for (int calls = 0; calls < 1000 && percent < 100.0; ++calls) percent = engine().oneLoop();
  ASSERT_EQ(percent, 100.0);
  ASSERT_EQ(engine().getValues(), 1);
  const ExecutionResultsRecord &r = record.ExecutionResultsRecord;
  EXPECT_EQ(r.LADD, static_cast<float>(core.results.ladd));
  EXPECT_EQ(r.Cpeak, static_cast<float>(core.results.cpeak));
  EXPECT_EQ(r.C8hour, static_cast<float>(core.results.c8hour));
  for (const auto &line : readCsv(dir.file("run.csv"))) {
    for (const std::string &field : line) {
      EXPECT_EQ(field.find("nan"), std::string::npos);
      EXPECT_EQ(field.find("inf"), std::string::npos);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Inputs, FastHouses,
                         testing::Values(FastHouse::kAirExchange350PerHour,
                                         FastHouse::kVolume15_6CubicFeet,
                                         FastHouse::kInterzonal1_6e6PerHour),
                         [](const auto &info) { return std::string(fastHouseName(info.param)); });

}  // namespace
}  // namespace lumo_test
