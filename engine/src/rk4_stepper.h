// The classical fourth-order Runge-Kutta step on a state vector of fixed
// size. The stepper knows nothing of the model: any System with
//   void derivative(double s, const double *x, double *dx) const
// can be stepped. Stage vectors are allocated once, by the constructor, so a
// step allocates nothing.
#pragma once

#include <cstddef>
#include <vector>

namespace lumo {

class Rk4Stepper {
 public:
  explicit Rk4Stepper(std::size_t size)
      : k1_(size), k2_(size), k3_(size), k4_(size), stage_(size) {}

  // Advances x (size values) from clock t to t + h.
  template <class System>
  void step(const System &system, double t, double h, double *x) {
    step(system, t, h, t + h, x);
  }

  // The same with the clock of the last stage given: `end`, which is t + h
  // up to rounding, lets consecutive steps share their clocks exactly.
  template <class System>
  void step(const System &system, double t, double h, double end, double *x) {
    const std::size_t n = stage_.size();
    const double half = h / 2.0;

    system.derivative(t, x, k1_.data());
    for (std::size_t i = 0; i < n; ++i) stage_[i] = x[i] + half * k1_[i];
    system.derivative(t + half, stage_.data(), k2_.data());
    for (std::size_t i = 0; i < n; ++i) stage_[i] = x[i] + half * k2_[i];
    system.derivative(t + half, stage_.data(), k3_.data());
    for (std::size_t i = 0; i < n; ++i) stage_[i] = x[i] + h * k3_[i];
    system.derivative(end, stage_.data(), k4_.data());

    const double sixth = h / 6.0;
    for (std::size_t i = 0; i < n; ++i) {
      x[i] = x[i] + sixth * (k1_[i] + 2.0 * k2_[i] + 2.0 * k3_[i] + k4_[i]);
    }
  }

 private:
  std::vector<double> k1_, k2_, k3_, k4_, stage_;
};

}  // namespace lumo
