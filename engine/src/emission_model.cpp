#include "emission_model.h"

#include <algorithm>

namespace lumo {

DirectEmissionModel::DirectEmissionModel(std::vector<EmissionSource> sources,
                                         const NodeTable &nodes)
    : sources_(std::move(sources)) {
  std::erase_if(sources_, [&](const EmissionSource &src) { return !nodes.hasNode(src.node); });
}

void DirectEmissionModel::addTo(double s, const NodeTable &nodes, double *dC) const {
  for (const EmissionSource &src : sources_) {
    dC[src.node] += emissionRate(src, s) / nodes.volume[src.node];
  }
}

}  // namespace lumo
