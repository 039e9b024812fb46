// The one-at-a-time cases: every input at its median (the base case), then
// each varied input in turn at its 5th and at its 95th percentile with the
// others at their medians. Inputs held at a single value keep it and get no
// cases of their own. Values are corrected to the fields' ranges
// (AssessmentInput::ValueAt), like the drawn ones.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "assessment.h"

namespace lumo::prob {

inline constexpr double kOneAtATimeLow = 5;
inline constexpr double kOneAtATimeHigh = 95;

struct OneAtATimeCase {
  std::optional<std::size_t> input;  // the input moved; none in the base case
  double percentile;                 // 50 in the base case, else 5 or 95
  std::vector<double> values;        // one per input, in the assessment's order
};

// The base case first, then for each varied input (in order) its low and
// its high case: 1 + 2 × (varied inputs) cases.
std::vector<OneAtATimeCase> OneAtATimeCases(const Assessment &assessment);

// What moving one input did to a result.
struct OneAtATimeEffect {
  std::size_t input;
  double low;   // the result with the input at its 5th percentile
  double high;  // ... at its 95th
  double swing() const { return high - low; }
};

// The effects from the cases' results (results[k] belongs to cases[k]).
std::vector<OneAtATimeEffect> OneAtATimeEffects(const std::vector<OneAtATimeCase> &cases,
                                                const std::vector<double> &results);

}  // namespace lumo::prob
