// Where the exposed person is, and how fast they breathe, at any clock value.
// Absolute-time overrides (the painting event) take precedence over a weekly
// pattern: each day slot of the 7-day cycle follows either the primary or the
// secondary day pattern.
#pragma once

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

class OccupantSchedule {
 public:
  OccupantSchedule(std::vector<PatternEntry> primary, std::vector<PatternEntry> secondary,
                   std::vector<OverrideEntry> overrides, std::array<int32_t, 7> primaryDays);

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
};

// Day slot (0 … 6) and time of day (fraction of a day) of clock s; defined for
// negative clock values as well (slot 6 is the day before slot 0).
struct DayPosition {
  int slot;
  double timeOfDay;
};
DayPosition dayPosition(double s);

}  // namespace lumo
