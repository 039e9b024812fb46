#include "emission_source.h"

#include <cmath>

namespace lumo {

double emissionRate(const EmissionSource &source, double s) {
  const double u = s - source.start;
  if (u < 0.0) return 0.0;
  const double k = source.rate;
  if (source.duration <= 0.0) return source.mass * k * std::exp(-k * u);

  const double perDay = source.mass / source.duration;
  const double applied = perDay * (1.0 - std::exp(-k * u));
  if (u < source.duration) return applied;
  return applied - perDay * (1.0 - std::exp(-k * (u - source.duration)));
}

}  // namespace lumo
