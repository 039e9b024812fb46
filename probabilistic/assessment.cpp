#include "assessment.h"

#include <algorithm>

namespace lumo::prob {

double AssessmentInput::ValueAt(double u) const {
  return std::clamp(Quantile(distribution, u), field.min, field.max);
}

std::optional<std::size_t> Assessment::InputIndex(const std::string &name) const {
  for (std::size_t j = 0; j < inputs.size(); ++j)
    if (inputs[j].name == name) return j;
  return std::nullopt;
}

}  // namespace lumo::prob
