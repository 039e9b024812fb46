// The right-hand side of the indoor-air mass balance. The joint state is
// x = [C_0 … C_{N-1}, L_0 … L_{S-1}]: node concentrations (mg/m³) followed by
// sink loadings (mg). For every node the derivative collects, in this order,
// the airflows of the pair table, the emission term and the sink terms.
#pragma once

#include <array>
#include <cstddef>
#include <vector>

#include "emission_model.h"
#include "node_table.h"
#include "sink_node.h"

namespace lumo {

class MassBalance {
 public:
  // Keeps references: the three parts must outlive the balance.
  MassBalance(const NodeTable &nodes, const EmissionModel &emissions,
              const std::vector<SinkNode> &sinks);

  std::size_t stateSize() const { return static_cast<std::size_t>(nodes_.count) + sinks_.size(); }

  // dx = dx/ds at clock s; x and dx hold stateSize() values.
  void derivative(double s, const double *x, double *dx) const;

 private:
  // The airflow terms in pair-table order. Every node has 2(N - 1) of them
  // (a pair in and a pair out for every other node); term j of node i adds
  // factor[j][i] × C[from[j][i]], with factor = +Q/V_i for air coming in and
  // -Q/V_i for air leaving (from = i). Held term by term across the nodes, so
  // that the nodes' sums are formed side by side.
  static constexpr int kMaxFlowTerms = 2 * (kMaxNodes - 1);

  template <int N>
  void flowsAndEmissions(const double *C, const EmissionModel::NodeTerms &emitted,
                         double *dC) const;

  const NodeTable &nodes_;
  std::array<std::array<double, kMaxNodes>, kMaxFlowTerms> factor_{};
  std::array<std::array<int, kMaxNodes>, kMaxFlowTerms> from_{};
  const EmissionModel &emissions_;
  const std::vector<SinkNode> &sinks_;
};

}  // namespace lumo
