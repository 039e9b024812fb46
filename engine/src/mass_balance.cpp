#include "mass_balance.h"

namespace lumo {

MassBalance::MassBalance(const NodeTable &nodes, const EmissionModel &emissions,
                         const std::vector<SinkNode> &sinks)
    : nodes_(nodes), emissions_(emissions), sinks_(sinks) {
  for (const ZonePair &pair : nodes_.pairs) {
    NodeFlows &in = flows_[pair.to];
    NodeFlows &out = flows_[pair.from];
    in.terms[in.count++] = {pair.from, nodes_.invVolume[pair.to] * pair.flow};
    out.terms[out.count++] = {pair.from, -(nodes_.invVolume[pair.from] * pair.flow)};
  }
}

void MassBalance::derivative(double s, const double *x, double *dx) const {
  const int n = nodes_.count;
  const double *C = x;
  double *dC = dx;
  for (int i = 0; i < n; ++i) {
    const NodeFlows &flows = flows_[i];
    double sum = 0.0;
    for (std::size_t j = 0; j < flows.count; ++j) {
      sum += flows.terms[j].factor * C[flows.terms[j].node];
    }
    dC[i] = sum;
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
