#include "mass_balance.h"

namespace lumo {

MassBalance::MassBalance(const NodeTable &nodes, const EmissionModel &emissions,
                         const std::vector<SinkNode> &sinks)
    : nodes_(nodes), emissions_(emissions), sinks_(sinks) {
  std::array<int, kMaxNodes> terms{};
  for (const ZonePair &pair : nodes_.pairs) {
    const int in = terms[pair.to]++;
    factor_[in][pair.to] = nodes_.invVolume[pair.to] * pair.flow;
    from_[in][pair.to] = pair.from;
    const int out = terms[pair.from]++;
    factor_[out][pair.from] = -(nodes_.invVolume[pair.from] * pair.flow);
    from_[out][pair.from] = pair.from;
  }
  for (const SinkNode &sink : sinks_) {
    const bool acts = nodes_.hasNode(sink.node);
    sinkTerms_.push_back(
        {acts ? sink.node : -1, SinkRates(sink, acts ? nodes_.invVolume[sink.node] : 0.0)});
  }

  const FromTable usual = usualFrom(nodes_.count);
  usualOrder_ = nodes_.pairs.size() == static_cast<std::size_t>(nodes_.count * (nodes_.count - 1));
  for (int j = 0; j < 2 * (nodes_.count - 1); ++j) {
    for (int i = 0; i < nodes_.count; ++i) usualOrder_ = usualOrder_ && from_[j][i] == usual[j][i];
  }
}

template <int N>
void MassBalance::flowsAndEmissions(const double *C, const EmissionModel::NodeTerms &emitted,
                                    double *dC) const {
  // One scalar per node, so that the sums stay in registers.
  static_assert(N == 2 || N == 3);
  // Starting from the first term rather than from 0 spares every stage one
  // dependent addition.
  double sum0 = factor_[0][0] * C[from_[0][0]];
  double sum1 = factor_[0][1] * C[from_[0][1]];
  double sum2 = N == 3 ? factor_[0][2] * C[from_[0][2]] : 0.0;
  for (int j = 1; j < 2 * (N - 1); ++j) {
    sum0 += factor_[j][0] * C[from_[j][0]];
    sum1 += factor_[j][1] * C[from_[j][1]];
    if constexpr (N == 3) sum2 += factor_[j][2] * C[from_[j][2]];
  }
  dC[0] = sum0 + emitted[0];
  dC[1] = sum1 + emitted[1];
  if constexpr (N == 3) dC[2] = sum2 + emitted[2];
}

template <int N>
void MassBalance::derivativeOf(double s, const double *x, double *dx) const {
  const double *C = x;
  double *dC = dx;
  flowsAndEmissions<N>(C, emissions_.termsAt(s, nodes_), dC);

  const double *L = x + N;
  double *dL = dx + N;
  const std::size_t sinkCount = sinkTerms_.size();
  for (std::size_t i = 0; i < sinkCount; ++i) {
    const Sink &sink = sinkTerms_[i];
    if (sink.node < 0) {
      dL[i] = 0.0;
      continue;
    }
    sink.rates.apply(C[sink.node], L[i], dC[sink.node], dL[i]);
  }
}

void MassBalance::derivative(double s, const double *x, double *dx) const {
  if (nodes_.count == 3) {
    derivativeOf<3>(s, x, dx);
  } else {
    derivativeOf<2>(s, x, dx);
  }
}

}  // namespace lumo
