// Time, day, unit and rounding helpers.
#include "lumoutil.h"

#include <cmath>
#include <limits>

#include "pascal_string.h"

namespace lumo {
namespace {

constexpr std::int64_t kMinutesPerDay = 24 * 60;

// Floor division and the matching non-negative remainder.
std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
  std::int64_t q = a / b;
  if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
  return q;
}

constexpr const char *kDayNames[7] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};

}  // namespace

timerect1 MinutestoTime(std::int64_t minutes) {
  std::int64_t hour = FloorDiv(minutes, 60);
  if (hour >= kMaxTimeHours) return {kMaxTimeHours, 0};
  if (hour <= -kMaxTimeHours) return {-kMaxTimeHours, 0};
  return {static_cast<std::int32_t>(hour), static_cast<std::int32_t>(minutes - hour * 60)};
}

std::int64_t TimetoMinutes(timerect1 t) {
  return static_cast<std::int64_t>(t.hour) * 60 + t.minute;
}

bool TimeIsLessThan(timerect1 a, timerect1 b) {
  return a.hour < b.hour || (a.hour == b.hour && a.minute < b.minute);
}

bool TimeIsGreaterThan(timerect1 a, timerect1 b) {
  return a.hour > b.hour || (a.hour == b.hour && a.minute > b.minute);
}

timerect1 SubtractTimes(timerect1 a, timerect1 b) {
  return MinutestoTime(TimetoMinutes(a) - TimetoMinutes(b));
}

timerect1 AddTimes(timerect1 a, timerect1 b) {
  std::int64_t total = TimetoMinutes(a) + TimetoMinutes(b);
  std::int64_t ofDay = total - FloorDiv(total, kMinutesPerDay) * kMinutesPerDay;
  return {static_cast<std::int32_t>(ofDay / 60), static_cast<std::int32_t>(ofDay % 60)};
}

std::int32_t MinutePart(double hours) {
  if (!std::isfinite(hours)) return 0;
  double fraction = hours - std::trunc(hours);
  return static_cast<std::int32_t>(RoundHalfEven(fraction * 60.0));
}

timerect1 DoubletoTime(double hours) {
  if (std::isnan(hours)) return {0, 0};
  if (hours >= kMaxTimeHours) return {kMaxTimeHours, 0};
  if (hours <= -static_cast<double>(kMaxTimeHours)) return {-kMaxTimeHours, 0};
  auto whole = static_cast<std::int64_t>(std::trunc(hours));
  return MinutestoTime(whole * 60 + MinutePart(hours));
}

double TimetoDays(double minutes, double hours, double days) {
  return hours / 24.0 + days + minutes / 1440.0;
}

std::int32_t DaytoInt(std::string_view day) {
  for (std::int32_t i = 0; i < 7; ++i) {
    if (day == kDayNames[i]) return i;
  }
  return -1;
}

std::int32_t DayDifference(std::string_view later, std::string_view earlier) {
  std::int32_t a = DaytoInt(later);
  std::int32_t b = DaytoInt(earlier);
  if (a < 0 || b < 0) return 0;
  std::int32_t d = a - b;
  return d < 0 ? d + 7 : d;
}

std::int32_t NextDay(std::int32_t day) {
  if (day < 0 || day > 6) return day;
  return day == 6 ? 0 : day + 1;
}

Days NextDay(Days day) {
  return static_cast<Days>(NextDay(static_cast<std::int32_t>(day)));
}

double Power(double x, double y) {
  return std::exp(std::log(x) * y);
}

double WetFilmtoCoverage(double mils) {
  return 1604.0 / mils;
}

double CoveragetoWetFilm(double coverage) {
  return coverage == 0.0 ? 0.0 : 1604.0 / coverage;
}

double RoundHalfEven(double x) {
  if (!std::isfinite(x)) return x;
  double f = std::floor(x);
  double d = x - f;
  if (d > 0.5) return f + 1.0;
  if (d < 0.5) return f;
  return std::fmod(f, 2.0) == 0.0 ? f : f + 1.0;
}

namespace {

std::int32_t ClampToInt32(double r) {
  if (std::isnan(r)) return 0;
  constexpr auto kMin = std::numeric_limits<std::int32_t>::min();
  constexpr auto kMax = std::numeric_limits<std::int32_t>::max();
  if (r <= static_cast<double>(kMin)) return kMin;
  if (r >= static_cast<double>(kMax)) return kMax;
  return static_cast<std::int32_t>(r);
}

}  // namespace

std::int32_t RoundToInt32(double x) {
  return ClampToInt32(RoundHalfEven(x));
}

std::int32_t TruncToInt32(double x) {
  return ClampToInt32(std::trunc(x));
}

bool IsPathSeparator(char c) {
#ifdef _WIN32
  return c == '/' || c == '\\';
#else
  return c == '/';
#endif
}

std::string GetExecDirectory(std::string_view path) {
  for (std::size_t i = path.size(); i > 0; --i) {
    if (IsPathSeparator(path[i - 1])) return std::string(path.substr(0, i - 1));
  }
  return {};
}

void SplitAtPeriod(std::string_view text, std::string &before, std::size_t maxBefore,
                   std::string &after, std::size_t maxAfter) {
  std::size_t dot = text.find('.');
  if (dot == std::string_view::npos) {
    before = Utf8Prefix(text, maxBefore);
    after.clear();
    return;
  }
  before = Utf8Prefix(text.substr(0, dot), maxBefore);
  after = Utf8Prefix(text.substr(dot), maxAfter);
}

}  // namespace lumo
