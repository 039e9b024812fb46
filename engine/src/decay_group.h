// The summed release of increments that have finished applying into one node
// with one rate constant k: Σ a_j e^{-k(s - f_j)}. The sum is held as one
// amplitude A at a reference clock τ, the latest f_j, so that its value at
// any s >= τ is A e^{-k(s - τ)}. Adding a tail re-bases the sum to the later
// of the two clocks, so no exponent is positive (for k >= 0) and terms are
// only ever added: nothing cancels.
//
// A run asks for the value at a rising sequence of clocks a half step apart.
// From one clock s' to the next s the value is carried on as
// value(s') × e^{-k(s - s')}: the clock difference is exact in double, and the
// few distinct differences a run's steps produce each cost one exponential,
// once. Every 64 values the sum is evaluated afresh, which bounds the
// rounding carried along to a few units in the last place.
#pragma once

#include <array>

#include "emission_source.h"

namespace lumo {

class DecayGroup {
 public:
  DecayGroup(int node, double rate) : node_(node), rate_(rate) {}

  int node() const { return node_; }
  double rate() const { return rate_; }
  bool empty() const { return empty_; }

  void add(const DecayTail &tail);

  // The summed rate (mg/day) at clock s, for s at or after every added tail's
  // clock and at or after the previous call's s. Once e^{-k(s - τ)} is
  // exactly 0 in double precision the group empties itself: at any later
  // clock it would add exactly 0 as well.
  double at(double s) {
    if (empty_) return 0.0;
    if (!carried_ || s < clock_ || s > carryUntil_ || ++carriedSteps_ >= kFreshEvery) {
      return evaluateAfresh(s);
    }
    if (s != clock_) {
      value_ = value_ * decayOver(s - clock_);
      clock_ = s;
    }
    return value_;
  }

 private:
  static constexpr int kFreshEvery = 64;

  double evaluateAfresh(double s);
  double decayOver(double elapsed) {
    // The entries hold distinct differences, so at most one matches. Which
    // one it is follows the clock's last bits: all four are looked at without
    // a branch, and the match is picked out by a sum of two pairs.
    const auto pick = [&](const Decay &d) { return d.elapsed == elapsed ? d.factor : 0.0; };
    const double factor =
        (pick(decays_[0]) + pick(decays_[1])) + (pick(decays_[2]) + pick(decays_[3]));
    if (factor != 0.0) return factor;
    return newDecay(elapsed);
  }
  double newDecay(double elapsed);

  int node_;
  double rate_;
  double amplitude_ = 0.0;  // mg/day at reference_
  double reference_ = 0.0;  // days
  bool empty_ = true;

  // Carrying the value from clock to clock.
  bool carried_ = false;     // value_ holds the value at clock_
  double clock_ = 0.0;       // days
  double value_ = 0.0;       // mg/day
  double carryUntil_ = 0.0;  // beyond this clock the value leaves the normal range
  int carriedSteps_ = 0;
  struct Decay {
    double elapsed = -1.0;  // days; negative: unused
    double factor = 0.0;    // e^{-k elapsed}
  };
  std::array<Decay, 4> decays_{};
  unsigned nextDecay_ = 0;
};

}  // namespace lumo
