#include "exposure_results.h"

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

void storeResults(const ExposureResults &r, ExecutionResultsRecord &out) {
  out.LADD = static_cast<float>(r.ladd);
  out.ADD = static_cast<float>(r.add);
  out.LADC = static_cast<float>(r.ladc);
  out.ADC = static_cast<float>(r.adc);
  out.Cpeak = static_cast<float>(r.cpeak);
  out.SingleEventDose = static_cast<float>(r.singleEventDose);
  out.APDR = static_cast<float>(r.apdr);
  out.APDRtime = static_cast<float>(r.apdrTime);
  out.C15min = static_cast<float>(r.c15min);
  out.C8hour = static_cast<float>(r.c8hour);
}

}  // namespace lumo
