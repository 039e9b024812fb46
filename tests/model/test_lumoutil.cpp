// Time arithmetic, day names, rounding and name helpers.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "lumoutil.h"

namespace lumo {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(TimeArithmetic, DoubletoTimeRoundsMinutesAndCarries) {
  EXPECT_EQ(DoubletoTime(6.9999), (timerect1{7, 0}));  // minute 60 carries
  EXPECT_EQ(DoubletoTime(6.847), (timerect1{6, 51}));
  EXPECT_EQ(DoubletoTime(3.4235), (timerect1{3, 25}));
  EXPECT_EQ(DoubletoTime(23.999), (timerect1{24, 0}));  // a duration, not wrapped
  // 0.125 h is 7.5 minutes and 0.375 h is 22.5: halves go to the even minute.
  EXPECT_EQ(DoubletoTime(1.125), (timerect1{1, 8}));
  EXPECT_EQ(DoubletoTime(1.375), (timerect1{1, 22}));
  // A negative duration keeps minutes in 0..59 by borrowing.
  EXPECT_EQ(DoubletoTime(-1.5), (timerect1{-2, 30}));
  EXPECT_EQ(TimetoMinutes(DoubletoTime(-1.5)), -90);
}

TEST(TimeArithmetic, DoubletoTimeIsTotal) {
  EXPECT_EQ(DoubletoTime(kNaN), (timerect1{0, 0}));
  EXPECT_EQ(DoubletoTime(kInf), (timerect1{kMaxTimeHours, 0}));
  EXPECT_EQ(DoubletoTime(-kInf), (timerect1{-kMaxTimeHours, 0}));
  EXPECT_EQ(DoubletoTime(1e300), (timerect1{kMaxTimeHours, 0}));
  EXPECT_EQ(MinutePart(kNaN), 0);
  EXPECT_EQ(MinutePart(1e300), 0);
}

TEST(TimeArithmetic, AddAndSubtractCarryBorrowAndWrap) {
  EXPECT_EQ(AddTimes({9, 0}, {6, 51}), (timerect1{15, 51}));
  EXPECT_EQ(AddTimes({15, 51}, {1, 9}), (timerect1{17, 0}));
  EXPECT_EQ(AddTimes({9, 0}, {16, 30}), (timerect1{1, 30}));    // time of day wraps
  EXPECT_EQ(AddTimes({0, 10}, {-1, 30}), (timerect1{23, 40}));  // never a negative hour
  EXPECT_EQ(SubtractTimes({8, 0}, {6, 51}), (timerect1{1, 9}));
  EXPECT_EQ(SubtractTimes({3, 25}, {1, 9}), (timerect1{2, 16}));
  EXPECT_EQ(SubtractTimes({1, 0}, {1, 30}), (timerect1{-1, 30}));
  // Extreme operands saturate instead of overflowing.
  constexpr auto kMax = std::numeric_limits<std::int32_t>::max();
  EXPECT_EQ(SubtractTimes({kMax, 59}, {-kMax, 0}), (timerect1{kMaxTimeHours, 0}));
  EXPECT_LT(AddTimes({kMax, 59}, {kMax, 59}).hour, 24);
}

TEST(TimeArithmetic, Comparisons) {
  EXPECT_TRUE(TimeIsLessThan({1, 9}, {8, 0}));
  EXPECT_TRUE(TimeIsLessThan({8, 0}, {8, 1}));
  EXPECT_FALSE(TimeIsLessThan({8, 0}, {8, 0}));
  EXPECT_TRUE(TimeIsGreaterThan({0, 1}, {0, 0}));
  EXPECT_FALSE(TimeIsGreaterThan({-1, 59}, {0, 0}));
  EXPECT_DOUBLE_EQ(TimetoDays(51, 15, 0), (15 * 60 + 51) / 1440.0);
  EXPECT_DOUBLE_EQ(TimetoDays(0, 9, 2), 2.375);
}

TEST(Days, NamesDifferencesAndWrap) {
  EXPECT_EQ(DaytoInt("Mon"), 0);
  EXPECT_EQ(DaytoInt("Sun"), 6);
  EXPECT_EQ(DaytoInt("mon"), -1);
  EXPECT_EQ(DaytoInt(" Mon"), -1);
  EXPECT_EQ(DayDifference("Tue", "Mon"), 1);
  EXPECT_EQ(DayDifference("Mon", "Sat"), 2);
  EXPECT_EQ(DayDifference("Mon", "Mon"), 0);
  EXPECT_EQ(DayDifference("", "Sun"), 0);
  EXPECT_EQ(NextDay(6), 0);
  EXPECT_EQ(NextDay(Days::Sun), Days::Mon);
  EXPECT_EQ(NextDay(Days::Fri), Days::Sat);
  EXPECT_EQ(NextDay(200), 200);  // not a day: unchanged
  EXPECT_EQ(DayAbbreviation(2), "Wed");
  EXPECT_EQ(DayAbbreviation(7), "");
  EXPECT_EQ(DayAbbreviation(-1), "");
}

TEST(Units, CoveragePowerAndRounding) {
  EXPECT_DOUBLE_EQ(CoveragetoWetFilm(0), 0.0);
  EXPECT_DOUBLE_EQ(CoveragetoWetFilm(400), 4.01);
  EXPECT_NEAR(WetFilmtoCoverage(4.01), 400.0, 1e-9);
  EXPECT_NEAR(Power(2.0, 10.0), 1024.0, 1e-9);
  EXPECT_EQ(Power(0.0, 2.0), 0.0);
  EXPECT_TRUE(std::isnan(Power(-2.0, 2.0)));

  EXPECT_EQ(RoundHalfEven(12.5), 12.0);
  EXPECT_EQ(RoundHalfEven(13.5), 14.0);
  EXPECT_EQ(RoundHalfEven(-2.5), -2.0);
  EXPECT_EQ(RoundHalfEven(2.5000001), 3.0);
  EXPECT_EQ(RoundToInt32(kNaN), 0);
  EXPECT_EQ(RoundToInt32(1e20), std::numeric_limits<std::int32_t>::max());
  EXPECT_EQ(RoundToInt32(-kInf), std::numeric_limits<std::int32_t>::min());
  EXPECT_EQ(TruncToInt32(-3.9), -3);
}

TEST(Names, ExecDirectoryAndSplitAtPeriod) {
  EXPECT_EQ(GetExecDirectory("/opt/lumo/bin/lumo"), "/opt/lumo/bin");
  EXPECT_EQ(GetExecDirectory("lumo"), "");
  EXPECT_EQ(GetExecDirectory("/lumo"), "");
#ifndef _WIN32
  EXPECT_EQ(GetExecDirectory("C:\\data\\lumo.exe"), "");
#endif

  std::string before, after;
  SplitAtPeriod("/data/run.1.vkx", before, 255, after, 255);
  EXPECT_EQ(before, "/data/run");
  EXPECT_EQ(after, ".1.vkx");
  SplitAtPeriod("noext", before, 255, after, 255);
  EXPECT_EQ(before, "noext");
  EXPECT_EQ(after, "");
  // Outputs are cut to their lengths in characters, never inside one.
  SplitAtPeriod("äöü.xyz", before, 2, after, 3);
  EXPECT_EQ(before, "äö");
  EXPECT_EQ(after, ".xy");
}

}  // namespace
}  // namespace lumo
