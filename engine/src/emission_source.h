// One emission increment: chemical applied to one node at an even rate over a
// work period, each applied portion then released with first-order decay, so
// that the increment releases its whole mass over unlimited time.
#pragma once

namespace lumo {

struct EmissionSource {
  int node;         // node the chemical is released into
  double start;     // days on the clock
  double mass;      // mg released over unlimited time
  double rate;      // first-order rate constant, 1/day
  double duration;  // application period, days; <= 0 releases the mass at once
};

// Release rate E (mg/day) at clock s, with u = s - start:
//   before the start               0
//   while applying (0 <= u < D)    (M/D)(1 - e^{-ku})
//   after applying (u >= D)        (M/D)(1 - e^{-ku}) - (M/D)(1 - e^{-k(u-D)})
//                                = (M/D) e^{-k(u-D)} (1 - e^{-kD})
//   with D <= 0, for u >= 0        M k e^{-ku}   (the limit as D goes to 0)
// The after-application rate is evaluated in its product form: the difference
// of two terms near M/D keeps only rounding noise once the increment has
// decayed, while the product stays accurate to a few units of rounding for
// every u. Both 1 - e^{-x} are taken with expm1 for the same reason at small x.
double emissionRate(const EmissionSource &source, double s);

// The rate of a source that has finished applying, a e^{-k(s - f)} for s >= f:
// its amplitude a (mg/day) and the clock f at which it holds.
struct DecayTail {
  double amplitude;  // (M/D)(1 - e^{-kD}), or M k for D <= 0
  double from;       // start + D, or start for D <= 0
};
DecayTail decayTail(const EmissionSource &source);

// The share of the applied rate M/D released at u, 1 - e^{-ku}, for 0 <= u < D.
double appliedShare(double rate, double u);

}  // namespace lumo
