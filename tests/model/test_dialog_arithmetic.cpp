// The arithmetic behind the parameter dialogs: unit conversions, limits,
// label numbers, paint amounts, painters, exposure counts and the
// semi-empirical rate constant.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "exposure_events.h"
#include "field_limits.h"
#include "fixed_format.h"
#include "lumoutil.h"
#include "paint_amounts.h"
#include "semi_empirical_rate.h"
#include "unit_conversions.h"

namespace lumo {
namespace {

TEST(DialogUnits, ConversionsMatchTheDialogsFactorsAndRoundTrip) {
  EXPECT_NEAR(CubicMeterstoCubicFeet(1000), 35314.67, 0.01);
  EXPECT_NEAR(SquareMeterstoSquareFeet(6.0), 64.58, 0.005);
  EXPECT_DOUBLE_EQ(PoundsPerGallontoGrams(10), 4536);
  EXPECT_NEAR(GramsPerGallontoGramsPerCm3(4536), 1.198, 0.0005);
  EXPECT_NEAR(PoundstoKilograms(150), 68.18, 0.005);
  EXPECT_NEAR(LoadingRatiotoMetric(0.29), 0.9514, 0.0001);
  for (double v : {0.0, 1.0, 15583.0, 1e-5, 1e8}) {
    EXPECT_NEAR(CubicMeterstoCubicFeet(CubicFeettoCubicMeters(v)), v, 1e-9 * (1 + v));
    EXPECT_NEAR(MeterstoFeet(FeettoMeters(v)), v, 1e-9 * (1 + v));
    EXPECT_NEAR(GramsPerCm3toGramsPerGallon(GramsPerGallontoGramsPerCm3(v)), v, 1e-9 * (1 + v));
    EXPECT_NEAR(LoadingRatiofromMetric(LoadingRatiotoMetric(v)), v, 1e-9 * (1 + v));
    EXPECT_NEAR(KilogramstoPounds(PoundstoKilograms(v)), v, 1e-9 * (1 + v));
  }
}

TEST(DialogLimits, NearestInRangeTakesTheNearestLimitAndRefusesNaN) {
  EXPECT_EQ(NearestInRange(0, kCoverageLimits), 1);
  EXPECT_EQ(NearestInRange(-5, kCoverageLimits), 1);
  EXPECT_EQ(NearestInRange(1e9, kCoverageLimits), 100000);
  EXPECT_EQ(NearestInRange(250, kCoverageLimits), 250);
  EXPECT_EQ(NearestInRange(std::nan(""), kApplicationRateLimits), 0.01);
  EXPECT_EQ(NearestInRange(std::numeric_limits<double>::infinity(), kBuildingVolumeLimits), 1e9);
  EXPECT_FALSE(InRange(0, kApplicationRateLimits));
  EXPECT_TRUE(InRange(0, kAirExchangeLimits));
  EXPECT_FALSE(InRange(std::nan(""), kAirExchangeLimits));
}

TEST(DialogLabels, FixedNumbersAreRightAlignedAndNeverCut) {
  EXPECT_EQ(FormatFixed(1558.3, 10, 0), "      1558");
  EXPECT_EQ(FormatFixed(13.6955, 10, 2), "     13.70");
  EXPECT_EQ(FormatFixed(-2.5, 6, 1), "  -2.5");
  // The largest doubles are written whole, never cut.
  EXPECT_EQ(FormatFixed(1e308, 0, 2).size(), 309u + 3u);
  EXPECT_EQ(FormatFixed(12345678901.0, 10, 2), "12345678901.00");
}

TEST(PaintAmounts, CoatsTimesAreaOverCoverageAndNothingForNoCoverage) {
  const double area = PaintedSurfaceArea(1558.3, 0.29);
  EXPECT_NEAR(area, 451.907, 1e-9);
  EXPECT_NEAR(CoatAmount(1, area, 200), 2.2595, 1e-4);
  EXPECT_NEAR(CoatAmount(2, area, 400), 2.2595, 1e-4);
  EXPECT_EQ(CoatAmount(1, area, 0), 0);
  EXPECT_EQ(CoatAmount(0, area, 400), 0);
}

TEST(PaintAmounts, PaintersAreAWholeNumberFromOneToAThousand) {
  EXPECT_EQ(WholePainters(0), 1);
  EXPECT_EQ(WholePainters(-3), 1);
  EXPECT_EQ(WholePainters(2000), 1000);
  EXPECT_EQ(WholePainters(3.4), 3);
  EXPECT_EQ(WholePainters(2.5), 2);
  EXPECT_EQ(WholePainters(std::nan("")), 1);
}

TEST(ExposureEvents, YearsAndEventsLoseTheirFraction) {
  auto c = CountExposureEvents(200, 2.5);
  EXPECT_EQ(c.YearsofExposure, 2);
  EXPECT_EQ(c.Events, 400);
  EXPECT_EQ(c.EventsinLifeTime, 400);
  c = CountExposureEvents(0.5, 25);
  EXPECT_EQ(c.YearsofExposure, 25);
  EXPECT_EQ(c.Events, 12.5);
  EXPECT_EQ(c.EventsinLifeTime, 12);
  EXPECT_EQ(WholeYears(72.9), 72);
  EXPECT_EQ(WholeYears(-0.5), 0);
  EXPECT_EQ(WholeYears(1e300), std::numeric_limits<std::int32_t>::max());
}

TEST(SemiEmpiricalRate, FollowsTheModelFormula) {
  // 150 g/mole, 1 torr, 400 ft²/gallon (4.01 mil), VOC fraction 0.26,
  // 4600 g/gallon.
  const double mw = 150, vp = 1, film = CoveragetoWetFilm(400), f = 0.26, d = 4600;
  const double kg = std::sqrt(1 / mw + 1 / 29.0) * std::pow(mw, -0.33);
  EXPECT_NEAR(MassTransferFactor(mw), kg, 1e-12);
  const auto k = SemiEmpiricalRateConstant(mw, vp, film, f, d);
  ASSERT_TRUE(k.has_value());
  EXPECT_NEAR(*k, 240 * kg * vp / (0.000623 * film * f * d), 1e-9);
  EXPECT_NEAR(*k, 3.118, 0.001);  // worked by hand
  // Twice the vapour pressure, twice the rate; twice the film, half of it.
  EXPECT_NEAR(*SemiEmpiricalRateConstant(mw, 2 * vp, film, f, d), 2 * *k, 1e-12);
  EXPECT_NEAR(*SemiEmpiricalRateConstant(mw, vp, 2 * film, f, d), *k / 2, 1e-12);
}

TEST(SemiEmpiricalRate, NoConstantFromInputsThatDivideByZero) {
  EXPECT_FALSE(SemiEmpiricalRateConstant(150, 1, 0, 0.26, 4600));   // coverage 0
  EXPECT_FALSE(SemiEmpiricalRateConstant(150, 1, 4.01, 0, 4600));   // no VOC
  EXPECT_FALSE(SemiEmpiricalRateConstant(150, 1, 4.01, 0.26, 0));   // no density
  EXPECT_FALSE(SemiEmpiricalRateConstant(0, 1, 4.01, 0.26, 4600));  // no molecular weight
  EXPECT_FALSE(SemiEmpiricalRateConstant(150, -1, 4.01, 0.26, 4600));
  EXPECT_EQ(SemiEmpiricalRateConstant(150, 0, 4.01, 0.26, 4600), 0.0);
}

}  // namespace
}  // namespace lumo
