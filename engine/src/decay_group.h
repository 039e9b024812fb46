// The summed release of increments that have finished applying into one node
// with one rate constant k: Σ a_j e^{-k(s - f_j)}. The sum is held as one
// amplitude A at a reference clock τ, the latest f_j, so that it costs one
// exponential at any s >= τ: A e^{-k(s - τ)}. Adding a tail re-bases the sum
// to the later of the two clocks, so no exponent is positive (for k >= 0) and
// terms are only ever added: nothing cancels.
#pragma once

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
  // clock. Once e^{-k(s - τ)} is exactly 0 in double precision the group
  // empties itself: at any later clock it would add exactly 0 as well.
  double at(double s);

 private:
  int node_;
  double rate_;
  double amplitude_ = 0.0;  // mg/day at reference_
  double reference_ = 0.0;  // days
  bool empty_ = true;
};

}  // namespace lumo
