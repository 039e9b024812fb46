// How fast the air of each zone is exchanged, judged on the numbers the
// engine is sent: a scenario at the engine's limit runs, one just above it
// is refused with a sentence naming the inputs and the limit per hour.
#include "zone_air.h"

#include <gtest/gtest.h>

#include "default_scenario.h"
#include "scenario_check.h"
#include "temp_dir.h"

namespace lumo {
namespace {

class ZoneExchange : public ::testing::Test {
 protected:
  test::TempDir dir;
  LumoTransfer scenario{dir.Path()};
  ScenarioRecord &s = scenario.ScenarioRecord;

  void SetUp() override {
    TFileChemical chemicals(std::string(LUMO_SOURCE_DATA_DIR) + "/Chems.dat");
    SetStartupScenario(scenario, chemicals);
  }
  std::string Problem() {
    return FindScenarioProblem(s, scenario.PaintDurationGrid()).value_or("");
  }
  // Two zones of exactly 1024 m³ each (as floats), no air exchange with
  // the outdoors, and an interzonal flow of `factor` × 1024 m³ × 1.44e6
  // per day: the rate of both zones is then `factor` × the engine's limit.
  void AtTheLimitTimes(double factor) {
    s.BldgArea = BldgArea::OneBedroom;
    s.PercentPainted = 50;
    s.BldgVolume = 2048 / kCubicFeetToCubicMetres;
    s.AirExchangeRate = 0;
    s.InterzonalAirflow = factor * 1024 * kMaxExchangeRatePerDay / (0.0283 * 24);
    scenario.SetPaintDurationGrid();
  }
};

TEST_F(ZoneExchange, TheFastestZoneIsHeldAgainstTheEnginesLimit) {
  AtTheLimitTimes(1.0);
  const ZoneAir air = ZoneAirOf(s);
  ASSERT_EQ(air.Zone1Volume, 1024.0f);
  ASSERT_EQ(air.Zone2Volume, 1024.0f);
  ASSERT_EQ(double(air.InterzonalFlow) / 1024, kMaxExchangeRatePerDay);
  EXPECT_EQ(Problem(), "") << "exactly at the limit";

  AtTheLimitTimes(0.999);
  EXPECT_EQ(Problem(), "");

  AtTheLimitTimes(1.001);
  const std::string text = Problem();
  EXPECT_EQ(text.rfind("The air of the painted area is exchanged 60,060 times per hour (air "
                       "exchange 0 per hour, interzonal airflow 2,173,",
                       0),
            0u)
      << text;
  EXPECT_NE(text.find("painted volume 36,184 ft³); the calculation can follow at most 60,000 per "
                      "hour. Use a larger painted volume or smaller airflows."),
            std::string::npos)
      << text;
}

TEST_F(ZoneExchange, SinksCountInTheirZoneAndOnlyWhenTheZoneIsRun) {
  // A one-way sink in zone 2 taking up 2.4e9 m³/day from the 397 m³ there.
  s.Sinks.SinkModel = SinkModelType::OneWay;
  s.Sinks.SinkArea[4] = 1e6;
  s.Sinks.AdsorptionRate[4] = 100;
  std::string text = Problem();
  EXPECT_EQ(text.rfind("The air of the rest of the building is exchanged", 0), 0u) << text;
  EXPECT_NE(text.find("sinks 100,000,000 m³/hour"), std::string::npos) << text;
  EXPECT_NE(text.find("or smaller sinks."), std::string::npos) << text;

  // A reversible sink that gives its load back too fast.
  s.Sinks.SinkModel = SinkModelType::Reversible;
  s.Sinks.AdsorptionRate[4] = 0;
  s.Sinks.DesorptionRate[3] = 10000;
  s.Sinks.SinkArea[3] = 10000;
  text = Problem();
  EXPECT_EQ(text,
            "Sink 4 gives its load back 100,000,000 times per hour (desorption rate constant "
            "10,000 per hour on 10,000 m²); the calculation can follow at most 60,000 per hour. "
            "Use a smaller desorption rate constant or area for Sink 4.");

  // The whole building painted: one zone; zone 2's sinks never act and the
  // interzonal airflow goes nowhere.
  s.BldgArea = BldgArea::EntireBldg;
  s.PercentPainted = 100;
  s.InterzonalAirflow = 1e11;
  scenario.SetPaintDurationGrid();
  EXPECT_EQ(Problem(), "");
}

}  // namespace
}  // namespace lumo
