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

  // The same for a run of exactly N nodes, inlined into the time loop.
  template <int N>
  void applyTo(double *C, const NodeTable &nodes) {
#pragma GCC unroll 4
    for (int i = 0; i < N; ++i) limitNode(i, C[i], nodes.volume[i]);
  }

  double reserve(int node) const {
    return reserve_[node];
  }  // mg

 private:
  void limitNode(int i, double &C, double V) {
    double &R = reserve_[i];
    if (C > csat_) {
      R = R + (C - csat_) * V;
      C = csat_;
    } else if (R > 0.0) {
      const double room = (csat_ - C) * V;
      if (R <= room) {
        C = C + R / V;
        R = 0.0;
      } else {
        R = R - room;
        C = csat_;
      }
    }
  }

  double csat_;
  std::array<double, kMaxNodes> reserve_{};
};

}  // namespace lumo
