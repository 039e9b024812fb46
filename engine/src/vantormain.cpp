#include "vantormain.h"

#include <array>
#include <cmath>

namespace lumo {

vantormain::vantormain(NodeTable nodes, const std::vector<double> &initialConcentrations,
                       std::vector<SinkNode> sinks, std::unique_ptr<EmissionModel> emissions,
                       double saturationConcentration, double startTime, int substeps)
    : nodes_(std::move(nodes)),
      sinks_(std::move(sinks)),
      emissions_(std::move(emissions)),
      balance_(nodes_, *emissions_, sinks_),
      stepper_(balance_.stateSize()),
      saturation_(saturationConcentration),
      state_(balance_.stateSize()),
      clock_(startTime),
      substeps_(substeps < 1 ? 1 : substeps) {
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

bool vantormain::stateFinite() const {
  for (double v : state_) {
    if (!std::isfinite(v)) return false;
  }
  for (int i = 0; i < nodes_.count; ++i) {
    if (!std::isfinite(saturation_.reserve(i))) return false;
  }
  return true;
}

void vantormain::advanceTo(double target) {
  if (substeps_ == 1) {
    advanceLayout<false>(target);
  } else {
    advanceLayout<true>(target);
  }
}

template <bool kInParts>
void vantormain::advanceLayout(double target) {
  // The program's records carry no sinks or one set of six (first-order or
  // Langmuir); those layouts get a time loop of their own.
  constexpr int kSinkSet = 6;
  if (balance_.hasLayout<3, kSinkSet>()) {
    kInParts ? advanceFixedInParts<3, kSinkSet>(target) : advanceFixed<3, kSinkSet>(target);
  } else if (balance_.hasLayout<2, kSinkSet>()) {
    kInParts ? advanceFixedInParts<2, kSinkSet>(target) : advanceFixed<2, kSinkSet>(target);
  } else if (balance_.hasLayout<3, 0>()) {
    kInParts ? advanceFixedInParts<3, 0>(target) : advanceFixed<3, 0>(target);
  } else if (balance_.hasLayout<2, 0>()) {
    kInParts ? advanceFixedInParts<2, 0>(target) : advanceFixed<2, 0>(target);
  } else {
    advanceAnyLayout(target);
  }
}

template <class Step>
void vantormain::stepUntil(double target, Step &&step) {
  double h = kMaxStep;
  double t = clock_;
  while (t < target) {
    if (t + h > target) h = target - t;
    const double s = t + h;
    if (!(s > t)) {  // a remainder too small to move the clock: the target is reached
      t = target;
      break;
    }
    step(t, h);
    afterStep(s, h);
    t = s;
  }
  clock_ = t;
}

template <class Part>
void vantormain::inParts(double t, double h, Part &&part) const {
  const double hp = h / substeps_;
  double a = t;
  for (int j = 1; j < substeps_; ++j) {
    const double b = t + j * hp;
    part(a, hp, b);
    a = b;
  }
  part(a, hp, t + h);
}

void vantormain::advanceAnyLayout(double target) {
  const auto part = [this](double a, double hp, double b) {
    stepper_.step(balance_, a, hp, b, state_.data());
    saturation_.apply(state_.data(), nodes_);
  };
  if (substeps_ == 1) {
    stepUntil(target, [&](double t, double h) { part(t, h, t + h); });
  } else {
    stepUntil(target, [&](double t, double h) { inParts(t, h, part); });
  }
}

namespace {

// x + f k, value by value.
template <std::size_t M>
[[gnu::always_inline]] inline std::array<double, M> combine(const std::array<double, M> &x,
                                                            double f,
                                                            const std::array<double, M> &k) {
  std::array<double, M> y;
#pragma GCC unroll 16
  for (std::size_t i = 0; i < M; ++i) y[i] = x[i] + f * k[i];
  return y;
}

}  // namespace

// The Runge-Kutta step of Rk4Stepper, operation for operation, from clock t
// over h to clock end (t + h up to rounding). The loops are unrolled so that
// every index is a constant and the stage vectors can live in registers
// rather than in memory.
template <int N, int S>
[[gnu::always_inline]] inline void vantormain::fixedStep(std::array<double, N + S> &x, double t,
                                                         double h, double end) {
  constexpr int M = N + S;
  using State = std::array<double, M>;
  const double half = h / 2.0;
  const State k1 = balance_.fixedDerivative<N, S>(t, x);
  const State k2 = balance_.fixedDerivative<N, S>(t + half, combine(x, half, k1));
  const State k3 = balance_.fixedDerivative<N, S>(t + half, combine(x, half, k2));
  const State k4 = balance_.fixedDerivative<N, S>(end, combine(x, h, k3));
  const double sixth = h / 6.0;
#pragma GCC unroll 16
  for (int i = 0; i < M; ++i) x[i] = x[i] + sixth * (k1[i] + 2.0 * k2[i] + 2.0 * k3[i] + k4[i]);
  saturation_.applyTo<N>(x.data(), nodes_);
}

// One step per 30 seconds: the time loop of every ordinary run.
template <int N, int S>
void vantormain::advanceFixed(double target) {
  constexpr int M = N + S;
  double *state = state_.data();
  std::array<double, M> x;
#pragma GCC unroll 16
  for (int i = 0; i < M; ++i) x[i] = state[i];
  stepUntil(target, [&](double t, double h) {
    fixedStep<N, S>(x, t, h, t + h);
#pragma GCC unroll 16
    for (int i = 0; i < M; ++i) state[i] = x[i];
  });
}

// Each step in substeps_ parts, in a loop of its own so that the loop above
// stays as it is.
template <int N, int S>
[[gnu::noinline]] void vantormain::advanceFixedInParts(double target) {
  constexpr int M = N + S;
  double *state = state_.data();
  std::array<double, M> x;
#pragma GCC unroll 16
  for (int i = 0; i < M; ++i) x[i] = state[i];
  stepUntil(target, [&](double t, double h) {
    inParts(t, h, [&](double a, double hp, double b) { fixedStep<N, S>(x, a, hp, b); });
#pragma GCC unroll 16
    for (int i = 0; i < M; ++i) state[i] = x[i];
  });
}

}  // namespace lumo
