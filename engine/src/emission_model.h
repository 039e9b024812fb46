// How the mass balance obtains its emission term. The interface lets the
// running-sum evaluation (running_sum_emissions.h) replace the direct one
// without touching the balance or the stepper; the direct model stays as the
// reference that any other must match.
#pragma once

#include <array>
#include <vector>

#include "emission_source.h"
#include "node_table.h"

namespace lumo {

class EmissionModel {
 public:
  using NodeTerms = std::array<double, kMaxNodes>;

  virtual ~EmissionModel() = default;

  // Σ E_j(s) / V over the sources j of each node, for every node of the run
  // (0 for a node without sources). The array belongs to the model and holds
  // until the next call. The term depends on the clock alone: a model that
  // remembers its last clock answers a repeated clock (the two half-step
  // stages, the start of a step where the last one ended) without evaluating.
  const NodeTerms &termsAt(double s, const NodeTable &nodes) const {
    if (!(remembered_ && s == clock_)) {
      evaluate(s, nodes, terms_);
      remembered_ = remembersLastClock_;
      clock_ = s;
    }
    return terms_;
  }

 protected:
  explicit EmissionModel(bool remembersLastClock) : remembersLastClock_(remembersLastClock) {}

  // Sets terms[i] for every node i.
  virtual void evaluate(double s, const NodeTable &nodes, NodeTerms &terms) const = 0;

 private:
  bool remembersLastClock_;
  mutable bool remembered_ = false;
  mutable double clock_ = 0.0;
  mutable NodeTerms terms_{};
};

// Evaluates every source from its definition at every call, repeated clocks
// included: two exponentials per source and call, four calls per step.
class DirectEmissionModel final : public EmissionModel {
 public:
  // Sources whose node is not part of the run never act and are dropped.
  DirectEmissionModel(std::vector<EmissionSource> sources, const NodeTable &nodes);

 private:
  void evaluate(double s, const NodeTable &nodes, NodeTerms &terms) const override;

  std::vector<EmissionSource> sources_;
};

}  // namespace lumo
