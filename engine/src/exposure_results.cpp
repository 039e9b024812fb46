#include "exposure_results.h"

#include <cmath>

namespace lumo {

ExposureResults computeResults(const ExposureSums &sums, const ExposureFactors &f) {
  constexpr double kDaysPerYear = 365.25;
  constexpr double kPerYear = 0.0027378507871321013;  // 1 / 365.25
  ExposureResults r{};
  r.ladd = sums.dose * f.eventsPerYear / f.bodyWeight * (f.yearsOfExposure / f.averagingTime);
  r.add = sums.dose * f.eventsPerYear / (kDaysPerYear * f.bodyWeight);
  r.ladc = sums.exposure * f.eventsPerYear * (f.yearsOfExposure / f.averagingTime);
  r.adc = sums.exposure * f.eventsPerYear * kPerYear;
  r.cpeak = sums.peak;
  r.singleEventDose = sums.dose;
  r.apdr = sums.maxDayDose;
  r.apdrTime = sums.maxDayDoseTime;
  r.c15min = sums.max15 * (1.0 / 15.0);
  r.c8hour = sums.max480 * (1.0 / 480.0);
  return r;
}

bool storeResults(const ExposureResults &r, ExecutionResultsRecord &out) {
  const ExecutionResultsRecord narrowed{
      static_cast<float>(r.ladd),   static_cast<float>(r.add),
      static_cast<float>(r.ladc),   static_cast<float>(r.adc),
      static_cast<float>(r.cpeak),  static_cast<float>(r.singleEventDose),
      static_cast<float>(r.apdr),   static_cast<float>(r.apdrTime),
      static_cast<float>(r.c15min), static_cast<float>(r.c8hour)};
  for (float v : {narrowed.LADD, narrowed.ADD, narrowed.LADC, narrowed.ADC, narrowed.Cpeak,
                  narrowed.SingleEventDose, narrowed.APDR, narrowed.APDRtime, narrowed.C15min,
                  narrowed.C8hour}) {
    if (!std::isfinite(v)) return false;
  }
  out = narrowed;
  return true;
}

}  // namespace lumo
