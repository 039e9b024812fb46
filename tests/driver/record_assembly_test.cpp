// The engine record built from a scenario, checked against hand-computed
// figures for the factory defaults and for the cases that change its shape.
#include <gtest/gtest.h>

#include <cmath>
#include <numeric>

#include "default_scenario.h"
#include "lumo_transfer.h"
#include "platform.h"
#include "scenario_check.h"
#include "temp_dir.h"

namespace lumo {
namespace {

using G = PaintDurationGrid;

class RecordAssembly : public ::testing::Test {
 protected:
  test::TempDir dir;
  LumoTransfer scenario{dir.Path()};
  ScenarioRecord &s = scenario.ScenarioRecord;
  const TransferRecord &r = scenario.Record();

  void SetUp() override {
    TFileChemical chemicals(std::string(LUMO_SOURCE_DATA_DIR) + "/Chems.dat");
    SetStartupScenario(scenario, chemicals);
  }
  // Rebuilds what the main window rebuilds after an edit, then the record.
  void Refill() {
    scenario.SetDefaultEmissions();
    scenario.SetPaintDurationGrid();
    scenario.FillTransferRecord();
  }
  std::vector<EmissionRateIncrementalRecord> Emissions() const {
    const auto &l = r.EmissionRateIncrementalList;
    return {l.List, l.List + l.Entries};
  }
  double TotalMass() const {
    double sum = 0;
    for (const auto &e : Emissions()) sum += e.MassReleased;
    return sum;
  }
  // Hours of schedule row `row` as the schedule reads.
  double RowHours(int row) const {
    const G &g = scenario.PaintDurationGrid();
    return *g.CellNumber(G::kEndHour, row) - *g.CellNumber(G::kStartHour, row) +
           (*g.CellNumber(G::kEndMinute, row) - *g.CellNumber(G::kStartMinute, row)) / 60.0;
  }
};

TEST_F(RecordAssembly, FactoryDefaults) {
  scenario.FillTransferRecord();
  EXPECT_EQ(r.Zones, 2);
  EXPECT_NEAR(r.VolumeRecord.Zone1Volume, 44.10, 0.005);
  EXPECT_NEAR(r.VolumeRecord.Zone2Volume, 396.90, 0.005);
  ASSERT_EQ(r.AirFlowRecordOne.Entries, 2);
  EXPECT_NEAR(r.AirFlowRecordOne.List[0], 476.3, 0.05);
  EXPECT_EQ(r.AirFlowRecordOne.List[1], r.AirFlowRecordOne.List[0]);
  ASSERT_EQ(r.AirFlowRecordTwo.Entries, 4);
  EXPECT_NEAR(r.AirFlowRecordTwo.List[0], 396.90 * 0.45 * 24, 0.05);
  EXPECT_NEAR(r.AirFlowRecordTwo.List[2], 2344.3, 0.05);
  EXPECT_EQ(r.AirFlowRecordTwo.List[3], r.AirFlowRecordTwo.List[2]);
  EXPECT_EQ(r.InitialConcentrationRecord.Zone1C, 0.0f);

  // A Monday start: five weekdays, then the weekend.
  EXPECT_EQ(std::vector<int>(r.PrimaryDaysList, r.PrimaryDaysList + 7),
            (std::vector<int>{1, 1, 1, 1, 1, 0, 0}));
  // The professional painter's day: outdoors all day at 13.3 m³/day.
  ASSERT_EQ(r.PrimaryActivityList.Entries, 1);
  EXPECT_EQ(r.PrimaryActivityList.List[0].Zone, 0);
  EXPECT_FLOAT_EQ(r.PrimaryActivityList.List[0].BreathingRate, 13.3f);

  // Three work periods: Monday 9:00-15:51 priming, 15:51-17:00 painting,
  // Tuesday 9:00-11:16 painting; the painter is in zone 1 at 27.5 m³/day.
  ASSERT_EQ(r.OverrideActivityList.Entries, 3);
  const OverrideRecord *o = r.OverrideActivityList.List;
  EXPECT_FLOAT_EQ(o[0].EnterTime, 0.375f);
  EXPECT_NEAR(o[0].ExitTime, 0.66042, 1e-5);
  EXPECT_NEAR(o[1].EnterTime, 0.66042, 1e-5);
  EXPECT_NEAR(o[1].ExitTime, 17.0 / 24, 1e-6);
  EXPECT_FLOAT_EQ(o[2].EnterTime, 1.375f);
  EXPECT_NEAR(o[2].ExitTime, 1 + (11 + 16 / 60.0) / 24, 1e-6);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(o[i].Zone, 1);
    EXPECT_FLOAT_EQ(o[i].BreathingRate, 27.5f);
  }

