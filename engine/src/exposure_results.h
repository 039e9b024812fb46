// The ten exposure measures of a finished run, formed from its sums and the
// person's exposure factors.
#pragma once

#include "exposure_tracker.h"
#include "lumo32.h"

namespace lumo {

struct ExposureFactors {
  double eventsPerYear;    // 1/year
  double bodyWeight;       // kg
  double yearsOfExposure;  // years
  double averagingTime;    // days, the lifetime average
};

struct ExposureResults {
  double ladd;             // mg/kg/day, lifetime average daily dose
  double add;              // mg/kg/day, average daily dose over a year of events
  double ladc;             // mg/m³, lifetime average daily concentration
  double adc;              // mg/m³, average daily concentration over a year of events
  double cpeak;            // mg/m³
  double singleEventDose;  // mg
  double apdr;             // mg/kg/day, largest 24-hour dose per body weight
  double apdrTime;         // days, end of that 24-hour window
  double c15min;           // mg/m³
  double c8hour;           // mg/m³
};

ExposureResults computeResults(const ExposureSums &sums, const ExposureFactors &factors);

// Narrows the results to the record's 32-bit fields. When any of the ten
// would not be a finite number there (an overflow included), writes nothing
// and returns false.
bool storeResults(const ExposureResults &results, ExecutionResultsRecord &out);

}  // namespace lumo
