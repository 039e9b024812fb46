// A year of each painting job (tests/engine/painting_jobs.h), hourly reports
// to a CSV file as the program writes them, timed three ways:
//  - RunningSums: the engine as shipped;
//  - Direct: the same run with every increment evaluated from its definition
//    at every Runge-Kutta stage, the straightforward evaluation;
//  - NoIncrements: the same run with the emission list emptied, the cost of
//    the mass balance and the bookkeeping alone.
// Each reports its time per simulated day. The ratios that matter: Direct /
// RunningSums (how much the running sums save) and RunningSums / NoIncrements
// (how much the increments still cost).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core_run.h"
#include "painting_jobs.h"

namespace {

using lumo::EmissionEvaluation;
using lumo_test::PaintingJob;

constexpr int kDays = 365;

const std::filesystem::path &workDirectory() {
  static const std::filesystem::path dir = [] {
    auto path = std::filesystem::temp_directory_path() / "lumo_bench_engine";
    std::filesystem::create_directories(path);
    return path;
  }();
  return dir;
}

// The jobs are built once; their records point into the scenarios.
const lumo::LumoTransfer &job(PaintingJob which) {
  static std::map<PaintingJob, std::unique_ptr<lumo::LumoTransfer>> jobs;
  auto &slot = jobs[which];
  if (!slot) slot = lumo_test::makePaintingJob(which, kDays, workDirectory().string());
  return *slot;
}

enum class Variant { kRunningSums, kDirect, kNoIncrements };

void runYear(benchmark::State &state, PaintingJob which, Variant variant) {
  TransferRecord record = job(which).Record();
  const int increments = record.EmissionRateIncrementalList.Entries;
  if (variant == Variant::kNoIncrements) record.EmissionRateIncrementalList.Entries = 0;
  const EmissionEvaluation evaluation =
      variant == Variant::kDirect ? EmissionEvaluation::kDirect : EmissionEvaluation::kRunningSums;
  const std::string csv =
      (workDirectory() / (std::string(lumo_test::jobName(which)) + ".csv")).string();
  for (auto _ : state) {
    benchmark::DoNotOptimize(lumo_test::runCoreResults(record, evaluation, csv.c_str()));
  }
  state.counters["increments"] = record.EmissionRateIncrementalList.Entries;
  state.counters["job_increments"] = increments;
  state.counters["time_per_simulated_day"] = benchmark::Counter(
      kDays, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// The fast variants are repeated and summarised by mean, median, spread and
// the fastest repetition: on a shared, busy machine the minimum is the
// steadiest estimate of what a run costs.
double fastest(const std::vector<double> &times) {
  return *std::min_element(times.begin(), times.end());
}

void registerJob(PaintingJob which, bool slowDirect) {
  const std::string name = std::string("Year/") + lumo_test::jobName(which);
  for (auto [suffix, variant] : {std::pair{"/RunningSums", Variant::kRunningSums},
                                 std::pair{"/NoIncrements", Variant::kNoIncrements}}) {
    benchmark::RegisterBenchmark((name + suffix).c_str(), runYear, which, variant)
        ->Unit(benchmark::kMillisecond)
        ->Repetitions(5)
        ->ComputeStatistics("min", fastest)
        ->ReportAggregatesOnly(true);
  }
  auto *direct =
      benchmark::RegisterBenchmark((name + "/Direct").c_str(), runYear, which, Variant::kDirect)
          ->Unit(benchmark::kMillisecond);
  // A year of hundreds of increments evaluated directly takes a minute or
  // more: one run is measure enough.
  if (slowDirect) {
    direct->Iterations(1);
  } else {
    direct->Repetitions(3)->ComputeStatistics("min", fastest)->ReportAggregatesOnly(true);
  }
}

}  // namespace

int main(int argc, char **argv) {
  registerJob(PaintingJob::kFactoryDefault, false);
  registerJob(PaintingJob::kHighRiseEntireFloor, true);
  registerJob(PaintingJob::kHighRiseHalfBuilding, true);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::filesystem::remove_all(workDirectory());
  return 0;
}
