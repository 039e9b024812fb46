// The cost of one run for a caller that wants only its results, as a
// probabilistic assessment makes tens of thousands of them: the 5-day
// factory-default painting job (tests/engine/painting_jobs.h) through
//  - Handle: lumo32_CreateRun, lumo32_RunToEnd, lumo32_RunResults and
//    lumo32_FreeRun, without a CSV, on one thread and on two at once;
//  - Classic: _InitLmuo, _OneLoop until 100 and _GetValues, without a CSV
//    or dump, for comparison.
// Each reports its time per run and runs per second (over all threads).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <stdexcept>

#include "lumo32.h"
#include "painting_jobs.h"

namespace {

constexpr int kDays = 5;

const TransferRecord &factoryDefault() {
  static const std::unique_ptr<lumo::LumoTransfer> job = [] {
    const auto dir = std::filesystem::temp_directory_path() / "lumo_bench_run_handles";
    std::filesystem::create_directories(dir);
    auto made =
        lumo_test::makePaintingJob(lumo_test::PaintingJob::kFactoryDefault, kDays, dir.string());
    std::filesystem::remove_all(dir);
    return made;
  }();
  return job->Record();
}

void Handle(benchmark::State &state) {
  const TransferRecord &record = factoryDefault();
  for (auto _ : state) {
    LumoRun *run = lumo32_CreateRun(&record, nullptr);
    const double answer = lumo32_RunToEnd(run);
    ExecutionResultsRecord results;
    const int32_t written = lumo32_RunResults(run, &results);
    lumo32_FreeRun(run);
    if (answer != 100.0 || written != 1) {
      state.SkipWithError("the run did not complete");
      break;
    }
    benchmark::DoNotOptimize(results);
  }
  state.SetItemsProcessed(state.iterations());
}

void Classic(benchmark::State &state) {
  TransferRecord record = factoryDefault();
  for (auto _ : state) {
    if (_InitLmuo(&record, nullptr, nullptr) != 1) {
      state.SkipWithError("the record was refused");
      break;
    }
    double answer = _OneLoop();
    while (answer >= 0.0 && answer < 100.0) answer = _OneLoop();
    if (answer != 100.0 || _GetValues() != 1) {
      state.SkipWithError("no results");
      break;
    }
    benchmark::DoNotOptimize(record.ExecutionResultsRecord);
  }
  state.SetItemsProcessed(state.iterations());
}

}  // namespace

BENCHMARK(Handle)->Unit(benchmark::kMillisecond)->Threads(1)->Threads(2)->UseRealTime();
BENCHMARK(Classic)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
