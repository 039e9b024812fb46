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
  // The airflow terms of one node in pair-table order: dC_i += factor × C[node],
  // with factor = +Q/V_i for air coming in from `node`, -Q/V_i for air leaving
  // (node = i). Gathered per node, each node's sum stays in a register.
  struct FlowTerm {
    int node;
    double factor;
  };
  static constexpr std::size_t kMaxFlowTerms = 2 * (kMaxNodes - 1);
  struct NodeFlows {
    std::size_t count = 0;
    std::array<FlowTerm, kMaxFlowTerms> terms{};
  };

  const NodeTable &nodes_;
  std::array<NodeFlows, kMaxNodes> flows_{};
  const EmissionModel &emissions_;
  const std::vector<SinkNode> &sinks_;
};

}  // namespace lumo
