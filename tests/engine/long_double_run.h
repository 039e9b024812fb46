// An independent evaluation of a whole run in long double precision, the
// yardstick for the engine's accuracy. It follows the same scheme step for
// step: the clock is advanced in double exactly as the engine's time loop
// does (so that every step, mark and report falls where the engine's does),
// and everything else — sub-step and stage times, the emission term, the
// Runge-Kutta stages, the saturation limit, the sums and windows of the
// bookkeeping and the ten results — is computed in long double. Each step is
// integrated in the inputs' number of equal sub-steps, as the engine does.
//
// The emission of finished increments is summed per node and rate constant
// as A e^{-k(s - τ)}, re-based as increments finish: exact algebra, so a
// year with a thousand increments stays affordable. The moving windows are
// differences of a running total, which long double keeps accurate far
// beyond what double resolves.
#pragma once

#include <array>
#include <vector>

#include "run_inputs.h"

namespace lumo_test {

struct LongDoubleRow {
  double clock;
  std::vector<long double> values;  // node concentrations, sink loadings, person's C
};

struct LongDoubleOutput {
  std::vector<LongDoubleRow> rows;  // the row at StartTime first
  // LADD, ADD, LADC, ADC, Cpeak, SingleEventDose, APDR, APDRtime, C15min, C8hour
  std::array<long double, 10> results{};
};

LongDoubleOutput runInLongDouble(const lumo::RunInputs &inputs);

}  // namespace lumo_test
