// Time of a 365-day two-zone run of the factory-default painting event, as
// the program drives it: hourly reports to a CSV file, six emission
// increments (one priming day and two painting periods, each with a fast and
// a slow exponential), a professional painter in the painted zone while the
// work goes on. Reported per simulated day. The same run without increments
// shows what the mass balance and bookkeeping alone cost.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "lumo32.h"

namespace {

constexpr float kDays = 365;

struct DefaultEventRun {
  std::vector<float> flowsOne{476.3f, 476.3f};
  std::vector<float> flowsTwo{4286.5f, 4286.5f, 2344.3f, 2344.3f};
  std::vector<ActivityRecord> pattern{{0, 0.0f, 13.3f}};
  std::vector<OverrideRecord> painting{
      {1, 0.375f, 0.66042f, 27.5f}, {1, 0.66042f, 0.70833f, 27.5f}, {1, 1.375f, 1.46944f, 27.5f}};
  std::vector<int32_t> primaryDays{1, 1, 1, 1, 1, 0, 0};
  // Fast exponential 233.25/h and slow 0.00876/h, both × 24; 10 % of the mass
  // in the fast one. Primer 25,985 mg over 6:51; paint 12,992 mg over 1:09 and 2:16.
  std::vector<EmissionRateIncrementalRecord> increments{
      {1, 0.375f, 2598.5f, 5598.0f, 0.285417f},  {1, 0.375f, 23386.5f, 0.21024f, 0.285417f},
      {1, 0.66042f, 437.3f, 5598.0f, 0.047917f}, {1, 0.66042f, 3935.5f, 0.21024f, 0.047917f},
      {1, 1.375f, 861.9f, 5598.0f, 0.094444f},   {1, 1.375f, 7757.3f, 0.21024f, 0.094444f}};
  std::string csvPath = (std::filesystem::temp_directory_path() / "bench_engine.csv").string();
  TransferRecord record{};

  explicit DefaultEventRun(bool withIncrements) {
    TransferRecord &r = record;
    r.Zones = 2;
    r.AirFlowRecordOne = {2, flowsOne.data()};
    r.AirFlowRecordTwo = {4, flowsTwo.data()};
    r.VolumeRecord = {44.10f, 396.90f};
    r.PrimaryActivityList = {1, pattern.data()};
    r.SecondaryActivityList = {1, pattern.data()};
    r.OverrideActivityList = {3, painting.data()};
    r.PrimaryDaysList = primaryDays.data();
    r.EmissionRateIncrementalList = {withIncrements ? 6 : 0, increments.data()};
    r.SaturationConcentration = 9e33f;
    r.EndTime = kDays;
    r.ReportInterval = 1.0f / 24;
    r.EventsPerYear = 200;
    r.BodyWeight = 71.8f;
    r.YearsofExposure = 25;
    r.AverageLifeTime = 75 * 365.25f;
    r.filename = csvPath.data();
  }
  ~DefaultEventRun() { std::filesystem::remove(csvPath); }

  void run() {
    if (_InitLmuo(&record, nullptr, csvPath.c_str()) != 1) throw std::runtime_error("rejected");
    while (_OneLoop() <= 99.99) {
    }
    _GetValues();
  }
};

void runYear(benchmark::State &state, bool withIncrements) {
  DefaultEventRun year(withIncrements);
  for (auto _ : state) {
    year.run();
    benchmark::DoNotOptimize(year.record.ExecutionResultsRecord);
  }
  state.counters["time_per_simulated_day"] = benchmark::Counter(
      kDays, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_DefaultPaintingEvent365Days(benchmark::State &state) {
  runYear(state, true);
}
void BM_NoEmissionIncrements365Days(benchmark::State &state) {
  runYear(state, false);
}

BENCHMARK(BM_DefaultPaintingEvent365Days)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NoEmissionIncrements365Days)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
