#include "emission_model.h"

#include <algorithm>

namespace lumo {

DirectEmissionModel::DirectEmissionModel(std::vector<EmissionSource> sources,
                                         const NodeTable &nodes)
    : sources_(std::move(sources)) {
  std::erase_if(sources_, [&](const EmissionSource &src) { return !nodes.hasNode(src.node); });
}

const EmissionModel::NodeTerms &DirectEmissionModel::termsAt(double s,
                                                             const NodeTable &nodes) const {
  terms_.fill(0.0);
  for (const EmissionSource &src : sources_) {
    terms_[src.node] += emissionRate(src, s) / nodes.volume[src.node];
  }
  return terms_;
}

}  // namespace lumo
