// The emission schedule: one increment per schedule row and exponential,
// releasing the chemical applied in that work period, and the text of its
// dump "emission.csv".
#pragma once

#include <string>
#include <vector>

#include "lumo32.h"
#include "lumo_state.h"

namespace lumo {

struct EmissionSchedule {
  std::vector<EmissionRateIncrementalRecord> increments;
  std::string dump;  // the text of "emission.csv"
};

// The increments of `scenario` (its record's inputs and derived quantities)
// over the rows of `schedule`; `overrides` is the override list of the same
// rows, whose enter times the painting rows start at. Priming rows are as
// many as the schedule builder makes for the current inputs (throws
// ETooManyOverrideRows when the inputs need more than 800 rows), never more
// than `schedule` holds. Reads nothing else and writes nothing.
EmissionSchedule BuildEmissionSchedule(const TLumoState &scenario,
                                       const PaintDurationGrid &schedule,
                                       const std::vector<OverrideRecord> &overrides);

}  // namespace lumo
