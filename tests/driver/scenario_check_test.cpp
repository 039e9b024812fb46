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
      {[](auto &s) { s.NumberOfPainters = 0; }, {"number of painters", "1 to 1000"}},
      {[](auto &s) { s.PrimerWorkHours = 0.5; }, {"hours per day for priming", "1 to 12"}},
      {[](auto &s) { s.PaintWorkHours = 13; }, {"hours per day for painting", "1 to 12"}},
      {[](auto &s) { s.PrimerWeightFraction = 1.5; }, {"primer weight fraction", "0 to 1"}},
      {[](auto &s) { s.PaintWeightFraction = -0.1; }, {"paint weight fraction", "0 to 1"}},
      {[](auto &s) { s.BldgVolume = 0; }, {"building volume", "greater than 0"}},
      {[](auto &s) { s.PercentPainted = 0; }, {"percent painted", "at most 100"}},
      {[](auto &s) { s.PrimerCoverage = 0; }, {"primer coverage", "greater than 0"}},
      {[](auto &s) { s.PaintApplicationRate = -1; }, {"paint application rate"}},
      {[](auto &s) { s.PaintDensity = 0; }, {"paint density", "greater than 0"}},
      {[=](auto &s) { s.BodyWeight = nan; }, {"body weight", "nan"}},
      {[](auto &s) { s.LifeTime = 0; }, {"lifetime"}},
      {[=](auto &s) { s.AirExchangeRate = INFINITY; }, {"air exchange rate"}},
      {[=](auto &s) { s.PaintRateConstant2 = nan; }, {"paint's second rate constant"}},
      {[](auto &s) { s.EventsPerYear = -1; }, {"exposure events per year"}},
      {[](auto &s) { s.StartDay = Days(9); }, {"start day", "choice 9", "0 to 6"}},
      {[](auto &s) { s.PaintType = PaintType(3); }, {"type of paint", "0 to 2"}},
      {[](auto &s) { s.Gender = GenderType(200); }, {"gender"}},
      {[](auto &s) { s.MolecularWeight = 0; }, {"molecular weight", "0.01 to 10000000"}},
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

TEST_F(ScenarioCheck, AScheduleTooLongForItsRowsIsRefused) {
  // One minute of work a day with hours of painting to do needs more than
  // 800 rows; the saved schedule cannot tell which rows are priming rows.
  s.NumberOfPainters = 1;
  s.PaintApplicationRate = 0.0001;
  EXPECT_THROW(scenario.FillTransferRecord(), ETooManyOverrideRows);
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
