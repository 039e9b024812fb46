#include "exposure_events.h"

#include "lumoutil.h"

namespace lumo {

std::int32_t WholeYears(double years) {
  return TruncToInt32(years);
}

ExposureEventCounts CountExposureEvents(double eventsPerYear, double years) {
  ExposureEventCounts counts{};
  counts.YearsofExposure = WholeYears(years);
  counts.Events = counts.YearsofExposure * eventsPerYear;
  counts.EventsinLifeTime = TruncToInt32(counts.Events);
  return counts;
}

}  // namespace lumo
