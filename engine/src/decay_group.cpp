#include "decay_group.h"

#include <cmath>

namespace lumo {

namespace {

// e^{-x} rounds to exactly 0 beyond x ≈ 745.13.
constexpr double kVanishedExponent = 750.0;
// Carried values stay above e^{-700}, well inside the normal range.
constexpr double kCarriedExponentLimit = 700.0;

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
  carried_ = false;
}

double DecayGroup::newDecay(double elapsed) {
  Decay &d = decays_[nextDecay_++ % decays_.size()];
  d = {elapsed, std::exp(-rate_ * elapsed)};
  return d.factor;
}

double DecayGroup::evaluateAfresh(double s) {
  const double exponent = rate_ * (s - reference_);
  if (exponent > kVanishedExponent) {
    empty_ = true;
    amplitude_ = 0.0;
    carried_ = false;
    return 0.0;
  }
  value_ = amplitude_ * std::exp(-exponent);
  clock_ = s;
  carriedSteps_ = 0;
  // Carry only decaying values, and only while they stay normal numbers.
  carried_ = rate_ > 0.0 && exponent < kCarriedExponentLimit;
  if (carried_) carryUntil_ = s + (kCarriedExponentLimit - exponent) / rate_;
  return value_;
}

}  // namespace lumo
