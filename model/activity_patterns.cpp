// The default daily activity patterns of the exposed person.
#include <initializer_list>

#include "activity_pattern.h"

namespace lumo {
namespace {

struct Entry {
  double zone;
  double hour;
  double minute;
  double rate;  // m³/day
};

ActivityPattern Make(std::initializer_list<Entry> entries) {
  ActivityPattern p{};
  for (const Entry &e : entries) {
    int i = p.Count++;
    p.Zone[i] = e.zone;
    p.EnterHour[i] = e.hour;
    p.EnterMinute[i] = e.minute;
    p.BreathingRate[i] = e.rate;
  }
  return p;
}

// Residential day of an adult: asleep at home, up, away at work, home, bed.
// The morning times differ between weekdays and the weekend.
ActivityPattern Residence(bool weekend, double sleep, double morning, double away, double evening,
                          double night) {
  if (weekend) {
    return Make({{1, 0, 0, sleep},
                 {2, 7, 30, morning},
                 {0, 9, 30, away},
                 {2, 16, 0, evening},
                 {1, 22, 0, night}});
  }
  return Make({{1, 0, 0, sleep},
               {2, 7, 0, morning},
               {0, 8, 0, away},
               {2, 16, 0, evening},
               {1, 22, 0, night}});
}

// Office workers: in the painted office from 8 to 16 on weekdays only.
ActivityPattern Office(bool weekend, double away, double atWork) {
  if (weekend) return Make({{0, 0, 0, away}});
  return Make({{0, 0, 0, away}, {1, 8, 0, atWork}, {0, 16, 0, away}});
}

std::optional<ActivityPattern> Pattern(IndividualType person, BldgType building, GenderType gender,
                                       bool weekend) {
  switch (person) {
    case IndividualType::Pro:
      return Make({{0, 0, 0, 13.3}});
    case IndividualType::Child:
      if (weekend) {
        return Make(
            {{1, 0, 0, 7.2}, {2, 8, 0, 24.0}, {0, 9, 0, 10.0}, {2, 14, 0, 16.8}, {1, 20, 0, 9.6}});
      }
      return Make(
          {{1, 0, 0, 7.2}, {2, 7, 0, 24.0}, {0, 8, 0, 10.0}, {2, 14, 0, 16.8}, {1, 20, 0, 9.6}});
    case IndividualType::Adult:
    case IndividualType::DIY:
      break;
    default:
      return std::nullopt;
  }
  if (IsOffice(building)) {
    switch (gender) {
      case GenderType::Male:
        return Office(weekend, 15.2, 20.4);
      case GenderType::Female:
        return Office(weekend, 11.3, 16.8);
      default:
        return Office(weekend, 13.3, 18.0);
    }
  }
  switch (gender) {
    case GenderType::Male:
      return Residence(weekend, 9.6, 26.4, 15.2, 20.4, 14.4);
    case GenderType::Female:
      return Residence(weekend, 7.2, 21.6, 11.3, 16.8, 12.0);
    default:
      return Residence(weekend, 9.6, 24.0, 13.3, 18.0, 12.0);
  }
}

}  // namespace

std::optional<ActivityPattern> DefaultWeekDayPattern(IndividualType person, BldgType building,
                                                     GenderType gender) {
  return Pattern(person, building, gender, false);
}

std::optional<ActivityPattern> DefaultWeekEndPattern(IndividualType person, BldgType building,
                                                     GenderType gender) {
  return Pattern(person, building, gender, true);
}

}  // namespace lumo
