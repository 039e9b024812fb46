// The cost of an assessment. BM_Assessment runs the README's figure: 100,000
// Latin hypercube iterations of the factory-default scenario varying six
// inputs, on every core (wall time). BM_OneCase and BM_EngineOnly compare one
// case (apply the values, assemble the engine's inputs, run) with the
// engine's run of the same record alone, on one thread.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "assemble_engine_inputs.h"
#include "assessment_file.h"
#include "assessment_run.h"
#include "chemical_file.h"
#include "default_scenario.h"
#include "engine_runs.h"
#include "lumo_transfer.h"
#include "platform.h"
#include "variable_fields.h"
#include "variable_inputs.h"

namespace {

using namespace lumo;

const char *const kSixInputs = R"({"iterations": 100000, "seed": 20261207,
  "sampling": "latin-hypercube", "inputs": {
    "BodyWeight": {"distribution": "lognormal", "gm": 71.8, "gsd": 1.2, "min": 40, "max": 150},
    "AirExchangeRate": {"distribution": "lognormal", "gm": 0.45, "gsd": 1.9},
    "InterzonalAirflow": {"distribution": "uniform", "min": 2000, "max": 9000},
    "PaintWeightFraction": {"distribution": "triangular", "min": 0.005, "mode": 0.01, "max": 0.03},
    "LifeTime": {"distribution": "normal", "mean": 75, "sd": 6, "min": 50},
    "EventsPerYear": {"distribution": "uniform", "min": 0.5, "max": 2}},
  "sensitivity": {"spearman": true}})";

struct Setup {
  std::filesystem::path dir = std::filesystem::temp_directory_path() / "lumo-bench-assessment";
  std::unique_ptr<LumoTransfer> scenario;
  std::unique_ptr<EngineRuns> engine;
  prob::Assessment assessment;

  Setup() {
    std::filesystem::create_directories(dir);
    platform::RetainFreedMemory(std::size_t{64} << 20);  // as an assessment does
    scenario = std::make_unique<LumoTransfer>(dir.string());
    TFileChemical chemicals(std::string(LUMO_SOURCE_DATA_DIR) + "/Chems.dat");
    SetStartupScenario(*scenario, chemicals);
    engine = std::make_unique<EngineRuns>(LUMO_BIN_DIR);
    assessment = prob::ReadAssessment(kSixInputs, prob::ScenarioVariableFields());
  }
};

Setup &Shared() {
  static Setup setup;
  return setup;
}

void BM_Assessment(benchmark::State &state) {
  Setup &s = Shared();
  s.assessment.iterations = static_cast<std::size_t>(state.range(0));
  std::size_t failed = 0;
  for (auto _ : state) {
    const prob::AssessmentRun run =
        prob::RunAssessment(*s.scenario, s.assessment, 20261207, *s.engine);
    failed = run.casesFailed;
    benchmark::DoNotOptimize(run.results.data());
  }
  state.counters["iterations/s"] = benchmark::Counter(
      static_cast<double>(state.range(0)) * static_cast<double>(state.iterations()),
      benchmark::Counter::kIsRate);
  state.counters["failed"] = static_cast<double>(failed);
}
BENCHMARK(BM_Assessment)
    ->Arg(10000)
    ->Arg(100000)
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();

void BM_OneCase(benchmark::State &state) {
  Setup &s = Shared();
  std::vector<VariedValue> varied;
  for (const prob::AssessmentInput &in : s.assessment.inputs)
    varied.push_back({FindVariableInput(in.name), in.ValueAt(0.3)});
  const ScenarioRecord &record = s.scenario->ScenarioRecord;
  const PaintDurationGrid &schedule = s.scenario->PaintDurationGrid();
  for (auto _ : state) {
    EngineRunInputs inputs = AssembleVariedInputs(record, schedule, varied);
    benchmark::DoNotOptimize(s.engine->Run(BindRecord(inputs)).results);
  }
}
BENCHMARK(BM_OneCase)->Unit(benchmark::kMicrosecond);

void BM_EngineOnly(benchmark::State &state) {
  Setup &s = Shared();
  EngineRunInputs inputs =
      AssembleEngineInputs(s.scenario->ScenarioRecord, s.scenario->PaintDurationGrid());
  const TransferRecord record = BindRecord(inputs);
  for (auto _ : state) benchmark::DoNotOptimize(s.engine->Run(record).results);
}
BENCHMARK(BM_EngineOnly)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
