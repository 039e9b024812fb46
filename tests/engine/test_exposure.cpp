// Where the person is and what the exposure measures make of it. The outdoor
// node holds its concentration, so a person outdoors sees a constant C; a
// closed zone of clean air stays at exactly 0.
#include <gtest/gtest.h>

#include <cmath>

#include "engine_harness.h"

namespace lumo_test {
namespace {

constexpr double kC = 2.0;  // mg/m³ outdoors
constexpr double kBR = 20;  // m³/day
constexpr double kBW = 70;  // kg

// A person outdoors (zone 0) all the time; zone 1 is clean.
Scenario outdoors() {
  Scenario s;
  s.outdoorC = kC;
  s.primary = s.secondary = {{0, 0.0f, kBR}};
  s.bodyWeight = kBW;
  return s;
}

// A person in the clean zone 1, outdoors only while an override lasts.
Scenario cleanZoneWithOverride(float enter, float exit) {
  Scenario s = outdoors();
  s.primary = s.secondary = {{1, 0.0f, kBR}};
  s.overrides = {{0, enter, exit, kBR}};
  return s;
}

TEST(Exposure, ConstantConcentration) {
  Scenario s = outdoors();
  s.end = 2;
  s.eventsPerYear = 250;
  s.yearsOfExposure = 30;
  s.lifetime = 25550;
  const ExecutionResultsRecord r = runToEnd(s);
  const double dose = kBR * kC * 2;
  EXPECT_FLOAT_EQ(r.Cpeak, kC);
  EXPECT_FLOAT_EQ(r.SingleEventDose, dose);
  EXPECT_FLOAT_EQ(r.C15min, kC);
  EXPECT_FLOAT_EQ(r.C8hour, kC);
  EXPECT_FLOAT_EQ(r.LADD, dose * 250 / kBW * 30 / 25550);
  EXPECT_FLOAT_EQ(r.ADD, dose * 250 / (365.25 * kBW));
  EXPECT_FLOAT_EQ(r.LADC, kC * 2 * 250 * 30 / 25550);
  EXPECT_FLOAT_EQ(r.ADC, kC * 2 * 250 / 365.25);
  // A day window holds 24 hour marks, each of which may fall one step late.
  EXPECT_GE(r.APDR, float(kBR * kC / kBW));
  EXPECT_LE(r.APDR, float(kBR * kC / kBW * 121 / 120));
  EXPECT_GE(r.APDRtime, 1.0f - 1e-6f);
}

TEST(Exposure, ShortRunsFillOnlyTheWindowsTheyReach) {
  Scenario halfHour = outdoors();
  halfHour.end = 1.0f / 48;
  ExecutionResultsRecord r = runToEnd(halfHour);
  EXPECT_EQ(r.APDR, 0.0f);
  EXPECT_EQ(r.APDRtime, 0.0f);
  EXPECT_FLOAT_EQ(r.C15min, kC);
  EXPECT_FLOAT_EQ(r.C8hour, kC * 30 / 480);  // the 8-hour window has seen 30 minutes

  Scenario oneStep = outdoors();
  oneStep.end = float(kStep);
  r = runToEnd(oneStep);
  EXPECT_EQ(r.C15min, 0.0f);
  EXPECT_EQ(r.C8hour, 0.0f);
  EXPECT_FLOAT_EQ(r.Cpeak, kC);
  EXPECT_NEAR(r.SingleEventDose, kBR * kC * oneStep.end, 1e-9);
}

TEST(Exposure, WindowsOfABurst) {
  // Outdoors for L minutes from 01:30:15 (between step ends, so exactly 2L
  // steps count); clean air otherwise.
  for (double minutes : {10.0, 240.0}) {
    SCOPED_TRACE(minutes);
    const double enter = 1.5 / 24 + kStep / 2;
    const double exit = enter + minutes / 1440;
    Scenario s = cleanZoneWithOverride(float(enter), float(exit));
    s.end = 1.5;
    const ExecutionResultsRecord r = runToEnd(s);
    EXPECT_FLOAT_EQ(r.Cpeak, kC);
    EXPECT_FLOAT_EQ(r.SingleEventDose, kBR * kC * minutes / 1440);
    EXPECT_FLOAT_EQ(r.C15min, kC * std::min(minutes, 15.0) / 15);
    EXPECT_FLOAT_EQ(r.C8hour, kC * minutes / 480);
    EXPECT_FLOAT_EQ(r.APDR, kBR * kC * minutes / 1440 / kBW);
    // First read at the hour mark that closes the burst's last hour.
    const double closingMark = std::ceil(exit * 24) / 24;
    EXPECT_GE(r.APDRtime, closingMark - 1e-6);
    EXPECT_LE(r.APDRtime, closingMark + closingMark * 24 * kStep);  // a step late per mark
  }
}

TEST(Exposure, OverridesIncludeBothEndsAndTheFirstMatchWins) {
  Scenario instant = cleanZoneWithOverride(0, 0);
  instant.reportInterval = 0.5f;
  instant.end = float(0.5 + kStep / 2);  // the last step, from 0.5, ends exactly on end
  instant.overrides = {{0, instant.end, instant.end, kBR}};
  ExecutionResultsRecord r = runToEnd(instant);
  EXPECT_NEAR(r.SingleEventDose, kBR * kC * (instant.end - 0.5), 1e-8);

  const float enter = float(2.0 / 24 + kStep / 2), exit = float(enter + 10.0 / 1440);
  Scenario overlap = cleanZoneWithOverride(enter, exit);
  overlap.overrides.push_back({1, enter, exit, kBR});
  EXPECT_FLOAT_EQ(runToEnd(overlap).SingleEventDose, kBR * kC * 10 / 1440);
  std::swap(overlap.overrides[0], overlap.overrides[1]);
  EXPECT_EQ(runToEnd(overlap).SingleEventDose, 0.0f);
}

// Exposure in mg·day/m³ (LADC with unit factors) against the expected number
// of days outdoors; each day boundary may shift one step either way.
void expectDaysOutdoors(Scenario &s, double days, double boundaries) {
  const ExecutionResultsRecord r = runToEnd(s);
  EXPECT_NEAR(r.LADC, kC * days, kC * kStep * boundaries + 1e-5);
}

TEST(Exposure, PrimaryDaysChooseThePattern) {
  Scenario week = outdoors();
  week.secondary = {{1, 0.0f, kBR}};
  week.primaryDays = {1, 0, 2, -1, 1, 1, 1};  // only 1 means primary
  week.end = 7;
  expectDaysOutdoors(week, 4, 7);

  Scenario beforeClockZero = week;  // clock day -1 is slot 6
  beforeClockZero.primaryDays = {0, 0, 0, 0, 0, 0, 1};
  beforeClockZero.start = -1.5f;
  beforeClockZero.end = 0.5f;
  expectDaysOutdoors(beforeClockZero, 1, 2);
}

TEST(Exposure, PatternEntryInForce) {
  Scenario s = outdoors();
  s.primary = s.secondary = {{1, 0.0f, kBR}, {0, 0.25f, kBR}, {1, 0.75f, kBR}};
  expectDaysOutdoors(s, 0.5, 2);
}

TEST(Exposure, NoExposureWhereThePersonCannotBePlaced) {
  Scenario missingZone = outdoors();
  missingZone.primary = missingZone.secondary = {{2, 0.0f, kBR}};  // one-zone run
  ExecutionResultsRecord r = runToEnd(missingZone);
  EXPECT_EQ(r.Cpeak, 0.0f);
  EXPECT_EQ(r.SingleEventDose, 0.0f);
  EXPECT_EQ(r.C15min, 0.0f);
  EXPECT_EQ(r.C8hour, 0.0f);
  EXPECT_EQ(r.APDR, 0.0f);

  Scenario fromNoon = outdoors();  // mornings are not covered
  fromNoon.primary = fromNoon.secondary = {{0, 0.5f, kBR}};
  expectDaysOutdoors(fromNoon, 0.5, 2);

  Scenario emptySecondary = outdoors();
  emptySecondary.secondary.clear();
  emptySecondary.primaryDays = {1, 0, 0, 0, 0, 0, 0};
  emptySecondary.end = 3;
  expectDaysOutdoors(emptySecondary, 1, 2);
}

}  // namespace
}  // namespace lumo_test
