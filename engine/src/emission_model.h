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
  virtual ~EmissionModel() = default;

  // Σ E_j(s) / V over the sources j of each node, for every node of the run
  // (0 for a node without sources). The array belongs to the model and holds
  // until the next call.
  using NodeTerms = std::array<double, kMaxNodes>;
  virtual const NodeTerms &termsAt(double s, const NodeTable &nodes) const = 0;
};

// Evaluates every source from its definition at every call: two exponentials
// per source and call.
class DirectEmissionModel final : public EmissionModel {
 public:
  // Sources whose node is not part of the run never act and are dropped.
  DirectEmissionModel(std::vector<EmissionSource> sources, const NodeTable &nodes);

  const NodeTerms &termsAt(double s, const NodeTable &nodes) const override;

 private:
  std::vector<EmissionSource> sources_;
  mutable NodeTerms terms_{};
};

}  // namespace lumo
