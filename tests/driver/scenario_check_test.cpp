// The check before a run: a scenario outside the program's own field ranges
// is refused with a sentence naming the field and its range, before any
// file is written or any run starts.
#include "scenario_check.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <functional>

#include "default_scenario.h"
#include "owner_loop.h"
#include "temp_dir.h"

namespace lumo {
namespace {

using G = PaintDurationGrid;

class ScenarioCheck : public ::testing::Test {
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
};

TEST_F(ScenarioCheck, TheStartUpScenarioPasses) {
  EXPECT_EQ(Problem(), "");
}

TEST_F(ScenarioCheck, EachFieldOutsideItsRangeIsNamedWithItsRange) {
  const double nan = std::nan("");
  struct Case {
    std::function<void(ScenarioRecord &)> damage;
    std::vector<std::string> expected;  // parts of the message
  };
  const Case cases[] = {
      {[](auto &s) { s.RunLength = 0; }, {"length of the model run", "1 to 999 days"}},
      {[](auto &s) { s.RunLength = 100000; }, {"length of the model run", "1 to 999"}},
      {[](auto &s) { s.ReportInterval = 0; }, {"reporting interval", "1 to 60 minutes"}},
      {[](auto &s) { s.NumberOfPainters = 0; }, {"number of painters", "1 to 1,000"}},
      {[](auto &s) { s.PrimerWorkHours = 0.5; }, {"hours per day for priming", "1 to 12"}},
      {[](auto &s) { s.PaintWorkHours = 13; }, {"hours per day for painting", "1 to 12"}},
      {[](auto &s) { s.PrimerWeightFraction = 1.5; }, {"primer weight fraction", "0 to 1"}},
      {[](auto &s) { s.PaintWeightFraction = -0.1; }, {"paint weight fraction", "0 to 1"}},
      {[](auto &s) { s.BldgVolume = 0; }, {"building volume", "is 0;", "1 to 1,000,000,000 ft³"}},
      {[](auto &s) { s.PercentPainted = 0; }, {"percent painted", "0.01 to 100 %"}},
      {[](auto &s) { s.PrimerCoverage = 0; }, {"primer coverage", "1 to 100,000 ft²/gallon"}},
      {[](auto &s) { s.PaintApplicationRate = -1; }, {"paint application rate"}},
      {[](auto &s) { s.PaintDensity = 0; },
       {"paint density", "1e-05 to 1,000,000,000 grams/gallon"}},
      {[=](auto &s) { s.BodyWeight = nan; }, {"body weight", "nan"}},
      {[](auto &s) { s.LifeTime = 0; }, {"lifetime"}},
      {[=](auto &s) { s.AirExchangeRate = INFINITY; }, {"air exchange rate"}},
      {[=](auto &s) { s.PaintRateConstant2 = nan; }, {"paint's second rate constant"}},
      {[](auto &s) { s.EventsPerYear = -1; }, {"exposure events per year"}},
      {[](auto &s) { s.StartDay = Days(9); }, {"start day", "choice 9", "0 to 6"}},
      {[](auto &s) { s.PaintType = PaintType(3); }, {"type of paint", "0 to 2"}},
      {[](auto &s) { s.Gender = GenderType(200); }, {"gender"}},
      {[](auto &s) { s.MolecularWeight = 0; }, {"molecular weight", "0.01 to 10,000,000"}},
      {[](auto &s) {
         s.Sinks.SinkModel = SinkModelType::OneWay;
         s.Sinks.SinkArea[3] = -5;
       },
       {"Sink 4", "area"}},
      {[](auto &s) { s.WeekDayPattern.Count = 0; }, {"weekday activity pattern", "1 to 20"}},
      {[](auto &s) { s.WeekEndPattern.Count = 25; }, {"weekend activity pattern", "1 to 20"}},
      {[](auto &s) {
         s.WeekDayPattern =
             DefaultWeekDayPattern(IndividualType::Adult, BldgType::House, GenderType::NonSpecific)
                 .value();
         s.WeekDayPattern.Zone[2] = 3;
       },
       {"weekday activity pattern, entry 3", "zone", "0, 1 or 2"}},
      {[](auto &s) {
         s.WeekDayPattern =
             DefaultWeekDayPattern(IndividualType::Adult, BldgType::House, GenderType::NonSpecific)
                 .value();
         s.WeekDayPattern.EnterHour[3] = 6;
       },
       {"entry 4", "time order"}},
  };
  for (const Case &c : cases) {
    ScenarioRecord saved = s;
    c.damage(s);
    std::string problem = Problem();
    for (const std::string &part : c.expected)
      EXPECT_NE(problem.find(part), std::string::npos) << "\"" << problem << "\" lacks " << part;
    s = saved;
  }
}

TEST_F(ScenarioCheck, ScheduleCellsMustReadAsWhatTheyStandFor) {
  G &g = scenario.PaintDurationGrid();
  G saved = g;
  struct Case {
    int column, row;
    const char *text;
    const char *expected;
  };
  const Case cases[] = {
      {G::kZone, 0, "x", "row 1: the zone reads \"x\""},
      {G::kStartDay, 1, "Monday", "row 2: the start day"},
      {G::kStartHour, 2, "25", "row 3: the start hour"},
      {G::kEndMinute, 0, "60", "end minute"},
      {G::kEndMinute, 0, "1.5", "whole number"},
      {G::kBreathingRate, 2, "", "breathing rate"},
      {G::kEndHour, 0, " 8", "row 1: it ends at or before its start"},
  };
  for (const Case &c : cases) {
    g.SetCell(c.column, c.row, c.text);
    EXPECT_NE(Problem().find(c.expected), std::string::npos) << Problem();
    g = saved;
  }
  // A cell holding control characters (a NUL would end the sentence the user
  // sees) is quoted with them shown as "?", and the range still follows.
  g.SetCell(G::kStartMinute, 1, std::string("\xc3\xb7\0", 3));
  EXPECT_NE(Problem().find(
                "the start minute reads \"\xc3\xb7?\"; it must be a whole number from 0 to 59"),
            std::string::npos)
      << Problem();
  EXPECT_EQ(EScenarioCheck(Problem()).what(), Problem());
  g = saved;
  g.RowCount = 801;
  EXPECT_NE(Problem().find("801 rows"), std::string::npos) << Problem();
  g.RowCount = -1;
  EXPECT_NE(Problem().find("from 0 to 800"), std::string::npos) << Problem();
}

TEST_F(ScenarioCheck, ARefusedScenarioWritesNothingAndStartsNothing) {
  s.ReportInterval = 0;
  test::OwnerLoop owner;
  try {
    scenario.ExecuteLUMO(owner);
    FAIL() << "the scenario ran";
  } catch (const EScenarioCheck &e) {
    EXPECT_NE(std::string(e.what()).find("reporting interval"), std::string::npos);
  }
  EXPECT_FALSE(std::filesystem::exists(dir.File("emission.csv")));
  EXPECT_TRUE(scenario.Worker().Idle());
}

TEST_F(ScenarioCheck, AScheduleTooLongForItsRowsIsRefusedWithTheDaysItNeeds) {
  // A saved schedule that no longer matches the inputs: their painting
  // needs more than 800 days of work.
  s.BldgVolume = 5e7;
  try {
    scenario.FillTransferRecord();
    FAIL() << "the scenario was sent";
  } catch (const EScenarioCheck &e) {
    const std::string text = e.what();
    EXPECT_NE(text.find("gallons of primer"), std::string::npos) << text;
    EXPECT_NE(text.find("needs 4,121 days"), std::string::npos) << text;
    EXPECT_NE(text.find("at most 800 days"), std::string::npos) << text;
  }
}

// Values far outside any building that reached the engine before and came
// back as "Could Not Initialize the Calculations" or "Painting Limits
// exceeded" are refused by name, value and range.
TEST_F(ScenarioCheck, ValuesBeyondTheUpperLimitsAreNamedWithTheirRange) {
  struct Case {
    std::function<void(ScenarioRecord &)> damage;
    std::vector<std::string> expected;
  };
  const Case cases[] = {
      {[](auto &s) {
         s.Sinks.SinkModel = SinkModelType::OneWay;
         s.Sinks.SinkArea[0] = 1e200;
         s.Sinks.AdsorptionRate[0] = 1e200;  // area × rate: 1e400
       },
       {"Sink 1: the area is 1e+200;", "0 to 1,000,000,000 m²"}},
      {[](auto &s) {
         s.Sinks.SinkModel = SinkModelType::Reversible;
         s.Sinks.AdsorptionRate[4] = 2e4;
       },
       {"Sink 5: the adsorption rate constant is 20,000;", "0 to 10,000 m/hour"}},
      {[](auto &s) {
         s.Sinks.SinkModel = SinkModelType::Reversible;
         s.Sinks.DesorptionRate[2] = 1e5;
       },
       {"Sink 3: the desorption rate constant", "0 to 10,000 1/hour"}},
      {[](auto &s) { s.WeekDayPattern.BreathingRate[0] = 1e300; },
       {"weekday activity pattern, entry 1: the breathing rate is 1e+300;",
        "0 to 1,000,000 m³/day"}},
      {[](auto &s) { s.PrimerChemicalMass = 1e300; },
       {"primer's mass of chemical is 1e+300;", "0 to 1,000,000,000,000 grams"}},
      {[](auto &s) { s.BldgVolume = 1e-30; }, {"building volume is 1e-30;"}},
      {[](auto &s) { s.BldgVolume = 1e300; },
       {"building volume is 1e+300;", "1 to 1,000,000,000 ft³"}},
      {[](auto &s) { s.AirExchangeRate = 5000; }, {"air exchange rate", "0 to 1,000"}},
      {[](auto &s) { s.InterzonalAirflow = 1e13; }, {"interzonal airflow", "ft³/hour"}},
      {[](auto &s) { s.LoadingRatio = 11; }, {"loading ratio is 11;", "0 to 10"}},
      {[](auto &s) { s.PaintCoats = 101; }, {"paint coats is 101", "0 to 100"}},
      {[](auto &s) { s.PrimerApplicationRate = 1001; }, {"primer application rate", "1,000"}},
      {[](auto &s) { s.PrimerDensity = 2e8; }, {"primer density", "100,000,000 grams/gallon"}},
      {[](auto &s) { s.VaporPressure = 20000; }, {"vapour pressure", "1e-07 to 10,000 torr"}},
      {[](auto &s) { s.PaintRateConstant1 = 2e7; },
       {"paint's first rate constant", "0 to 10,000,000 1/hour"}},
      {[](auto &s) {
         s.PrimerEmissionsModel = EmissionsModelType::SemiEmpirical;
         s.PrimerVOCWeightFraction = 0;
       },
       {"primer's total VOC weight fraction", "0.0001 to 1"}},
      {[](auto &s) { s.EventsPerYear = 2e6; }, {"exposure events per year", "0.01 to 1,000,000"}},
      {[](auto &s) { s.YearsofExposure = 500; }, {"years of exposure", "0 to 150 years"}},
      {[](auto &s) { s.LifeTime = 1e9; }, {"lifetime", "1 to 150 years"}},
      {[](auto &s) { s.BodyWeight = 0.5; }, {"body weight", "1 to 1,000 kg"}},
      {[](auto &s) {
         s.BldgType = BldgType::Other;
         s.BoxHeight = 20000;
       },
       {"height of the Standard Box is 20,000;", "1 to 10,000 ft"}},
  };
  for (const Case &c : cases) {
    ScenarioRecord saved = s;
    c.damage(s);
    std::string problem = Problem();
    EXPECT_FALSE(problem.empty());
    for (const std::string &part : c.expected)
      EXPECT_NE(problem.find(part), std::string::npos) << "\"" << problem << "\" lacks " << part;
    s = saved;
  }
  // The schedule's own breathing rates too.
  G &g = scenario.PaintDurationGrid();
  g.SetCell(G::kBreathingRate, 1, "1e300");
  EXPECT_NE(Problem().find("row 2: the breathing rate reads \"1e300\""), std::string::npos)
      << Problem();
}

// Painting the whole building ("Entire Building", area 0) with less than
// all of it painted gives the engine an empty second zone.
TEST_F(ScenarioCheck, TheWholeBuildingPaintedNeedsAllOfItPainted) {
  s.BldgArea = BldgArea::EntireBldg;
  s.PercentPainted = 50;
  EXPECT_EQ(Problem(),
            "The whole building is painted (\"Entire Building\") but the percent painted is 50 "
            "%; with the whole building painted it must be 100 %. Choose the painted part again "
            "on the Painting Scenario page.");
  s.PercentPainted = 99;
  EXPECT_NE(Problem(), "");
  // Consistent scenarios run as before: the whole building at 100 %, and
  // an office's entire floor (area 2) at its share.
  s.PercentPainted = 100;
  scenario.SetPaintDurationGrid();
  EXPECT_EQ(Problem(), "");
  s.BldgType = BldgType::LowRise;
  s.BldgArea = BldgArea::EntireFloor;
  s.PercentPainted = 50;
  s.BldgVolume = 16000;
  scenario.SetPaintDurationGrid();
  EXPECT_EQ(Problem(), "");
}

TEST(StartupScenario, NeedsTheDefaultChemicalInTheList) {
  test::TempDir dir;
  test::WriteFileBytes(dir.File("Chems.dat"), "0\n1\n92.14 28.4 Toluene\n");
  TFileChemical chemicals(dir.File("Chems.dat"));
  LumoTransfer scenario(dir.Path());
  try {
    SetStartupScenario(scenario, chemicals);
    FAIL();
  } catch (const EScenarioCheck &e) {
    EXPECT_NE(std::string(e.what()).find("TMPD-MIB"), std::string::npos);
    EXPECT_NE(std::string(e.what()).find(dir.File("Chems.dat")), std::string::npos);
  }
}

}  // namespace
}  // namespace lumo
