#include "mass_balance.h"

namespace lumo {

MassBalance::MassBalance(const NodeTable &nodes, const EmissionModel &emissions,
                         const std::vector<SinkNode> &sinks)
    : nodes_(nodes), emissions_(emissions), sinks_(sinks) {}

void MassBalance::derivative(double s, const double *x, double *dx) const {
  const int n = nodes_.count;
  const double *C = x;
  double *dC = dx;
  for (int i = 0; i < n; ++i) dC[i] = 0.0;

  // Each pair only touches its two nodes, so walking the pairs once keeps,
  // for every node, the contributions in pair-table order.
  for (const ZonePair &pair : nodes_.pairs) {
    dC[pair.to] += nodes_.invVolume[pair.to] * pair.flow * C[pair.from];
    dC[pair.from] -= nodes_.invVolume[pair.from] * pair.flow * C[pair.from];
  }

  emissions_.addTo(s, nodes_, dC);

  const double *L = x + n;
  double *dL = dx + n;
  for (std::size_t i = 0; i < sinks_.size(); ++i) {
    const SinkNode &sink = sinks_[i];
    if (!nodes_.hasNode(sink.node)) {
      dL[i] = 0.0;
      continue;
    }
    addSinkTerms(sink, nodes_.invVolume[sink.node], C[sink.node], L[i], dC[sink.node], dL[i]);
  }
}

}  // namespace lumo
