#include "running_sum_emissions.h"

#include <algorithm>

namespace lumo {

namespace {

// Beyond this exponent 1 - e^{-ku} rounds to exactly 1 (e^{-40} < 2^-54).
constexpr double kFullyReleasingExponent = 40.0;

bool sameRate(double a, double b) {
  return a == b;
}

}  // namespace

RunningSumEmissionModel::RunningSumEmissionModel(std::vector<EmissionSource> sources,
                                                 const NodeTable &nodes)
    : EmissionModel(/*remembersLastClock=*/true) {
  std::erase_if(sources, [&](const EmissionSource &src) { return !nodes.hasNode(src.node); });
  std::stable_sort(
      sources.begin(), sources.end(),
      [](const EmissionSource &a, const EmissionSource &b) { return a.start < b.start; });
  for (const EmissionSource &src : sources) {
    auto group = std::find_if(groups_.begin(), groups_.end(), [&](const DecayGroup &g) {
      return g.node() == src.node && sameRate(g.rate(), src.rate);
    });
    if (group == groups_.end())
      group = groups_.insert(groups_.end(), DecayGroup(src.node, src.rate));
    sources_.push_back({src, static_cast<int>(group - groups_.begin())});
    if (std::find(sourceNodes_.begin(), sourceNodes_.end(), src.node) == sourceNodes_.end()) {
      sourceNodes_.push_back(src.node);
    }
  }
  std::sort(sourceNodes_.begin(), sourceNodes_.end());
  applying_.reserve(sources_.size());
}

void RunningSumEmissionModel::restart() const {
  nextToStart_ = 0;
  applying_.clear();
  for (DecayGroup &group : groups_) group = DecayGroup(group.node(), group.rate());
}

// Hands add(node, rate) the release rate (mg/day) of every applying source
// and every group at s; sources that have finished applying move to their
// group first.
template <class Add>
void RunningSumEmissionModel::collectRates(double s, Add &&add) const {
  std::size_t kept = 0;
  for (const std::size_t index : applying_) {
    const Pending &p = sources_[index];
    const EmissionSource &src = p.source;
    const double u = s - src.start;
    if (src.duration <= 0.0 || u >= src.duration) {
      groups_[p.group].add(decayTail(src));
      continue;
    }
    applying_[kept++] = index;
    const double perDay = src.mass / src.duration;
    const double share = src.rate * u > kFullyReleasingExponent ? 1.0 : appliedShare(src.rate, u);
    add(src.node, perDay * share);
  }
  applying_.resize(kept);
  for (DecayGroup &group : groups_) add(group.node(), group.at(s));
}

void RunningSumEmissionModel::evaluate(double s, const NodeTable &nodes, NodeTerms &terms) const {
  if (started_ && s < lastClock_) restart();
  started_ = true;
  lastClock_ = s;

  while (nextToStart_ < sources_.size() && sources_[nextToStart_].source.start <= s) {
    applying_.push_back(nextToStart_);
    ++nextToStart_;
  }

  if (sourceNodes_.size() == 1) {  // the usual case: one painted zone
    double rate = 0.0;
    collectRates(s, [&rate](int, double r) { rate += r; });
    terms[sourceNodes_[0]] = rate * nodes.invVolume[sourceNodes_[0]];
    return;
  }
  std::array<double, kMaxNodes> rate{};  // mg/day per node
  collectRates(s, [&rate](int node, double r) { rate[node] += r; });
  for (int node : sourceNodes_) terms[node] = rate[node] * nodes.invVolume[node];
}

}  // namespace lumo
