// Where the person is, and how fast they breathe, through one day: up to 20
// entries in time order, each lasting until the next one's enter time (the
// last until midnight). Stored in the scenario record as 648 bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "scenario_enums.h"

namespace lumo {

struct ActivityPattern {
  static constexpr int kMaxEntries = 20;

  std::int32_t Count;        // entries in use, 0 to 20 (kept as read)
  std::uint8_t Padding[4];   // written as zero
  double Zone[kMaxEntries];  // 0 = not in the building, 1 = painted area, 2 = rest
  double EnterHour[kMaxEntries];
  double EnterMinute[kMaxEntries];
  double BreathingRate[kMaxEntries];  // m³/day

  // The number of entries to read: Count limited to 0..20, so a damaged
  // count never reads past the arrays.
  int Entries() const {
    if (Count < 0) return 0;
    return Count > kMaxEntries ? kMaxEntries : Count;
  }
};

static_assert(sizeof(ActivityPattern) == 648);
static_assert(offsetof(ActivityPattern, Count) == 0);
static_assert(offsetof(ActivityPattern, Zone) == 8);
static_assert(offsetof(ActivityPattern, EnterHour) == 168);
static_assert(offsetof(ActivityPattern, EnterMinute) == 328);
static_assert(offsetof(ActivityPattern, BreathingRate) == 488);

// The default weekday (Monday to Friday) and weekend pattern of a person.
// Pro and Child have one table each; Adult and DIY share tables chosen by
// building class (residence or office, see IsOffice) and gender (a gender
// outside its type uses the NonSpecific tables). Unused slots are zero.
// Empty for a person outside their type: the caller keeps its pattern.
std::optional<ActivityPattern> DefaultWeekDayPattern(IndividualType person, BldgType building,
                                                     GenderType gender);
std::optional<ActivityPattern> DefaultWeekEndPattern(IndividualType person, BldgType building,
                                                     GenderType gender);

}  // namespace lumo
