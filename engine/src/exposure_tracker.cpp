#include "exposure_tracker.h"

#include <cmath>

namespace lumo {

ExposureTracker::ExposureTracker(const OccupantSchedule &schedule, int nodeCount, double bodyWeight,
                                 double startTime)
    : schedule_(schedule),
      nodeCount_(nodeCount),
      bodyWeight_(bodyWeight),
      lastMinuteMark_(startTime),
      lastHourMark_(startTime) {}

void ExposureTracker::afterStep(double s, double h, const double *C) {
  const Whereabouts where = schedule_.at(s);
  if (where.known && where.zone >= 0 && where.zone < nodeCount_) {
    accumulate(h, C[where.zone], where.breathingRate);
  }

  if ((s - lastMinuteMark_) * 24.0 * 60.0 >= 0.9999) minuteMark(s);
  if ((s - lastHourMark_) * 24.0 >= 1.0) hourMark(s);
}

bool ExposureTracker::finite() const {
  const ExposureSums &s = sums_;
  for (double v : {s.dose, s.exposure, s.peak, s.max15, s.max480, s.maxDayDose, s.maxDayDoseTime,
                   hourDose_, personC_}) {
    if (!std::isfinite(v)) return false;
  }
  return true;
}

void ExposureTracker::accumulate(double h, double Cz, double breathingRate) {
  personC_ = Cz;
  sums_.exposure += h * Cz;
  sums_.dose += breathingRate * h * Cz;
  hourDose_ += breathingRate * h * Cz / bodyWeight_;
  if (Cz > sums_.peak) sums_.peak = Cz;
  const double minutesTimesC = h * 24.0 * 60.0 * Cz;  // mg·min/m³
  window15_.add(minutesTimesC);
  window480_.add(minutesTimesC);
}

void ExposureTracker::minuteMark(double s) {
  const double last15 = window15_.takeWindow();
  if (sums_.max15 < last15) sums_.max15 = last15;
  const double last480 = window480_.takeWindow();
  if (sums_.max480 < last480) sums_.max480 = last480;
  lastMinuteMark_ = s;
}

void ExposureTracker::hourMark(double s) {
  windowDay_.addToAll(hourDose_);
  lastHourMark_ = s;
  const double lastDay = windowDay_.takeWindow();
  if (sums_.maxDayDose < lastDay) {
    sums_.maxDayDose = lastDay;
    sums_.maxDayDoseTime = s;
  }
  hourDose_ = 0.0;
}

}  // namespace lumo
