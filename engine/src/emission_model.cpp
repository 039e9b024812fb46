#include "emission_model.h"

#include <algorithm>

namespace lumo {

DirectEmissionModel::DirectEmissionModel(std::vector<EmissionSource> sources,
                                         const NodeTable &nodes)
    : EmissionModel(/*remembersLastClock=*/false), sources_(std::move(sources)) {
  std::erase_if(sources_, [&](const EmissionSource &src) { return !nodes.hasNode(src.node); });
}

void DirectEmissionModel::evaluate(double s, const NodeTable &nodes, NodeTerms &terms) const {
  terms.fill(0.0);
  for (const EmissionSource &src : sources_) {
    terms[src.node] += emissionRate(src, s) / nodes.volume[src.node];
  }
}

}  // namespace lumo
