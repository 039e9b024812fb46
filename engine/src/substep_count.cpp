#include "substep_count.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace lumo {

double fastestExchangeRate(const NodeTable &nodes, const std::vector<SinkNode> &sinks) {
  std::array<double, kMaxNodes> leaving{};  // m³/day out of each node
  for (const ZonePair &pair : nodes.pairs) leaving[pair.from] += std::fabs(pair.flow);
  double fastest = 0.0;
  for (const SinkNode &sink : sinks) {
    if (!nodes.hasNode(sink.node)) continue;  // never acts
    if (sink.kind == SinkKind::kFirstOrder) {
      leaving[sink.node] += std::fabs(sink.uptake);
    } else {
      leaving[sink.node] += std::fabs(sink.uptake * sink.area);
      fastest = std::max(fastest, std::fabs(sink.release * sink.area));
    }
  }
  for (int i = 1; i < nodes.count; ++i) fastest = std::max(fastest, leaving[i] / nodes.volume[i]);
  return fastest;
}

int substepCount(double rate) {
  const double parts = std::ceil(rate / (kSubstepReach * kStepsPerDay));
  return parts > 1.0 ? static_cast<int>(std::min(parts, double(kMaxSubsteps))) : 1;
}

}  // namespace lumo
