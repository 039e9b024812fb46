// Small helpers of the scenario model: time of day and durations in hours and
// minutes, day names, powers, coverage against wet film thickness, rounding,
// and splitting of file names.
//
// All of them are total: any argument, including NaN and infinities, gives a
// defined result without undefined behaviour; the results for such
// arguments are stated with each function.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "scenario_enums.h"

namespace lumo {

// A time of day or a duration. The value is 60 × hour + minute minutes;
// minute is always 0 to 59, so a negative duration has a negative hour
// (-0:30 is hour -1, minute 30). Every operation below that makes a
// timerect1 keeps minute in 0..59, carrying or borrowing hours, and keeps
// hour within ±kMaxTimeHours (saturating), so no sum of a few of them can
// overflow.
struct timerect1 {
  std::int32_t hour;
  std::int32_t minute;
  friend bool operator==(const timerect1 &, const timerect1 &) = default;
};

inline constexpr std::int32_t kMaxTimeHours = 100'000'000;

// The time with `minutes` in total (saturating at ±kMaxTimeHours hours).
timerect1 MinutestoTime(std::int64_t minutes);
// 60 × hour + minute (minute taken as stored).
std::int64_t TimetoMinutes(timerect1 t);

// a.hour < b.hour, or equal hours and a.minute < b.minute.
bool TimeIsLessThan(timerect1 a, timerect1 b);
// a.hour > b.hour, or equal hours and a.minute > b.minute.
bool TimeIsGreaterThan(timerect1 a, timerect1 b);
// a − b, normalised.
timerect1 SubtractTimes(timerect1 a, timerect1 b);
// a + b with carry, then the hour taken modulo 24 into 0..23 (a time of day).
timerect1 AddTimes(timerect1 a, timerect1 b);

// Hours as a double to hours and minutes: hour = integer part (toward zero),
// minute = MinutePart, normalised (a rounded minute of 60 carries: 6.9999 h
// is 7:00; -1.5 h is -2:30 in the borrowed form, i.e. minus 90 minutes).
// NaN gives 0:00; values beyond ±kMaxTimeHours (infinities too) saturate.
timerect1 DoubletoTime(double hours);

// The fractional part of `hours` × 60, rounded to the nearest integer with
// halves to the even neighbour (-60 to 60). NaN and infinities give 0.
std::int32_t MinutePart(double hours);

// hours ÷ 24 + days + minutes ÷ 1440.
double TimetoDays(double minutes, double hours, double days);

// Index (0 to 6) of the exact match among "Mon" ... "Sun", −1 if none.
std::int32_t DaytoInt(std::string_view day);
// DaytoInt(later) − DaytoInt(earlier), plus 7 if negative: 0 to 6. 0 when
// either text is not a day name.
std::int32_t DayDifference(std::string_view later, std::string_view earlier);
// The day after `day` (0 to 6), Sun wrapping to Mon. A value outside 0..6
// is not a day and is returned unchanged.
std::int32_t NextDay(std::int32_t day);
Days NextDay(Days day);

// exp(ln(x) × y): NaN for negative x; 0 for x = 0 and y > 0.
double Power(double x, double y);
// ft²/gallon from a wet film thickness in mils: 1604 ÷ thickness (IEEE
// division: infinite for 0).
double WetFilmtoCoverage(double mils);
// Wet film thickness in mils from ft²/gallon: 1604 ÷ coverage; 0 when the
// coverage is 0.
double CoveragetoWetFilm(double coverage);

// Nearest integer, halves to the even neighbour, as a double (NaN and
// infinities are returned as they are).
double RoundHalfEven(double x);
// RoundHalfEven as an int32: NaN gives 0, values beyond the int32 range give
// its nearest end.
std::int32_t RoundToInt32(double x);
// x limited to the int32 range after truncation toward zero; NaN gives 0.
std::int32_t TruncToInt32(double x);

// Whether `c` separates folders in a path on this platform ('/' here; '/'
// and '\' on Windows).
bool IsPathSeparator(char c);
// The path up to (not including) its last separator; empty if it has none.
std::string GetExecDirectory(std::string_view path);

// If `text` holds a ".", the part before the first "." goes to `before` and
// the part from the "." on to `after`; otherwise all of it to `before` and
// `after` is empty. Each output is cut to its maximum number of characters.
void SplitAtPeriod(std::string_view text, std::string &before, std::size_t maxBefore,
                   std::string &after, std::size_t maxAfter);

}  // namespace lumo
