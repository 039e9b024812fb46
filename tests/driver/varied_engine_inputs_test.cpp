// An assessment's iterations: a copy of the scenario with drawn values
// applied, assembled into the engine's inputs. Values at the scenario's own
// give its deterministic inputs; iterations on many threads at once give
// what each gives alone.
#include <gtest/gtest.h>

#include <thread>

#include "assemble_engine_inputs.h"
#include "engine_inputs_digest.h"
#include "sample_scenarios.h"
#include "temp_dir.h"

namespace lumo {
namespace {

const VariableInput &In(const char *name) {
  return *FindVariableInput(name);
}

TEST(VariedEngineInputs, EveryInputAtItsOwnValueGivesTheScenariosOwnInputs) {
  for (const auto &sample : test::SampleScenarios()) {
    SCOPED_TRACE(sample.name);
    test::TempDir dir;
    LumoTransfer scenario(dir.Path());
    test::MakeSample(scenario, sample);
    const auto &r = scenario.ScenarioRecord;
    std::vector<VariedValue> own;
    for (const VariableInput &in : VariableInputs()) own.push_back({&in, in.get(r)});
    EXPECT_EQ(test::EngineInputBytes(AssembleVariedInputs(r, scenario.PaintDurationGrid(), own)),
              test::EngineInputBytes(AssembleEngineInputs(r, scenario.PaintDurationGrid())));
  }
}

TEST(VariedEngineInputs, ADrawnValueReachesTheEngineAndTheScenarioStaysAsItWas) {
  test::TempDir dir;
  LumoTransfer scenario(dir.Path());
  test::MakeSample(scenario, test::SampleScenarios().front());
  const ScenarioRecord before = scenario.ScenarioRecord;
  const VariedValue values[] = {{&In("BodyWeight"), 50}, {&In("BldgVolume"), 31166}};
  const EngineRunInputs varied =
      AssembleVariedInputs(scenario.ScenarioRecord, scenario.PaintDurationGrid(), values);
  const EngineRunInputs own =
      AssembleEngineInputs(scenario.ScenarioRecord, scenario.PaintDurationGrid());
  EXPECT_EQ(varied.record.BodyWeight, 50.0f);
  EXPECT_NEAR(varied.record.VolumeRecord.Zone1Volume, 2 * own.record.VolumeRecord.Zone1Volume,
              1e-3);
  EXPECT_GT(varied.overrides.size(), own.overrides.size()) << "twice the painting";
  EXPECT_EQ(std::memcmp(&before, &scenario.ScenarioRecord, sizeof before), 0);

  const VariedValue refused[] = {{&In("PercentPainted"), 100}};
  EXPECT_THROW(AssembleVariedInputs(scenario.ScenarioRecord, scenario.PaintDurationGrid(), refused),
               EVariableInput);
}

// Threads run iterations of the same scenarios at once, each with its own
// drawn values; every result equals the same iteration run alone.
TEST(VariedEngineInputs, IterationsOnManyThreadsAtOnceGiveWhatEachGivesAlone) {
  struct Base {
    ScenarioRecord record;
    std::unique_ptr<PaintDurationGrid> schedule;
  };
  std::vector<Base> bases;
  for (const auto &sample : test::SampleScenarios()) {
    test::TempDir dir;
    LumoTransfer s(dir.Path());
    test::MakeSample(s, sample);
    bases.push_back({s.ScenarioRecord, std::make_unique<PaintDurationGrid>(s.PaintDurationGrid())});
  }
  constexpr int kIterations = 48;
  auto iteration = [&](int k) {
    const Base &b = bases[k % bases.size()];
    const VariedValue values[] = {
        {&In("BodyWeight"), 40.0 + k},
        {&In("AirExchangeRate"), 0.25 + 0.05 * k},
        {&In("PaintCoverage"), 300.0 + 3 * k},
        {&In("VaporPressure"), 0.01 * (1 + k % 7)},
    };
    try {
      return test::EngineInputBytes(AssembleVariedInputs(b.record, *b.schedule, values));
    } catch (const std::exception &e) {
      return std::string("refused: ") + e.what();
    }
  };
  std::vector<std::string> alone(kIterations);
  for (int k = 0; k < kIterations; ++k) alone[k] = iteration(k);

  std::vector<std::string> together(kIterations);
  std::vector<std::thread> threads;
  constexpr int kThreads = 4;
  for (int t = 0; t < kThreads; ++t)
    threads.emplace_back([&, t] {
      for (int k = t; k < kIterations; k += kThreads) together[k] = iteration(k);
    });
  for (auto &thread : threads) thread.join();
  for (int k = 0; k < kIterations; ++k) {
    EXPECT_EQ(together[k], alone[k]) << "iteration " << k;
    EXPECT_EQ(alone[k].rfind("refused", 0), std::string::npos) << alone[k];
  }
}

}  // namespace
}  // namespace lumo
