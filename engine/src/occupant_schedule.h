// Where the exposed person is, and how fast they breathe, at any clock value.
// Absolute-time overrides (the painting event) take precedence over a weekly
// pattern: each day slot of the 7-day cycle follows either the primary or the
// secondary day pattern.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "override_timeline.h"

namespace lumo {

struct PatternEntry {
  double startOfDay;  // fraction of a day at which the person enters `zone`
  int zone;
  double breathingRate;  // m³/day
};

struct Whereabouts {
  bool known;  // false when no entry covers the time (no exposure counts then)
  int zone;
  double breathingRate;
};

// The entry of a day pattern in force at a time of day. For a list in
// ascending order it remembers the stretch of the day over which the previous
// answer holds, so that the entries are only scanned when that is left.
class PatternCursor {
 public:
  explicit PatternCursor(const std::vector<PatternEntry> &pattern)
      : pattern_(&pattern),
        ascending_(std::is_sorted(pattern.begin(), pattern.end(),
                                  [](const PatternEntry &a, const PatternEntry &b) {
                                    return a.startOfDay < b.startOfDay;
                                  })) {}

  Whereabouts at(double timeOfDay) const;

 private:
  const std::vector<PatternEntry> *pattern_;
  bool ascending_;
  mutable double from_ = 1.0;  // [from_, until_): where inForce_ holds; empty at first
  mutable double until_ = 0.0;
  mutable Whereabouts inForce_{false, 0, 0.0};
};

class OccupantSchedule {
 public:
  OccupantSchedule(std::vector<PatternEntry> primary, std::vector<PatternEntry> secondary,
                   std::vector<OverrideEntry> overrides, std::array<int32_t, 7> primaryDays);
  // The cursors point into the schedule's own lists.
  OccupantSchedule(const OccupantSchedule &) = delete;
  OccupantSchedule &operator=(const OccupantSchedule &) = delete;

  // The first override containing s wins; otherwise the day pattern of s's
  // day slot: the entry in force at s's time of day.
  Whereabouts at(double s) const;

 private:
  std::vector<PatternEntry> primary_;
  std::vector<PatternEntry> secondary_;
  std::vector<OverrideEntry> overrides_;
  OverrideTimeline overrideInForce_;
  std::array<int32_t, 7> primaryDays_;

  // The week of the previous lookup: every clock in [weekFrom_, weekUntil_)
  // has the week index week_, so the day position needs no division there.
  mutable double week_ = 0.0;
  mutable double weekFrom_ = 1.0;
  mutable double weekUntil_ = 0.0;  // an empty range until the first lookup

  PatternCursor primaryInForce_;
  PatternCursor secondaryInForce_;
};

// Day slot (0 … 6) and time of day (fraction of a day) of clock s; defined for
// negative clock values as well (slot 6 is the day before slot 0).
struct DayPosition {
  int slot;
  double timeOfDay;
};
DayPosition dayPosition(double s);

}  // namespace lumo
