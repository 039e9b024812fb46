#include "vantormain.h"

namespace lumo {

vantormain::vantormain(NodeTable nodes, const std::vector<double> &initialConcentrations,
                       std::vector<SinkNode> sinks, std::unique_ptr<EmissionModel> emissions,
                       double saturationConcentration, double startTime)
    : nodes_(std::move(nodes)),
      sinks_(std::move(sinks)),
      emissions_(std::move(emissions)),
      balance_(nodes_, *emissions_, sinks_),
      stepper_(balance_.stateSize()),
      saturation_(saturationConcentration),
      state_(balance_.stateSize()),
      clock_(startTime) {
  for (int i = 0; i < nodes_.count; ++i) state_[i] = initialConcentrations[i];
  for (std::size_t i = 0; i < sinks_.size(); ++i)
    state_[nodes_.count + i] = sinks_[i].initialLoading;
}

std::span<const double> vantormain::concentrations() const {
  return {state_.data(), static_cast<std::size_t>(nodes_.count)};
}

std::span<const double> vantormain::loadings() const {
  return {state_.data() + nodes_.count, sinks_.size()};
}

void vantormain::advanceTo(double target) {
  double h = kMaxStep;
  double t = clock_;
  while (t < target) {
    if (t + h > target) h = target - t;
    const double s = t + h;
    if (!(s > t)) {  // a remainder too small to move the clock: the target is reached
      t = target;
      break;
    }
    stepper_.step(balance_, t, h, state_.data());
    saturation_.apply(state_.data(), nodes_);
    afterStep(s, h);
    t = s;
  }
  clock_ = t;
}

}  // namespace lumo
