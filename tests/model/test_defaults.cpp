// Factory defaults, the default rules for the exposed person, the values
// derived from the defaults, and the display texts.
#include <gtest/gtest.h>

#include <cmath>

#include "lumo_state.h"

namespace lumo {
namespace {

TEST(FactoryDefaults, InputsAndDerivedValues) {
  TLumoState s;
  const auto &r = s.ScenarioRecord;
  EXPECT_EQ(r.Reserved1, 1);
  EXPECT_EQ(r.BldgVolume, 15583.0);
  EXPECT_EQ(r.VolumeUnits.Text(), "ft³");
  EXPECT_EQ(r.InterzonalAirflow, 3451.63);
  EXPECT_EQ(r.LoadingRatio, 0.29);
  EXPECT_EQ(r.StartDay, Days::Mon);
  EXPECT_EQ(r.BldgArea, BldgArea::OneBedroom);
  EXPECT_EQ(r.RunLength, 5);
  EXPECT_EQ(r.ReportInterval, 60);
  EXPECT_EQ(r.ScenarioFileName.Text(), "lumo.vkx");
  EXPECT_EQ(r.EventsPerYear, 200.0);
  EXPECT_EQ(r.EventsinLifeTime, 5000);
  EXPECT_EQ(r.LifeTime, 75.0);
  EXPECT_EQ(r.BodyWeight, 71.8);
  EXPECT_EQ(r.Sinks.SinkModel, SinkModelType::None);
  EXPECT_EQ(r.Sinks.SinkArea[0], 0.0);

  // Volumes, hours and days that the defaults imply.
  EXPECT_NEAR(s.GetVolumePainted(), 1558.3, 1e-9);
  EXPECT_NEAR(s.GetPrimeVolume(), 2.259535, 1e-9);
  EXPECT_NEAR(s.GetPrimerHours(), 6.847, 1e-3);
  EXPECT_NEAR(s.GetPaintHours(), 3.4235, 1e-3);
  EXPECT_EQ(s.GetPrimerDays(), 1);
  EXPECT_EQ(s.GetPaintDays(), 1);
  EXPECT_NEAR(s.GetCalculatedSurfaceArea(), 451.907, 1e-3);
  EXPECT_NEAR(s.CalcInterZonalAirFlow(), 3451.63, 0.005);

  // Emissions (latex flat): a quarter of the chemical, 10 % fast.
  EXPECT_NEAR(r.PrimerChemicalMass, 25.985, 1e-3);
  EXPECT_NEAR(r.PaintChemicalMass, 12.992, 1e-3);
  EXPECT_EQ(r.PrimerPercentFirstExp, 10.0);
  EXPECT_EQ(r.PaintPercentFirstExp, 10.0);
  EXPECT_DOUBLE_EQ(r.PrimerRateConstant1, 233.25);
  EXPECT_DOUBLE_EQ(r.PaintRateConstant2, 0.00876);

  // The professional painter's patterns: outdoors all day.
  EXPECT_EQ(r.WeekDayPattern.Count, 1);
  EXPECT_EQ(r.WeekDayPattern.Zone[0], 0.0);
  EXPECT_EQ(r.WeekEndPattern.BreathingRate[0], 13.3);

  // The default events per year differ from the stored 200.
  EXPECT_NEAR(s.GetDefaultEventsPerYear(), 1500.0 / (6.847 + 3.4235), 0.01);
}

TEST(FactoryDefaults, SetDefaultClearsEveryResultAndItsStamp) {
  TLumoState s;
  auto &r = s.ScenarioRecord;
  r.BldgVolume = 1;
  r.Title.SetText("old");
  r.LADD = 5;
  r.SingleEventDose = 6;
  r.C15min = 7;
  r.C8hour = 8;
  r.Reserved0 = 1234;
  s.SetDefault();
  EXPECT_EQ(r.BldgVolume, 15583.0);
  EXPECT_EQ(r.Title.Text(), "");
  EXPECT_EQ(r.LADD, 0.0);
  EXPECT_EQ(r.SingleEventDose, 0.0);
  EXPECT_EQ(r.C15min, 0.0);
  EXPECT_EQ(r.C8hour, 0.0);
  EXPECT_EQ(r.Reserved0, 0);
}

TEST(FactoryDefaults, AlkydUsesOneExponentialFromTheWetFilm) {
  TLumoState s;
  auto &r = s.ScenarioRecord;
  r.PaintType = PaintType::Alkyd;
  s.SetDefaultEmissions();
  EXPECT_NEAR(r.PrimerChemicalMass, 2.259535 * 4600 * 0.01, 1e-6);
  EXPECT_EQ(r.PrimerPercentFirstExp, 100.0);
  const double expected = 2949417997.0 / (std::pow(1604.0 / 200.0, 0.581) * std::pow(150.0, 4.018));
  EXPECT_NEAR(r.PrimerRateConstant1 / expected, 1.0, 1e-12);
  EXPECT_EQ(r.PrimerRateConstant2, r.PrimerRateConstant1);
  EXPECT_GT(r.PaintRateConstant1, r.PrimerRateConstant1);  // thinner film, faster
}

TEST(PersonDefaults, ChangingThePerson) {
  TLumoState s;
  auto &r = s.ScenarioRecord;
  s.ApplyIndividualDefaults(IndividualType::Child);
  EXPECT_EQ(r.LifeTime, 10.0);
  EXPECT_EQ(r.BodyWeight, 20.3);
  EXPECT_DOUBLE_EQ(r.EventsPerYear, 1.0);  // 10 ÷ 10 %
  EXPECT_EQ(r.YearsofExposure, 10);
  EXPECT_EQ(r.EventsinLifeTime, 10);
  EXPECT_EQ(r.IndividualLocation, IndividualLocationType::Building);
  EXPECT_EQ(r.WeekEndPattern.EnterHour[1], 8.0);

  // 50 years × 0.25 events = 12.5, stored as 12 (halves to even).
  r.BldgType = BldgType::House;
  r.PercentPainted = 30.0;
  s.ApplyIndividualDefaults(IndividualType::DIY);
  EXPECT_DOUBLE_EQ(r.EventsPerYear, 0.25);
  EXPECT_EQ(r.YearsofExposure, 50);
  EXPECT_EQ(r.EventsinLifeTime, 12);
  r.EventsPerYear = 0.27;  // 13.5 goes up to the even 14
  EXPECT_EQ(s.GetDefaultEventsinLifeTime(), 14);

  // The gender changes life time, weight and patterns, not the counts.
  s.ApplyGenderDefaults(GenderType::Female);
  EXPECT_EQ(r.LifeTime, 78.9);
  EXPECT_EQ(r.BodyWeight, 65.4);
  EXPECT_EQ(r.EventsinLifeTime, 12);
  EXPECT_EQ(r.WeekDayPattern.BreathingRate[1], 21.6);
}

TEST(PersonDefaults, OfficeBuildings) {
  TLumoState s;
  auto &r = s.ScenarioRecord;
  r.IndividualType = IndividualType::Adult;
  for (BldgType t : {BldgType::HighRise, BldgType::LowRise}) {
    r.BldgType = t;
    EXPECT_EQ(s.GetDefaultLocation(), IndividualLocationType::NotBuilding);
    EXPECT_EQ(s.GetDefaultEventsPerYear(), 0.2);
  }
  // The standard cube is an office for the events, not for the location.
  r.BldgType = BldgType::Other;
  EXPECT_EQ(s.GetDefaultLocation(), IndividualLocationType::Building);
  EXPECT_EQ(s.GetDefaultEventsPerYear(), 0.2);
  EXPECT_EQ(s.GetWeekDayActivityPattern().Count, 3);
  r.IndividualType = IndividualType::DIY;
  EXPECT_EQ(s.GetDefaultEventsPerYear(), -1.0);
  r.Gender = GenderType::Male;
  ActivityPattern p = s.GetWeekDayActivityPattern();
  EXPECT_EQ(p.Zone[1], 1.0);
  EXPECT_EQ(p.BreathingRate[1], 20.4);
  EXPECT_EQ(s.GetWeekEndActivityPattern().Count, 1);
}

TEST(PersonDefaults, ValuesOutsideTheirTypesFallThrough) {
  TLumoState s;
  auto &r = s.ScenarioRecord;
  r.IndividualType = static_cast<IndividualType>(9);
  r.WeekDayPattern.Count = 17;
  r.EventsPerYear = 42;
  r.IndividualLocation = static_cast<IndividualLocationType>(7);
  EXPECT_EQ(s.GetWeekDayActivityPattern().Count, 17);
  EXPECT_EQ(s.GetDefaultEventsPerYear(), 42.0);
  EXPECT_EQ(s.GetDefaultYearsofExposure(), r.YearsofExposure);
  EXPECT_EQ(s.GetDefaultLocation(), r.IndividualLocation);
  EXPECT_EQ(s.GetZone(), 1);
  EXPECT_EQ(GetBreathingRate(static_cast<GenderType>(5), IndividualType::Adult), 18.0);
  EXPECT_EQ(GetGenderLifeTime(static_cast<GenderType>(5)), 75.0);
}

TEST(PersonDefaults, BreathingRatesAndZones) {
  EXPECT_EQ(GetBreathingRate(GenderType::Male, IndividualType::Pro), 30.0);
  EXPECT_EQ(GetBreathingRate(GenderType::Female, IndividualType::Adult), 16.8);
  EXPECT_EQ(GetBreathingRate(GenderType::Male, IndividualType::Child), 16.8);
  EXPECT_EQ(GetGenderBodyWt(GenderType::Male), 78.1);
  TLumoState s;
  s.ScenarioRecord.IndividualLocation = IndividualLocationType::Building;
  EXPECT_EQ(s.GetZone(), 2);
  s.ScenarioRecord.IndividualLocation = IndividualLocationType::NotBuilding;
  EXPECT_EQ(s.GetZone(), 0);
}

TEST(DerivedQuantities, LoadRatioAirflowAndSinkAreas) {
  TLumoState s;
  auto &r = s.ScenarioRecord;
  r.BldgSurface = BldgSurface::Both;
  s.SetDefaultLoadRatio();
  EXPECT_EQ(r.LoadingRatio, 0.42);
  r.BldgType = BldgType::Other;
  s.SetDefaultLoadRatio();
  EXPECT_EQ(r.LoadingRatio, 0.35);
  r.BldgSurface = static_cast<BldgSurface>(3);
  s.SetDefaultLoadRatio();
  EXPECT_EQ(r.LoadingRatio, 0.35);  // unchanged
  // Office airflow: painted share × volume × unpainted share.
  EXPECT_NEAR(s.CalcInterZonalAirFlow(), 1558.3 * 0.9, 1e-9);

  // Residence, walls, 10 % painted.
  r.BldgType = BldgType::House;
  r.BldgSurface = BldgSurface::Walls;
  r.Sinks.SinkArea[2] = 3.0;
  r.Sinks.SinkArea[5] = 6.0;
  s.CalcSinkAreas();
  const double v1 = 0.0283 * 15583 * 0.1, v2 = 0.0283 * 15583 - v1;
  EXPECT_NEAR(r.Sinks.SinkArea[0], 0.8 * v1 * 0.43, 1e-9);
  EXPECT_NEAR(r.Sinks.SinkArea[1], 0.43 * v1, 1e-9);
  EXPECT_NEAR(r.Sinks.SinkArea[3], 0.8 * v2 * 0.43, 1e-9);
  EXPECT_NEAR(r.Sinks.SinkArea[4], 1.38 * v2, 1e-9);
  EXPECT_EQ(r.Sinks.SinkArea[2], 3.0);  // "other" sinks are the user's
  EXPECT_EQ(r.Sinks.SinkArea[5], 6.0);

  // Whole building painted: everything is zone 1. Office ceilings.
  r.BldgArea = BldgArea::EntireBldg;
  r.BldgType = BldgType::LowRise;
  r.BldgSurface = BldgSurface::Ceilings;
  s.CalcSinkAreas();
  EXPECT_NEAR(r.Sinks.SinkArea[0], 0.8 * 0.0283 * 15583 * 0.33, 1e-9);
  EXPECT_NEAR(r.Sinks.SinkArea[1], 0.82 * 0.0283 * 15583, 1e-9);
  EXPECT_NEAR(r.Sinks.SinkArea[3], 0.0, 1e-9);
}

TEST(DerivedQuantities, WorkDaysRoundUpWithATolerance) {
  TLumoState s;
  auto &r = s.ScenarioRecord;
  // One painter, 1 gal/hour, so the hours are the gallons.
  r.PrimerApplicationRate = 1.0;
  r.BldgVolume = 1000;
  r.PercentPainted = 100;
  r.LoadingRatio = 1;
  r.PrimerWorkHours = 8;
  r.PrimerCoverage = 1000.0 / 16.0;  // 16 hours
  EXPECT_EQ(s.GetPrimerDays(), 2);
  r.PrimerCoverage = 1000.0 / 16.5;
  EXPECT_EQ(s.GetPrimerDays(), 3);
  r.PrimerCoverage = 1000.0 / 16.00004;  // a fraction of 0.000005 counts as none
  EXPECT_EQ(s.GetPrimerDays(), 2);
  r.PrimerCoverage = 1000.0 / 16.0002;
  EXPECT_EQ(s.GetPrimerDays(), 3);
  r.PrimerCoats = 0;
  EXPECT_EQ(s.GetPrimerDays(), 0);
  r.PrimerCoats = 1;
  r.PrimerWorkHours = 0;  // impossible: as many days as can be counted
  EXPECT_EQ(s.GetPrimerDays(), std::numeric_limits<std::int32_t>::max());
  r.PrimerWorkHours = -8;
  EXPECT_EQ(s.GetPrimerDays(), 0);
}

TEST(DisplayTexts, EveryChoiceAndValuesOutside) {
  EXPECT_EQ(DaytoString(Days::Wed), "Wednesday");
  EXPECT_EQ(DaytoString(static_cast<Days>(7)), "");
  EXPECT_EQ(SinkModeltoString(SinkModelType::Reversible), "Reversible Sink");
  EXPECT_EQ(BldgTypetoString(BldgType::HighRise), "High Rise");
  EXPECT_EQ(PaintTypetoString(PaintType::LatexSemiGloss), "Latex Semi-Gloss");
  EXPECT_EQ(EmissionsModelTypetoString(EmissionsModelType::SemiEmpirical), "VBX");
  EXPECT_EQ(IndividualTypetoString(IndividualType::DIY), "Do-it-Yourself Painter");
  EXPECT_EQ(IndividualLocationTypetoString(IndividualLocationType::NotBuilding), "Not in building");
  EXPECT_EQ(GenderToString(GenderType::NonSpecific), "Non-Specific");
  EXPECT_EQ(BldgTypetoString(static_cast<BldgType>(255)), "");

  TLumoState s;
  EXPECT_EQ(s.DaytoString(), "Monday");
  EXPECT_EQ(s.SinkModeltoString(), "No Sink");
  EXPECT_EQ(s.BldgTypetoString(), "House");
  EXPECT_EQ(s.PaintTypetoString(), "Latex Flat");
  EXPECT_EQ(s.PrimerEmissionsModelTypetoString(), "Empirical");
  EXPECT_EQ(s.IndividualTypetoString(), "Professional Painter");
  EXPECT_EQ(s.IndividualLocationTypetoString(), "In painted area");
  s.SetSink(SinkModelType::OneWay);
  EXPECT_EQ(s.SinkModeltoString(), "One Way Sink");
}

}  // namespace
}  // namespace lumo
