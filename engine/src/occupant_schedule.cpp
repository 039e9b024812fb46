#include "occupant_schedule.h"

#include <cmath>

namespace lumo {
namespace {

// The entry in force at time of day tau: skipping entries that start later,
// the first entry that starts at or before tau and is either the last entry or
// followed by one starting later. For a list in ascending order this is the
// last entry starting at or before tau.
Whereabouts entryInForce(const std::vector<PatternEntry> &pattern, double tau) {
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i].startOfDay > tau) continue;
    if (i + 1 == pattern.size() || pattern[i + 1].startOfDay > tau) {
      return {true, pattern[i].zone, pattern[i].breathingRate};
    }
  }
  return {false, 0, 0.0};
}

// floor(x) for |x| < 2^62, through the integer conversion the processor does
// in one instruction; the same value as std::floor, which is a library call
// on the baseline instruction set. Run clocks stay far inside that range.
double wholePart(double x) {
  const double truncated = static_cast<double>(static_cast<long long>(x));
  return truncated > x ? truncated - 1.0 : truncated;
}

double weekOf(double s) {
  return wholePart(s / 7.0);
}

// The position of s in the week whose index (whole part of s / 7) is week.
DayPosition positionInWeek(double s, double week) {
  double inWeek = s - 7.0 * week;
  // Rounding of s / 7 can leave inWeek a hair below 0 (just before a week
  // boundary) or at 7 (just before it, from below): fold both back.
  if (inWeek < 0.0) inWeek += 7.0;
  int slot = static_cast<int>(wholePart(inWeek));
  double timeOfDay = inWeek - slot;
  if (slot >= 7) {  // midnight at the start of slot 0
    slot = 0;
    timeOfDay = 0.0;
  }
  return {slot, timeOfDay};
}

// The smallest clock value whose week index is at least week.
double firstClockOfWeek(double week) {
  double s = 7.0 * week;
  while (weekOf(s) >= week) s = std::nextafter(s, -INFINITY);
  while (weekOf(s) < week) s = std::nextafter(s, INFINITY);
  return s;
}

constexpr double kClockRange = 0x1p52;  // wholePart and the week bounds hold within it

}  // namespace

DayPosition dayPosition(double s) {
  if (!(std::fabs(s) < kClockRange)) return {0, 0.0};  // beyond any run's clock
  return positionInWeek(s, weekOf(s));
}

OccupantSchedule::OccupantSchedule(std::vector<PatternEntry> primary,
                                   std::vector<PatternEntry> secondary,
                                   std::vector<OverrideEntry> overrides,
                                   std::array<int32_t, 7> primaryDays)
    : primary_(std::move(primary)),
      secondary_(std::move(secondary)),
      overrides_(std::move(overrides)),
      overrideInForce_(overrides_),
      primaryDays_(primaryDays),
      primaryInForce_(primary_),
      secondaryInForce_(secondary_) {}

Whereabouts OccupantSchedule::at(double s) const {
  const int override = overrideInForce_.find(s);
  if (override >= 0) {
    const OverrideEntry &o = overrides_[static_cast<std::size_t>(override)];
    return {true, o.zone, o.breathingRate};
  }
  if (!(s >= weekFrom_ && s < weekUntil_) && std::fabs(s) < kClockRange) {
    week_ = weekOf(s);
    weekFrom_ = firstClockOfWeek(week_);
    weekUntil_ = firstClockOfWeek(week_ + 1.0);
  }
  const DayPosition day =
      s >= weekFrom_ && s < weekUntil_ ? positionInWeek(s, week_) : dayPosition(s);
  const bool primary = primaryDays_[day.slot] == 1;
  return (primary ? primaryInForce_ : secondaryInForce_).at(day.timeOfDay);
}

Whereabouts PatternCursor::at(double tau) const {
  if (tau >= from_ && tau < until_) return inForce_;
  const Whereabouts found = entryInForce(*pattern_, tau);
  if (!ascending_) return found;
  // In an ascending list the entry in force holds from its start until the
  // next later start.
  const std::vector<PatternEntry> &p = *pattern_;
  std::size_t next = 0;
  while (next < p.size() && p[next].startOfDay <= tau) ++next;
  from_ = next == 0 ? -INFINITY : p[next - 1].startOfDay;
  until_ = next == p.size() ? INFINITY : p[next].startOfDay;
  inForce_ = found;
  return found;
}

}  // namespace lumo
