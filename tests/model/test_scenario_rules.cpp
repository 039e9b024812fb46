// The scenario rules without a window: building choice with its defaults,
// the Standard Box, refusals, individual, location, gender, paint and
// weight fractions.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <memory>

#include "lumo_state.h"
#include "scenario_rules.h"

namespace lumo {
namespace {

using namespace lumo::rules;

TEST(BuildingChoice, HouseToHighRiseAndBackWithOneBedroom) {
  TLumoState s;
  auto &r = s.ScenarioRecord;
  ASSERT_EQ(r.BldgArea, BldgArea::OneBedroom);
  r.IndividualType = IndividualType::Adult;
  ApplyBuildingChoice(s, BldgType::HighRise, true);
  EXPECT_EQ(r.BldgType, BldgType::HighRise);
  EXPECT_EQ(r.BldgArea, BldgArea::OneOffice);
  EXPECT_EQ(r.PercentPainted, 1.0);
  EXPECT_EQ(r.BldgVolume, 1800000.0);
  EXPECT_EQ(r.AirExchangeRate, 1.0);
  EXPECT_EQ(r.LoadingRatio, 0.25);
  EXPECT_EQ(r.InterzonalAirflow, s.CalcInterZonalAirFlow());
  // An adult occupant of an office is outside the building while painting.
  EXPECT_EQ(r.IndividualLocation, IndividualLocationType::NotBuilding);

  ApplyBuildingChoice(s, BldgType::House, true);
  EXPECT_EQ(r.BldgArea, BldgArea::OneBedroom);
  EXPECT_EQ(r.PercentPainted, 10.0);
  EXPECT_EQ(r.BldgVolume, 15583.0);
  EXPECT_EQ(r.AirExchangeRate, 0.45);
  EXPECT_NEAR(r.InterzonalAirflow, 3451.63, 0.005);
  EXPECT_EQ(r.EventsinLifeTime, s.GetDefaultEventsinLifeTime());
}

TEST(BuildingChoice, DefaultTablesAndUncheckedAreaKeepsStoredArea) {
  EXPECT_EQ(DefaultPercentPainted(BldgType::Apartment, true), 15.0);
  EXPECT_EQ(DefaultPercentPainted(BldgType::LowRise, false), 50.0);
  EXPECT_EQ(DefaultPercentPainted(BldgType::LowRise, true), 5.0);
  EXPECT_EQ(DefaultPercentPainted(BldgType::Other, false), 100.0);
  EXPECT_EQ(AreaFor(BldgType::Other, true), BldgArea::OneBedroom);
  EXPECT_EQ(AreaFor(BldgType::LowRise, false), BldgArea::EntireFloor);

  TLumoState s;
  s.ScenarioRecord.BldgArea = BldgArea::EntireBldg;
  ApplyBuildingChoice(s, BldgType::Apartment, std::nullopt);
  EXPECT_EQ(s.ScenarioRecord.BldgArea, BldgArea::EntireBldg);
  EXPECT_EQ(s.ScenarioRecord.PercentPainted, 100.0);
  EXPECT_EQ(s.ScenarioRecord.BldgVolume, 7350.0);
}

TEST(BuildingChoice, StandardBoxDerivesEverythingFromTheBoxItself) {
  // A 40 × 40 × 10 ft box is 16000 ft³, not the 160000 ft³ of a low-rise.
  TLumoState box;
  ApplyBuildingChoice(box, BldgType::Other, true);
  EXPECT_EQ(box.ScenarioRecord.BldgVolume, 16000.0);

  // Airflow and sink areas are those of a 16000 ft³ building.
  TLumoState ref;
  ref.ScenarioRecord.BldgType = BldgType::Other;
  ref.ScenarioRecord.BldgVolume = 16000.0;
  ref.ScenarioRecord.PercentPainted = 10.0;
  ref.ScenarioRecord.AirExchangeRate = 1.0;
  ref.SetDefaultLoadRatio();
  ref.CalcSinkAreas();
  EXPECT_DOUBLE_EQ(box.ScenarioRecord.InterzonalAirflow, ref.CalcInterZonalAirFlow());
  for (int i = 0; i < SinkBlock::kSinks; ++i)
    EXPECT_DOUBLE_EQ(box.ScenarioRecord.Sinks.SinkArea[i], ref.ScenarioRecord.Sinks.SinkArea[i])
        << "sink " << i;

  // The refill keeps the box volume (and follows a change of dimensions).
  box.ScenarioRecord.BoxHeight = 12.0;
  ApplyRefillDerivations(box, false);
  EXPECT_EQ(box.ScenarioRecord.BldgVolume, 19200.0);
}

TEST(BuildingChoice, StandardBoxAcceptedPaintsTheWholeBox) {
  TLumoState s;
  ApplyStandardBoxAccepted(s);
  EXPECT_EQ(s.ScenarioRecord.BldgType, BldgType::Other);
  EXPECT_EQ(s.ScenarioRecord.PercentPainted, 100.0);
  EXPECT_EQ(s.ScenarioRecord.LoadingRatio, 0.25);
}

// What the Standard Box dialog holds against the schedule is what the
// building choice that follows it stores.
TEST(BuildingChoice, StandardBoxOutcomeIsWhatChoosingTheBoxStores) {
  for (BldgArea area : {BldgArea::EntireBldg, BldgArea::OneBedroom, BldgArea::OneOffice}) {
    TLumoState s;
    s.ScenarioRecord.BldgArea = area;
    const ScenarioRecord outcome = StandardBoxOutcome(s.ScenarioRecord, 30, 20, 10);
    auto &r = s.ScenarioRecord;
    r.BoxLength = 30;
    r.BoxWidth = 20;
    r.BoxHeight = 10;
    r.BldgVolume = BoxVolume(r);
    ApplyStandardBoxAccepted(s);
    ApplyBuildingChoice(s, BldgType::Other, PartOf(r.BldgArea));
    EXPECT_EQ(outcome.BldgVolume, r.BldgVolume);
    EXPECT_EQ(outcome.PercentPainted, r.PercentPainted);
    EXPECT_EQ(outcome.LoadingRatio, r.LoadingRatio);
    EXPECT_EQ(outcome.BldgArea, r.BldgArea);
    EXPECT_EQ(outcome.BldgType, BldgType::Other);
  }
}

TEST(Refill, LeavesTheScheduleWhenThePaintingDoesNotFitAndSaysWhy) {
  TLumoState s;
  PrepareDefaultScenario(s);
  const auto before = std::make_unique<PaintDurationGrid>(s.PaintDurationGrid());
  s.ScenarioRecord.BldgVolume = 5e7;
  const auto problem = ApplyRefillDerivations(s, false);
  ASSERT_TRUE(problem.has_value());
  EXPECT_NE(problem->find("needs 4,121 days"), std::string::npos) << *problem;
  EXPECT_EQ(std::memcmp(before.get(), &s.PaintDurationGrid(), sizeof *before), 0);
  s.ScenarioRecord.BldgVolume = 1e6;
  EXPECT_FALSE(ApplyRefillDerivations(s, false).has_value());
  EXPECT_GT(s.PaintDurationGrid().Rows(), before->Rows());
}

TEST(Refusals, OfficeStandardBoxAndIndividual) {
  TLumoState s;
  auto &r = s.ScenarioRecord;
  for (auto person : {IndividualType::Pro, IndividualType::Adult}) {
    r.IndividualType = person;
    EXPECT_FALSE(BuildingRefusal(r, BldgType::HighRise));
    EXPECT_FALSE(StandardBoxRefusal(r));
  }
  for (auto person : {IndividualType::DIY, IndividualType::Child}) {
    r.IndividualType = person;
    EXPECT_EQ(BuildingRefusal(r, BldgType::LowRise), std::string(kOfficeRefusedText));
    EXPECT_FALSE(BuildingRefusal(r, BldgType::Apartment));
    EXPECT_FALSE(BuildingRefusal(r, BldgType::Other));  // the Standard Box has its own rule
    EXPECT_EQ(StandardBoxRefusal(r), std::string(kStandardBoxRefusedText));
  }

  r.BldgType = BldgType::Other;
  EXPECT_EQ(IndividualRefusal(r, IndividualType::Child),
            "This choice is not applicable for a Standard Cube");
  r.BldgType = BldgType::HighRise;
  EXPECT_EQ(IndividualRefusal(r, IndividualType::DIY),
            "This choice is not applicable for an office building");
  EXPECT_FALSE(IndividualRefusal(r, IndividualType::Adult));
  r.BldgType = BldgType::House;
  EXPECT_FALSE(IndividualRefusal(r, IndividualType::DIY));
}

TEST(Refusals, EditVolumeAndPercentPainted) {
  ScenarioRecord r{};
  r.BldgType = BldgType::Other;
  EXPECT_TRUE(EditVolumeRefusal(r));
  r.BldgArea = BldgArea::EntireBldg;
  EXPECT_EQ(EditPercentPaintedRefusal(r), std::string(kEditPercentRefusedText));
  r.BldgType = BldgType::House;
  EXPECT_FALSE(EditVolumeRefusal(r));
  EXPECT_TRUE(EditPercentPaintedRefusal(r));
  r.BldgArea = BldgArea::OneBedroom;
  EXPECT_FALSE(EditPercentPaintedRefusal(r));
  // An office's entire floor is a share of the building: editable.
  r.BldgType = BldgType::HighRise;
  r.BldgArea = BldgArea::EntireFloor;
  EXPECT_FALSE(EditPercentPaintedRefusal(r));
}

TEST(Individual, ChildInAHouseGetsAllOfItsDefaults) {
  TLumoState s;
  auto &r = s.ScenarioRecord;
  r.LifeTime = 1;
  r.BodyWeight = 1;
  ApplyIndividual(s, IndividualType::Child);
  EXPECT_EQ(r.IndividualType, IndividualType::Child);
  EXPECT_EQ(r.LifeTime, 10.0);
  EXPECT_EQ(r.BodyWeight, 20.3);
  EXPECT_EQ(r.YearsofExposure, 10);
  EXPECT_EQ(r.EventsPerYear, s.GetDefaultEventsPerYear());
  EXPECT_EQ(r.EventsinLifeTime, s.GetDefaultEventsinLifeTime());
  EXPECT_EQ(r.IndividualLocation, IndividualLocationType::Building);
}

TEST(Location, RefusedOnlyForAWholeHighRiseAndPaintersGetANotice) {
  TLumoState s;
  auto &r = s.ScenarioRecord;
  r.BldgType = BldgType::HighRise;
  r.PercentPainted = 100.0;
  EXPECT_EQ(LocationRefusal(r, IndividualLocationType::Building),
            std::string(kLocationRefusedText));
  EXPECT_FALSE(LocationRefusal(r, IndividualLocationType::NotBuilding));
  r.PercentPainted = 99.9;
  EXPECT_FALSE(LocationRefusal(r, IndividualLocationType::Building));
  r.PercentPainted = 100.0;
  r.BldgType = BldgType::LowRise;
  EXPECT_FALSE(LocationRefusal(r, IndividualLocationType::Building));

  r.IndividualType = IndividualType::DIY;
  EXPECT_TRUE(LocationNotice(r, IndividualLocationType::NotBuilding));
  EXPECT_FALSE(LocationNotice(r, IndividualLocationType::PaintedArea));
  r.IndividualType = IndividualType::Adult;
  EXPECT_FALSE(LocationNotice(r, IndividualLocationType::Building));

  ApplyLocation(s, IndividualLocationType::NotBuilding);
  EXPECT_EQ(r.IndividualLocation, IndividualLocationType::NotBuilding);
}

TEST(Gender, DefaultsFollowUnlessAFileIsLoading) {
  TLumoState s;
  auto &r = s.ScenarioRecord;
  r.LifeTime = 33;
  ApplyGender(s, GenderType::Female, true);
  EXPECT_EQ(r.Gender, GenderType::Female);
  EXPECT_EQ(r.LifeTime, 33.0);
  ApplyGender(s, GenderType::Female, false);
  EXPECT_EQ(r.LifeTime, s.GetDefaultLifeTime());
  EXPECT_NE(r.LifeTime, 33.0);
  EXPECT_EQ(r.BodyWeight, s.GetDefaultBodyWt());
}

TEST(Paint, TypeSetsDensitiesAndCoatsStayInRange) {
  TLumoState s;
  auto &r = s.ScenarioRecord;
  ApplyPaintType(s, PaintType::Alkyd);
  EXPECT_EQ(r.PrimerDensity, 5800.0);
  EXPECT_EQ(r.PaintDensity, 4600.0);
  const double alkydMass = r.PaintChemicalMass;
  ApplyPaintType(s, PaintType::LatexSemiGloss);
  EXPECT_EQ(r.PaintType, PaintType::LatexSemiGloss);
  EXPECT_EQ(r.PrimerDensity, 4600.0);
  EXPECT_NE(r.PaintChemicalMass, alkydMass);  // emissions recomputed

  ApplyCoats(s, true, 250);
  EXPECT_EQ(r.PrimerCoats, 100);
  ApplyCoats(s, false, -3);
  EXPECT_EQ(r.PaintCoats, 0);

  ApplySurface(s, BldgSurface::Both);
  EXPECT_EQ(r.BldgSurface, BldgSurface::Both);
  EXPECT_EQ(r.LoadingRatio, 0.42);
}

TEST(WeightFraction, FloorAt1e6) {
  TLumoState s;
  auto &r = s.ScenarioRecord;
  EXPECT_FALSE(ApplyWeightFraction(s, true, 9.99e-7));
  EXPECT_EQ(r.PrimerWeightFraction, 9.99e-7);
  EXPECT_EQ(ApplyWeightFraction(s, false, 9.98e-7), std::string(kWeightFractionNotice));
  EXPECT_EQ(r.PaintWeightFraction, 1.0e-6);
  EXPECT_TRUE(ApplyWeightFraction(s, false, std::numeric_limits<double>::quiet_NaN()));
  EXPECT_EQ(r.PaintWeightFraction, 1.0e-6);
  EXPECT_FALSE(ApplyWeightFraction(s, false, 0.25));
  EXPECT_EQ(r.PaintWeightFraction, 0.25);
  EXPECT_GT(r.PaintChemicalMass, 0.0);
}

TEST(RunSettings, WholeDaysWithinOneTo999) {
  TLumoState s;
  EXPECT_FALSE(ApplyRunLength(s, 12.9));
  EXPECT_EQ(s.ScenarioRecord.RunLength, 12);
  EXPECT_TRUE(ApplyRunLength(s, 1000.0));
  EXPECT_EQ(s.ScenarioRecord.RunLength, 999);
  EXPECT_FALSE(ApplyRunLength(s, 999.5));
  EXPECT_EQ(s.ScenarioRecord.RunLength, 999);
  EXPECT_TRUE(ApplyRunLength(s, 0.0));
  EXPECT_EQ(s.ScenarioRecord.RunLength, 1);
  double f = 1.5;
  EXPECT_TRUE(LimitWeightFraction(f));
  EXPECT_EQ(f, 1.0);
}

TEST(PaintingDuration, EventsFollowTheSchedule) {
  TLumoState s;
  auto &r = s.ScenarioRecord;
  r.IndividualType = IndividualType::Pro;
  r.EventsPerYear = 1;
  r.EventsinLifeTime = 1;
  ApplyPaintingDurationEdited(s);
  EXPECT_EQ(r.EventsPerYear, s.GetDefaultEventsPerYear());
  EXPECT_EQ(r.EventsinLifeTime, s.GetDefaultEventsinLifeTime());
  EXPECT_GT(r.EventsinLifeTime, 1);
}

}  // namespace
}  // namespace lumo
