// How the mass balance obtains its emission term. The interface lets the
// running-sum evaluation (running_sum_emissions.h) replace the direct one
// without touching the balance or the stepper; the direct model stays as the
// reference that any other must match.
#pragma once

#include <vector>

#include "emission_source.h"
#include "node_table.h"

namespace lumo {

class EmissionModel {
 public:
  virtual ~EmissionModel() = default;

  // Adds E_j(s) / V for every source j to dC[node of j].
  virtual void addTo(double s, const NodeTable &nodes, double *dC) const = 0;
};

// Evaluates every source from its definition at every call: two exponentials
// per source and call.
class DirectEmissionModel final : public EmissionModel {
 public:
  // Sources whose node is not part of the run never act and are dropped.
  DirectEmissionModel(std::vector<EmissionSource> sources, const NodeTable &nodes);

  void addTo(double s, const NodeTable &nodes, double *dC) const override;

 private:
  std::vector<EmissionSource> sources_;
};

}  // namespace lumo
