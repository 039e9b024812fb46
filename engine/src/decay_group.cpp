#include "decay_group.h"

#include <cmath>

namespace lumo {

namespace {

// e^{-x} rounds to exactly 0 beyond x ≈ 745.13.
constexpr double kVanishedExponent = 750.0;

}  // namespace

void DecayGroup::add(const DecayTail &tail) {
  if (empty_) {
    amplitude_ = tail.amplitude;
    reference_ = tail.from;
    empty_ = false;
  } else if (tail.from >= reference_) {
    amplitude_ = amplitude_ * std::exp(-rate_ * (tail.from - reference_)) + tail.amplitude;
    reference_ = tail.from;
  } else {
    amplitude_ = amplitude_ + tail.amplitude * std::exp(-rate_ * (reference_ - tail.from));
  }
}

double DecayGroup::at(double s) {
  if (empty_) return 0.0;
  const double exponent = rate_ * (s - reference_);
  if (exponent > kVanishedExponent) {
    empty_ = true;
    amplitude_ = 0.0;
    return 0.0;
  }
  return amplitude_ * std::exp(-exponent);
}

}  // namespace lumo
