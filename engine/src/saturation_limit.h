// Keeps every node at or below the saturation concentration without losing
// mass: chemical that would push a node above the limit is held in a reserve
// and released as soon as the node has room again.
#pragma once

#include <array>

#include "node_table.h"

namespace lumo {

class SaturationLimit {
 public:
  explicit SaturationLimit(double saturationConcentration) : csat_(saturationConcentration) {}

  // Applies the limit to the node concentrations C (nodes.count values).
  void apply(double *C, const NodeTable &nodes);

  double reserve(int node) const { return reserve_[node]; }  // mg

 private:
  double csat_;
  std::array<double, kMaxNodes> reserve_{};
};

}  // namespace lumo
