// vantormain: a well-mixed multi-node model integrated on a fixed maximum
// step, each step in a fixed number of equal sub-steps (substep_count.h; one
// for every ordinary run). It owns the joint state (node concentrations, then
// sink loadings), the mass balance, the Runge-Kutta stepper, the saturation
// limit and the clock. After every step it hands the new state to
// afterStep(), where a derived run keeps its own books. Everything is
// allocated on construction; stepping allocates nothing.
#pragma once

#include <array>
#include <memory>
#include <span>
#include <vector>

#include "emission_model.h"
#include "mass_balance.h"
#include "node_table.h"
#include "rk4_stepper.h"
#include "saturation_limit.h"
#include "sink_node.h"

namespace lumo {

class vantormain {
 public:
  static constexpr double kMaxStep = 1.0 / 2880.0;  // days (30 seconds)

  virtual ~vantormain() = default;
  vantormain(const vantormain &) = delete;
  vantormain &operator=(const vantormain &) = delete;

  double clock() const { return clock_; }
  int nodeCount() const { return nodes_.count; }
  std::span<const double> concentrations() const;  // mg/m³, one per node
  std::span<const double> loadings() const;        // mg, one per sink
  double reserve(int node) const { return saturation_.reserve(node); }
  // True while every concentration, loading and saturation reserve is a
  // finite number. The limit can hold an infinite amount in a node's reserve
  // while the node shows the saturation concentration, so the reserves count.
  bool stateFinite() const;

 protected:
  // substeps >= 1: the equal parts each step is integrated in.
  vantormain(NodeTable nodes, const std::vector<double> &initialConcentrations,
             std::vector<SinkNode> sinks, std::unique_ptr<EmissionModel> emissions,
             double saturationConcentration, double startTime, int substeps);

  // Steps until the clock reaches target: 30-second steps, the last one
  // shortened so that the clock lands on target.
  void advanceTo(double target);

  // Called after each step (never after a sub-step) with the new clock s and
  // the step length h; the state is already the new one, after the
  // saturation limit.
  virtual void afterStep(double s, double h) = 0;

 private:
  // The time loop of advanceTo; step(t, h) advances the state over one step
  // and applies the saturation limit.
  template <class Step>
  void stepUntil(double target, Step &&step);
  // The step from t to t + h as substeps_ calls part(a, hp, b) in order, one
  // per sub-step of length hp from clock a to clock b; the last ends at
  // exactly t + h, and each starts at exactly the clock where the last ended.
  template <class Part>
  void inParts(double t, double h, Part &&part) const;
  // advanceTo by the time loop for the run's layout, with sub-steps or not.
  template <bool kInParts>
  void advanceLayout(double target);
  // advanceTo for any run, through Rk4Stepper and MassBalance::derivative.
  void advanceAnyLayout(double target);
  // The same for a run of N nodes and S sinks in the usual pair order, the
  // state held in local storage the compiler can keep in registers: one step
  // per 30 seconds, or each step in substeps_ parts.
  template <int N, int S>
  void advanceFixed(double target);
  template <int N, int S>
  void advanceFixedInParts(double target);
  // One Runge-Kutta step of the fixed layout from t over h, ending at clock
  // end, followed by the saturation limit.
  template <int N, int S>
  void fixedStep(std::array<double, N + S> &x, double t, double h, double end);

  NodeTable nodes_;
  std::vector<SinkNode> sinks_;
  std::unique_ptr<EmissionModel> emissions_;
  MassBalance balance_;
  Rk4Stepper stepper_;
  SaturationLimit saturation_;
  std::vector<double> state_;
  double clock_;
  int substeps_;
};

}  // namespace lumo
