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

// Release rate E (mg/day) at clock s, evaluated straight from its definition:
//   before the start               0
//   while applying (0 <= u < D)    (M/D)(1 - e^{-ku})
//   after applying (u >= D)        (M/D)(1 - e^{-ku}) - (M/D)(1 - e^{-k(u-D)})
//   with D <= 0, for u >= 0        M k e^{-ku}   (the limit as D goes to 0)
// where u = s - start.
double emissionRate(const EmissionSource &source, double s);

}  // namespace lumo
