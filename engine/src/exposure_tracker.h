// Exposure bookkeeping after every integration step: where the person is,
// the dose and exposure sums, the peak, and the moving windows behind the
// peak 15-minute and 8-hour averages (minute marks) and the acute dose rate
// (hour marks, a 24-hour window of dose per body weight).
#pragma once

#include <cstddef>

#include "occupant_schedule.h"
#include "window_ring.h"
#include "window_sum.h"

namespace lumo {

// What the run has accumulated; the results are formed from it at the end.
struct ExposureSums {
  double dose = 0.0;          // mg, Σ BR h C
  double exposure = 0.0;      // mg·day/m³, Σ h C
  double peak = 0.0;          // mg/m³
  double max15 = 0.0;         // mg·min/m³, largest 15-minute window
  double max480 = 0.0;        // mg·min/m³, largest 8-hour window
  double maxDayDose = 0.0;    // mg/kg, largest 24-hour window
  double maxDayDoseTime = 0;  // days, clock when that window was read
};

class ExposureTracker {
 public:
  // Both marks start at startTime, the clock at the start of the first step,
  // so that every window holds exactly the time it stands for.
  ExposureTracker(const OccupantSchedule &schedule, int nodeCount, double bodyWeight,
                  double startTime);

  // Called after each step with the new clock s, the step length h and the
  // node concentrations C after the saturation limit.
  void afterStep(double s, double h, const double *C);

  // C at the person after the latest step with a known, existing zone.
  double personConcentration() const { return personC_; }
  const ExposureSums &sums() const { return sums_; }

  // True while every sum, and the dose of the open hour, is a finite number.
  // A sum that is not stays so, as do the maxima over windows of it.
  bool finite() const;

 private:
  void accumulate(double h, double C, double breathingRate);
  void minuteMark(double s);
  void hourMark(double s);

  const OccupantSchedule &schedule_;
  int nodeCount_;
  double bodyWeight_;
  ExposureSums sums_;
  double personC_ = 0.0;
  double hourDose_ = 0.0;  // mg/kg since the last hour mark
  double lastMinuteMark_;
  double lastHourMark_;
  WindowSum<15> window15_;    // mg·min/m³ over the last 15 minute marks
  WindowSum<480> window480_;  // mg·min/m³ over the last 480 minute marks
  // The day windows are read only once an hour, so the ring's 24 additions
  // cost nothing; its windows are plain sums of the same hourly doses, so
  // windows holding the same doses are equal to the last bit and the first of
  // them keeps the maximum, as the acute dose time expects.
  WindowRing<24> windowDay_;  // mg/kg over the last 24 hour marks
};

}  // namespace lumo
