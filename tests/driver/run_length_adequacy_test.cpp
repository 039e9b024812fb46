// Run-length adequacy: the closed form of emission against the engine's
// emission rate integrated numerically, the 99 % run length, and the end of
// real runs of closed buildings, where everything emitted must still be in
// the air or in the sinks.
#include "run_length_adequacy.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "assemble_engine_inputs.h"
#include "owner_loop.h"
#include "sample_scenarios.h"
#include "temp_dir.h"

namespace lumo {
namespace {

// The emission rate (mg/day) the engine adds at clock time s.
double EngineRate(const EmissionRateIncrementalRecord &e, double s) {
  const double u = s - e.StartTime, k = e.RateConstant, d = e.Duration, m = e.MassReleased;
  if (u < 0) return 0.0;
  double rate = m / d * (1 - std::exp(-k * u));
  if (u >= d) rate -= m / d * (1 - std::exp(-k * (u - d)));
  return rate;
}

TEST(RunLengthAdequacy, ClosedFormIsTheEmissionRateIntegrated) {
  const std::vector<EmissionRateIncrementalRecord> increments = {
      {1, 0.375f, 1000.0f, 48.0f, 0.3f},  // fast: mostly gone within a day
      {1, 1.375f, 500.0f, 0.05f, 0.25f},  // slow latex tail
      {1, 2.5f, 250.0f, 3.0f, 0.125f}};
  for (double t : {0.5, 0.675, 1.0, 1.5, 3.0, 10.0, 40.0}) {
    // Simpson's rule on a fine grid from the first start.
    const int n = 200000;
    const double a = 0.375, h = (t - a) / n;
    double sum = 0.0;
    for (int i = 0; i <= n; ++i) {
      double r = 0.0;
      for (const auto &e : increments) r += EngineRate(e, a + i * h);
      sum += r * (i == 0 || i == n ? 1 : i % 2 ? 4 : 2);
    }
    const double integrated = sum * h / 3;
    EXPECT_NEAR(EmittedMass(increments, t), integrated, 1e-3 + 1e-5 * integrated) << t;
  }
  EXPECT_DOUBLE_EQ(AppliedMass(increments), 1750.0);
  EXPECT_NEAR(EmittedMass(increments, 1e5), 1750.0, 1e-6);

  // The 99 % time emits 99 %, and nothing earlier does.
  const auto t99 = TimeToEmit(increments, 0.99);
  ASSERT_TRUE(t99);
  EXPECT_NEAR(EmittedMass(increments, *t99), 0.99 * 1750.0, 1e-6);
  EXPECT_LT(EmittedMass(increments, *t99 - 1e-3), 0.99 * 1750.0);

  // A rate constant of 0 never emits: no run length reaches 99 %.
  auto stuck = increments;
  stuck[1].RateConstant = 0.0f;
  EXPECT_FALSE(TimeToEmit(stuck, 0.99));
  EXPECT_FALSE(TimeToEmit({}, 0.99));
}

TEST(RunLengthAdequacy, TheFiveDayDefaultRunIsTooShortAndTheSuggestionIsNot) {
  auto scenario = std::make_unique<LumoTransfer>();
  SetStartupScenario(*scenario, test::SampleChemicals());
  ASSERT_EQ(scenario->ScenarioRecord.RunLength, 5);
  auto inputs = AssembleEngineInputs(scenario->ScenarioRecord, scenario->PaintDurationGrid());
  const TransferRecord record = BindRecord(inputs);
  const RunLengthAdequacy five = AssessRunLength(record, "");
  EXPECT_TRUE(five.Underestimated());
  EXPECT_FALSE(five.end);
  const auto days = five.SuggestedRunLength();
  ASSERT_TRUE(days);
  const auto notes = RunLengthNotes(five);
  ASSERT_EQ(notes.size(), 2u);
  EXPECT_NE(notes[1].find("A run of " + std::to_string(*days) + " days would emit 99 %"),
            std::string::npos)
      << notes[1];

  // The suggested whole days emit 99 %, one day less does not.
  const std::span<const EmissionRateIncrementalRecord> e(inputs.emissions);
  const double start = record.StartTime, applied = AppliedMass(e);
  EXPECT_GE(EmittedMass(e, start + *days), 0.99 * applied);
  EXPECT_LT(EmittedMass(e, start + *days - 1), 0.99 * applied);

  scenario->ScenarioRecord.RunLength = *days;
  inputs = AssembleEngineInputs(scenario->ScenarioRecord, scenario->PaintDurationGrid());
  const RunLengthAdequacy enough = AssessRunLength(BindRecord(inputs), "");
  EXPECT_FALSE(enough.Underestimated());
  EXPECT_GE(enough.EmittedShare(), 0.99);
  EXPECT_EQ(RunLengthNotes(enough).size(), 1u);
}

// Whole houses without air exchange: what the closed form says was emitted
// is what the engine's last row holds in the air and the reversible sinks.
TEST(RunLengthAdequacy, AClosedHouseHoldsAllItEmitted) {
  for (bool sinks : {false, true}) {
    test::TempDir dir;
    std::filesystem::create_symlink(std::string(REAL_ENGINE_DIR) + "/liblumo32.so",
                                    dir.File("liblumo32.so"));
    LumoTransfer scenario(dir.Path());
    SetStartupScenario(scenario, test::SampleChemicals());
    rules::ApplyBuildingChoice(scenario, BldgType::House, false);
    scenario.SetDefaultEmissions();
    auto &r = scenario.ScenarioRecord;
    r.AirExchangeRate = 0.0;
    r.RunLength = 3;
    if (sinks) {
      scenario.SetSink(SinkModelType::Reversible);
      for (int i = 0; i < SinkBlock::kSinks; ++i) {
        r.Sinks.AdsorptionRate[i] = 0.5;
        r.Sinks.DesorptionRate[i] = 0.001;
      }
    }
    r.ScenarioFileName.SetText(dir.File("closed.vkx"));
    test::OwnerLoop owner;
    ASSERT_NE(scenario.ExecuteLUMO(owner), 0u);
    ASSERT_TRUE(owner.RunUntil([&] { return scenario.Worker().Idle(); }));
    const RunLengthAdequacy a = AssessRunLength(scenario.Record(), scenario.CSVName());
    ASSERT_TRUE(a.end) << sinks;
    EXPECT_GT(a.emittedMg, 0.0);
    EXPECT_NEAR(a.end->airborneMg + a.end->sinksMg, a.emittedMg, 1e-3 * a.emittedMg) << sinks;
    EXPECT_EQ(a.end->sinksMg > 0.1 * a.emittedMg, sinks) << a.end->sinksMg;
    EXPECT_NE(RunLengthNotes(a)[0].find("is still airborne"), std::string::npos);
    // A file that does not end at the run's end tells nothing.
    TransferRecord longer = scenario.Record();
    longer.EndTime += 1.0f;
    EXPECT_FALSE(ReadRunEndMass(scenario.CSVName(), longer));
  }
}

}  // namespace
}  // namespace lumo
