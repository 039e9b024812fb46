// The program's own scenarios through run handles: the factory default, a
// painting job of a hundred work periods, and houses whose steps are taken
// in sub-steps give the answers, results and CSV of the classic exports, to
// the bit.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "engine_harness.h"
#include "painting_jobs.h"
#include "run_outcomes.h"

namespace lumo_test {
namespace {

void expectSameThroughHandles(TransferRecord record, const TempDir &dir) {
  for (bool withCsv : {false, true}) {
    SCOPED_TRACE(withCsv ? "with CSV" : "no CSV");
    const RunOutcome classic =
        runThrough(Driving::kClassic, record, withCsv ? dir.file("classic.csv") : "");
    ASSERT_TRUE(classic.accepted);
    ASSERT_EQ(classic.resultsAnswer, 1);
    for (Driving how : {Driving::kStepRun, Driving::kRunToEnd}) {
      SCOPED_TRACE(drivingName(how));
      expectSameOutcome(classic, runThrough(how, record, withCsv ? dir.file("own.csv") : ""));
    }
  }
}

TEST(RunHandleJobs, PaintingJobsGiveTheClassicOutcome) {
  for (auto [job, days] : {std::pair{PaintingJob::kFactoryDefault, 5},
                           std::pair{PaintingJob::kHighRiseEntireFloor, 20}}) {
    SCOPED_TRACE(jobName(job));
    TempDir dir;
    const auto scenario = makePaintingJob(job, days, dir.file(""));
    expectSameThroughHandles(scenario->Record(), dir);
  }
}

TEST(RunHandleJobs, FastHousesGiveTheClassicOutcome) {
  for (FastHouse house : {FastHouse::kAirExchange350PerHour, FastHouse::kVolume15_6CubicFeet,
                          FastHouse::kInterzonal1_6e6PerHour}) {
    SCOPED_TRACE(fastHouseName(house));
    TempDir dir;
    const auto scenario = makeFastHouse(house, 2, dir.file(""));
    expectSameThroughHandles(scenario->Record(), dir);
  }
}

}  // namespace
}  // namespace lumo_test
