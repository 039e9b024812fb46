// Comparing the engine's run with the long-double evaluation of the same
// scheme: every reported value within a relative tolerance, or, for values
// that small, within a fraction of the largest magnitude of its column; and
// every result within the relative tolerance.
#pragma once

#include <string>

#include "core_run.h"
#include "long_double_run.h"

namespace lumo_test {

struct Tolerance {
  double relative = 1e-8;
  double ofColumnPeak = 1e-12;
};

struct Agreement {
  bool sameReports = true;  // same number of rows at the same clocks
  long rowValuesOutside = 0;
  long resultsOutside = 0;
  // The worst deviation in units of its allowance (at most 1 is within).
  double worstRowShare = 0.0;
  double worstResultShare = 0.0;
  std::string worstRow;  // where the worst row value is, for messages
};

// A run of the engine as a reference for another (its values widened).
LongDoubleOutput asReference(const CoreRunOutput &run);

Agreement compareRuns(const CoreRunOutput &engine, const LongDoubleOutput &reference,
                      Tolerance tolerance = {});

}  // namespace lumo_test
