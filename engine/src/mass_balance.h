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

  // True when the run has exactly N nodes and S sinks and the pair table is
  // in the order the run's inputs give it (0→1, 1→0, then for three nodes
  // 0→2, 2→0, 1→2, 2→1). fixedDerivative<N, S> may then be used.
  template <int N, int S>
  bool hasLayout() const {
    return nodes_.count == N && sinkTerms_.size() == static_cast<std::size_t>(S) && usualOrder_;
  }

  // dx/ds at clock s for a balance where hasLayout<N, S>() holds. Which
  // concentration each airflow term reads is known at compile time, so the
  // state can stay in registers; the arithmetic is derivative()'s, term for
  // term and in the same order.
  template <int N, int S>
  [[gnu::always_inline]] std::array<double, N + S> fixedDerivative(
      double s, const std::array<double, N + S> &x) const;

 private:
  // The airflow terms in pair-table order. Every node has 2(N - 1) of them
  // (a pair in and a pair out for every other node); term j of node i adds
  // factor[j][i] × C[from[j][i]], with factor = +Q/V_i for air coming in and
  // -Q/V_i for air leaving (from = i). Held term by term across the nodes, so
  // that the nodes' sums are formed side by side.
  static constexpr int kMaxFlowTerms = 2 * (kMaxNodes - 1);
  using FromTable = std::array<std::array<int, kMaxNodes>, kMaxFlowTerms>;

  // from_ for the pair table in its usual order (see hasLayout).
  static constexpr FromTable usualFrom(int n) {
    constexpr ZonePair kUsual[] = {{0, 1, 0.0}, {1, 0, 0.0}, {0, 2, 0.0},
                                   {2, 0, 0.0}, {1, 2, 0.0}, {2, 1, 0.0}};
    FromTable from{};
    std::array<int, kMaxNodes> terms{};
    for (int p = 0; p < n * (n - 1); ++p) {
      from[terms[kUsual[p].to]++][kUsual[p].to] = kUsual[p].from;
      from[terms[kUsual[p].from]++][kUsual[p].from] = kUsual[p].from;
    }
    return from;
  }

  // Node i's airflow terms, summed in order, for the usual pair order.
  template <int N, int i, std::size_t M>
  [[gnu::always_inline]] double usualFlowSum(const std::array<double, M> &C) const;

  template <int N>
  void flowsAndEmissions(const double *C, const EmissionModel::NodeTerms &emitted,
                         double *dC) const;
  template <int N>
  void derivativeOf(double s, const double *x, double *dx) const;

  const NodeTable &nodes_;
  std::array<std::array<double, kMaxNodes>, kMaxFlowTerms> factor_{};
  std::array<std::array<int, kMaxNodes>, kMaxFlowTerms> from_{};
  // The sinks in list order; node -1 for a sink outside the run's nodes,
  // which never acts (its loading stays put).
  struct Sink {
    int node;
    SinkRates rates;
  };

  const EmissionModel &emissions_;
  const std::vector<SinkNode> &sinks_;
  std::vector<Sink> sinkTerms_;
  bool usualOrder_ = false;  // from_ is usualFrom(nodes_.count)
};

template <int N, int i, std::size_t M>
inline double MassBalance::usualFlowSum(const std::array<double, M> &C) const {
  constexpr FromTable kFrom = usualFrom(N);
  double sum = factor_[0][i] * C[kFrom[0][i]];
  sum += factor_[1][i] * C[kFrom[1][i]];
  if constexpr (N == 3) {
    sum += factor_[2][i] * C[kFrom[2][i]];
    sum += factor_[3][i] * C[kFrom[3][i]];
  }
  return sum;
}

template <int N, int S>
inline std::array<double, N + S> MassBalance::fixedDerivative(
    double s, const std::array<double, N + S> &x) const {
  static_assert(N == 2 || N == 3);
  const EmissionModel::NodeTerms &emitted = emissions_.termsAt(s, nodes_);
  std::array<double, N + S> dx;
  dx[0] = usualFlowSum<N, 0>(x) + emitted[0];
  dx[1] = usualFlowSum<N, 1>(x) + emitted[1];
  if constexpr (N == 3) dx[2] = usualFlowSum<N, 2>(x) + emitted[2];
#pragma GCC unroll 16
  for (int i = 0; i < S; ++i) {
    const Sink &sink = sinkTerms_[i];
    if (sink.node < 0) {
      dx[N + i] = 0.0;
      continue;
    }
    sink.rates.apply(x[sink.node], x[N + i], dx[sink.node], dx[N + i]);
  }
  return dx;
}

}  // namespace lumo
