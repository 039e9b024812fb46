// The exposure counts of the exposure dialog: whole years of exposure, the
// events in them and the whole events in a lifetime.
#pragma once

#include <cstdint>

namespace lumo {

struct ExposureEventCounts {
  std::int32_t YearsofExposure;   // the typed years, fraction dropped
  double Events;                  // YearsofExposure × events per year
  std::int32_t EventsinLifeTime;  // Events, fraction dropped
};

// 2.5 years at 200 events a year: 2 years, 400 events; 25 years at 0.5: 12.
ExposureEventCounts CountExposureEvents(double eventsPerYear, double years);

// A number of years with its fraction dropped (towards zero).
std::int32_t WholeYears(double years);

}  // namespace lumo