  // Two exponentials per row: primer row 1, then painting rows 2 and 3.
  auto e = Emissions();
  ASSERT_EQ(e.size(), 6u);
  double primerPerHour = 1000 * s.PrimerChemicalMass / scenario.GetPrimerHours();
  double paintPerHour = 1000 * s.PaintChemicalMass / scenario.GetPaintHours();
  EXPECT_NEAR(e[0].MassReleased, primerPerHour * RowHours(0) * 0.10, 1e-2);
  EXPECT_NEAR(e[1].MassReleased, primerPerHour * RowHours(0) * 0.90, 1e-1);
  EXPECT_NEAR(e[2].MassReleased, paintPerHour * RowHours(1) * 0.10, 1e-2);
  EXPECT_NEAR(e[5].MassReleased, paintPerHour * RowHours(2) * 0.90, 1e-1);
  EXPECT_FLOAT_EQ(e[0].StartTime, 0.375f);
  EXPECT_FLOAT_EQ(e[2].StartTime, o[1].EnterTime);
  EXPECT_FLOAT_EQ(e[4].StartTime, 1.375f);
  EXPECT_NEAR(e[0].Duration, RowHours(0) / 24, 1e-7);
  // Latex rate constants, per day: 233.25 × vapour pressure and 5.84e-5 ×
  // molecular weight per hour.
  EXPECT_NEAR(e[0].RateConstant, 233.25 * 0.013 * 24, 1e-3);
  EXPECT_NEAR(e[1].RateConstant, 5.84e-5 * 216.32 * 24, 1e-6);
  EXPECT_NEAR(e[3].RateConstant, e[1].RateConstant, 1e-7);
  for (const auto &x : e) EXPECT_EQ(x.Zone, 1);
  // Everything applied is released (up to the schedule's whole minutes).
  EXPECT_NEAR(TotalMass(), 1000 * (s.PrimerChemicalMass + s.PaintChemicalMass), 40);

  EXPECT_EQ(r.FirstOrderSinkList.Entries, 0);
  EXPECT_EQ(r.LangmuirSinkList.Entries, 0);
  EXPECT_FLOAT_EQ(r.SaturationConcentration, 9e33f);
  EXPECT_FLOAT_EQ(r.StartTime, 0.375f);
  EXPECT_FLOAT_EQ(r.EndTime, 5.375f);
  EXPECT_FLOAT_EQ(r.ReportInterval, float(60.0 / 1440));
  EXPECT_FLOAT_EQ(r.EventsPerYear, 200.0f);
  EXPECT_FLOAT_EQ(r.BodyWeight, 71.8f);
  EXPECT_FLOAT_EQ(r.YearsofExposure, 25.0f);
  EXPECT_FLOAT_EQ(r.AverageLifeTime, 75.0f * 365);
  EXPECT_EQ(std::string(r.filename), dir.Path() + "/lumo.CSV");

