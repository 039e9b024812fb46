// How many equal sub-steps each 30-second step of a run is integrated in.
//
// The classical Runge-Kutta step is stable for a decay e^{-λt} only while
// hλ ≤ 2.785, and accurate only well below that: a room flushed hundreds of
// times an hour, a tiny zone or a huge interzonal airflow turns a 30-second
// step into growing oscillations. Each step is therefore split so that every
// rate of exchange λ of the run satisfies h_sub λ ≤ kSubstepReach (0.5):
//
//   λ_node = (Σ|Q out of the node| + Σ|kf| + Σ|ka A|) / V, for each indoor
//            node of the run, over its airflows out and its sinks;
//   λ_sink = |kd A|, for each Langmuir sink of a node of the run;
//   λ      = the largest of them, per day;
//   n      = max(1, ceil(h λ / 0.5)) = max(1, ceil(λ / 1440)), h = 1/2880 day.
//
// Why 0.5 suffices for every eigenvalue, not only for the rates themselves:
// in mass units (V C for a node, L for a sink) the balance is a matrix whose
// column for a compartment holds minus its total rate of loss on the diagonal
// and the shares of that loss gained by other compartments off it; by
// Gershgorin's theorem, taken by columns, every eigenvalue lies in a disc
// centred at -λ_c with radius at most λ_c, so |h_sub μ| ≤ 2 × 0.5 = 1, well
// inside the region where the step is stable and damps. Runs with λ ≤ 1440
// per day (60 per hour), which is every ordinary building, keep n = 1 and
// the arithmetic they always had. A record whose λ exceeds
// kMaxExchangeRate (1000 sub-steps) is refused.
//
// The emission term is a closed form of the clock and adds no eigenvalue, so
// a fast emission rate constant k cannot make the scheme unstable. What it
// does is turn the start of each work period into a near jump of the release
// rate, which the step's quadrature places up to a step early or late; the
// mass released stays exact. Measured with bench/emission_substeps on five
// days of the factory-default scenario with the first rate constant that a
// vapour pressure of 28 torr gives (233.25 × 28 per hour, h k = 54): the ten
// results at n = 1 differ from those at n = 1000 by at most 1.7e-4 relative
// (the dose and average concentrations; Cpeak and C15min 4e-6, APDRtime 0),
// and by 2.7e-4 with all of the mass in fast exponentials; the high-rise
// floor moves by 6.4e-5. That is well below the three significant digits the
// results are reported to, so emission rate constants add no sub-steps and
// never refuse a record.
#pragma once

#include <vector>

#include "lumo32.h"
#include "node_table.h"
#include "sink_node.h"

namespace lumo {

inline constexpr double kStepsPerDay = 2880.0;                        // 30-second steps
inline constexpr double kSubstepReach = 0.5;                          // h_sub λ at most
inline constexpr double kMaxExchangeRate = LUMO32_MAX_EXCHANGE_RATE;  // per day
inline constexpr int kMaxSubsteps = 1000;                             // n at kMaxExchangeRate

// λ of the run, per day (0 for a run without exchange).
double fastestExchangeRate(const NodeTable &nodes, const std::vector<SinkNode> &sinks);

// n for a run whose fastest rate is `rate` (at most kMaxExchangeRate).
int substepCount(double rate);

}  // namespace lumo
