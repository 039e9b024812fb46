#include "one_at_a_time.h"

#include <stdexcept>

namespace lumo::prob {

std::vector<OneAtATimeCase> OneAtATimeCases(const Assessment &assessment) {
  std::vector<double> medians;
  for (const AssessmentInput &in : assessment.inputs) medians.push_back(in.ValueAt(0.5));
  std::vector<OneAtATimeCase> cases{{std::nullopt, 50, medians}};
  for (std::size_t j = 0; j < assessment.inputs.size(); ++j) {
    const AssessmentInput &in = assessment.inputs[j];
    if (!in.Varies()) continue;
    for (double percentile : {kOneAtATimeLow, kOneAtATimeHigh}) {
      OneAtATimeCase c{j, percentile, medians};
      c.values[j] = in.ValueAt(percentile / 100);
      cases.push_back(std::move(c));
    }
  }
  return cases;
}

std::vector<OneAtATimeEffect> OneAtATimeEffects(const std::vector<OneAtATimeCase> &cases,
                                                const std::vector<double> &results) {
  if (results.size() != cases.size())
    throw std::invalid_argument("one-at-a-time: one result per case is needed");
  std::vector<OneAtATimeEffect> effects;
  for (std::size_t k = 1; k + 1 < cases.size(); k += 2) {
    if (!cases[k].input || cases[k + 1].input != cases[k].input)
      throw std::invalid_argument("one-at-a-time: the cases are not in their order");
    effects.push_back({*cases[k].input, results[k], results[k + 1]});
  }
  return effects;
}

}  // namespace lumo::prob