  EXPECT_EQ(test::ReadFileBytes(dir.File("emission.csv")),
            "Total Priming Time:,       6.85\n"
            "Total Painting Time:,       3.42\n"
            "Primer Mass Per Hour:,    3795.00\n"
            "Paint Mass Per Hour:,    3795.00\n"
            "Primer Days:,1\n"
            "1:,Primer:,   2599.57\n"
            "2:,Paint:,    436.42\n"
            "3:,Paint:,    860.20\n");
}

TEST_F(RecordAssembly, DayTypesFollowTheStartDay) {
  s.StartDay = Days::Fri;
  Refill();
  EXPECT_EQ(std::vector<int>(r.PrimaryDaysList, r.PrimaryDaysList + 7),
            (std::vector<int>{1, 0, 0, 1, 1, 1, 1}));
}

TEST_F(RecordAssembly, PaintingOnTheNextOrSecondDayShiftsTheOverrides) {
  for (auto [interval, offset] :
       {std::pair{PaintInterval::PAINTNEXTDAY, 1}, std::pair{PaintInterval::PAINTSECONDDAY, 2}}) {
    s.PaintInterval = interval;
    Refill();
    ASSERT_EQ(r.OverrideActivityList.Entries, 2);
    const OverrideRecord *o = r.OverrideActivityList.List;
    EXPECT_FLOAT_EQ(o[1].EnterTime, offset + 0.375f);
    EXPECT_NEAR(o[1].ExitTime, offset + (9 + 3 + 25 / 60.0) / 24, 1e-5);
    auto e = Emissions();
    ASSERT_EQ(e.size(), 4u);
    EXPECT_FLOAT_EQ(e[2].StartTime, o[1].EnterTime);
  }
}

TEST_F(RecordAssembly, OneZoneSendsZoneTwoAsZoneOne) {
  s.PercentPainted = 100;
  s.BldgArea = BldgArea::EntireBldg;
  // An adult at home spends time in zone 2 and is in zone 2 while painting
  // goes on.
  scenario.ApplyIndividualDefaults(IndividualType::Adult);
  ASSERT_EQ(s.IndividualLocation, IndividualLocationType::Building);
  Refill();
  EXPECT_EQ(r.Zones, 1);
  EXPECT_FLOAT_EQ(r.VolumeRecord.Zone2Volume, 0.0f);
  ASSERT_EQ(r.AirFlowRecordTwo.Entries, 4);
  EXPECT_EQ(r.AirFlowRecordTwo.List[0], 0.0f);
  EXPECT_EQ(r.AirFlowRecordTwo.List[1], 0.0f);
  EXPECT_NEAR(r.AirFlowRecordTwo.List[2], 0.0283 * s.InterzonalAirflow * 24, 0.01);
  for (const ActivityList *l : {&r.PrimaryActivityList, &r.SecondaryActivityList}) {
    ASSERT_GT(l->Entries, 1);
    for (int i = 0; i < l->Entries; ++i) EXPECT_LE(l->List[i].Zone, 1);
  }
  ASSERT_GT(r.OverrideActivityList.Entries, 0);
  for (int i = 0; i < r.OverrideActivityList.Entries; ++i)
    EXPECT_EQ(r.OverrideActivityList.List[i].Zone, 1);

  // With two zones the same person is sent to zone 2.
  s.PercentPainted = 99;
  s.BldgArea = BldgArea::OneBedroom;
  Refill();
  EXPECT_EQ(r.Zones, 2);
  EXPECT_EQ(r.OverrideActivityList.List[0].Zone, 2);
}

TEST_F(RecordAssembly, PatternsStartAtMidnight) {
  ActivityPattern &p = s.WeekEndPattern;
  p.Count = 3;
  double hours[] = {6, 12, 18}, minutes[] = {30, 0, 45};
  for (int i = 0; i < 3; ++i) {
    p.Zone[i] = i;
    p.EnterHour[i] = hours[i];
    p.EnterMinute[i] = minutes[i];
    p.BreathingRate[i] = 10 + i;
  }
  scenario.FillTransferRecord();
  const ActivityList &l = r.SecondaryActivityList;
  ASSERT_EQ(l.Entries, 3);
  EXPECT_EQ(l.List[0].Days, 0.0f);
  EXPECT_NEAR(l.List[1].Days, 5.5 / 24, 1e-6);
  EXPECT_NEAR(l.List[2].Days, (12 + 15 / 60.0) / 24, 1e-6);
  EXPECT_EQ(l.List[2].Zone, 2);
  EXPECT_FLOAT_EQ(l.List[1].BreathingRate, 11.0f);
}

TEST_F(RecordAssembly, AlkydUsesOneExponential) {
  s.PaintType = PaintType::Alkyd;
  Refill();
  auto e = Emissions();
  ASSERT_EQ(e.size(), size_t(scenario.PaintDurationGrid().Rows()));
  // 2949417997 × p^0.267 ÷ (W^0.581 × MW^4.018) per hour, W = 1604 ÷ coverage.
  double w = 1604.0 / s.PrimerCoverage;
  double k = 2949417997.0 * std::pow(0.013, 0.267) / (std::pow(w, 0.581) * std::pow(216.32, 4.018));
  EXPECT_NEAR(e[0].RateConstant, k * 24, k * 24 * 1e-6);
  EXPECT_NEAR(TotalMass(), 1000 * (s.PrimerChemicalMass + s.PaintChemicalMass), 1e-3 * TotalMass());
}

TEST_F(RecordAssembly, SemiEmpiricalChangesOnlyTheFirstRateConstant) {
  s.PrimerEmissionsModel = EmissionsModelType::SemiEmpirical;
  s.PrimerFirstOrderRateConstant = 0.5;
  scenario.FillTransferRecord();
  auto e = Emissions();
  EXPECT_FLOAT_EQ(e[0].RateConstant, 12.0f);
  EXPECT_NEAR(e[1].RateConstant, s.PrimerRateConstant2 * 24, 1e-6);
  EXPECT_NEAR(e[2].RateConstant, s.PaintRateConstant1 * 24, 1e-3);  // paint unchanged
}

// 8.004 hours of priming at 8 hours a day: the schedule holds one priming
// row of 8:00 (its minutes rounded), while the unrounded hours make two
// priming days. The second row is painting and is released as paint.
TEST_F(RecordAssembly, PrimingRowsAreThoseTheScheduleHolds) {
  s.PrimerApplicationRate = scenario.GetPrimeVolume() / 8.004;
  Refill();
  ASSERT_EQ(scenario.GetPrimerDays(), 2);
  ASSERT_EQ(scenario.CountPaintDurationGridRows().PrimingRows, 1);
  auto e = Emissions();
  int rows = scenario.PaintDurationGrid().Rows();
  ASSERT_EQ(e.size(), size_t(2 * rows));
  EXPECT_FLOAT_EQ(e[2].StartTime, r.OverrideActivityList.List[1].EnterTime);
  double paintPerHour = 1000 * s.PaintChemicalMass / scenario.GetPaintHours();
  EXPECT_NEAR(e[2].MassReleased, paintPerHour * RowHours(1) * 0.1, 1e-2);
  std::string dump = test::ReadFileBytes(dir.File("emission.csv"));
  EXPECT_NE(dump.find("Primer Days:,1\n"), std::string::npos);
  EXPECT_NE(dump.find("2:,Paint:,"), std::string::npos);
}

TEST_F(RecordAssembly, NoPrimerStartsWithPainting) {
  s.PrimerCoats = 0;
  Refill();
  auto e = Emissions();
  ASSERT_FALSE(e.empty());
  EXPECT_FLOAT_EQ(e[0].StartTime, 0.375f);
  EXPECT_FLOAT_EQ(r.StartTime, 0.375f);
  EXPECT_EQ(test::ReadFileBytes(dir.File("emission.csv")).find("Primer:,"), std::string::npos);
  // The paint released is the mass per hour times the schedule's hours.
  double hours = 0;
  for (int row = 0; row < scenario.PaintDurationGrid().Rows(); ++row) hours += RowHours(row);
  double paintPerHour = 1000 * s.PaintChemicalMass / scenario.GetPaintHours();
  EXPECT_NEAR(TotalMass(), paintPerHour * hours, 1e-5 * TotalMass());
}

TEST_F(RecordAssembly, SinkListsFollowTheSinkModel) {
  for (int i = 0; i < 6; ++i) {
    s.Sinks.SinkArea[i] = 10 + i;
    s.Sinks.AdsorptionRate[i] = 0.1 * (i + 1);
    s.Sinks.DesorptionRate[i] = 0.01 * (i + 1);
  }
  s.Sinks.SinkModel = SinkModelType::OneWay;
  scenario.FillTransferRecord();
  ASSERT_EQ(r.FirstOrderSinkList.Entries, 6);
  EXPECT_EQ(r.LangmuirSinkList.Entries, 0);
  for (int i = 0; i < 6; ++i) {
    const FirstOrderSinkRecord &f = r.FirstOrderSinkList.List[i];
    EXPECT_EQ(f.Zone, i < 3 ? 1 : 2);
    EXPECT_EQ(f.SinkType, 0);
    EXPECT_NEAR(f.RateConstant, (10 + i) * 0.1 * (i + 1) * 24, 1e-4);
  }
  s.Sinks.SinkModel = SinkModelType::Reversible;
  scenario.FillTransferRecord();
  EXPECT_EQ(r.FirstOrderSinkList.Entries, 0);
  ASSERT_EQ(r.LangmuirSinkList.Entries, 6);
  const LangmuirSinkRecord &l = r.LangmuirSinkList.List[4];
  EXPECT_EQ(l.Zone, 2);
  EXPECT_NEAR(l.AbsorptionRate, 0.5 * 24, 1e-5);
  EXPECT_NEAR(l.DesorptionRate, 0.05 * 24, 1e-6);
  EXPECT_FLOAT_EQ(l.Area, 14.0f);
  EXPECT_EQ(l.LangmuirMass, 0.0f);
}

TEST_F(RecordAssembly, ConcentrationFileIsNamedAfterTheScenarioFile) {
  s.ScenarioFileName.SetText("/data/my.runs/paint.vkx");
  EXPECT_EQ(scenario.ConcentrationFileName(), "/data/my.runs/paint.CSV");
  s.ScenarioFileName.SetText("/data/my.runs/test");
  EXPECT_EQ(scenario.ConcentrationFileName(), "/data/my.runs/test.CSV");
  scenario.FillTransferRecord();
  EXPECT_STREQ(r.filename, "/data/my.runs/test.CSV");
  EXPECT_EQ(scenario.DumpFileName(), dir.Path() + "/xferlumo32.txt");
}

TEST_F(RecordAssembly, UnwritableEmissionDumpStopsTheSetUp) {
  LumoTransfer elsewhere(dir.File("no-such-folder"));
  elsewhere.ScenarioRecord = s;
  elsewhere.SetPaintDurationGrid();
  EXPECT_THROW(elsewhere.FillTransferRecord(), platform::FileError);
}

TEST_F(RecordAssembly, AfterExecutionCopiesTheResults) {
  ExecutionResultsRecord res{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
  EXPECT_TRUE(scenario.AfterExecution(res));
  EXPECT_EQ(s.LADD, 1);
  EXPECT_EQ(s.Cpeak, 5);
  EXPECT_EQ(s.SingleEventDose, 6);
  EXPECT_EQ(s.APDR, 7);
  EXPECT_EQ(s.APDRtime, 8);
  EXPECT_EQ(s.C8hour, 10);
}

}  // namespace
}  // namespace lumo
