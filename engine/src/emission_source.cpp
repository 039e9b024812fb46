#include "emission_source.h"

#include <cmath>

namespace lumo {

double appliedShare(double rate, double u) {
  return -std::expm1(-rate * u);
}

DecayTail decayTail(const EmissionSource &source) {
  if (source.duration <= 0.0) return {source.mass * source.rate, source.start};
  const double perDay = source.mass / source.duration;
  return {perDay * appliedShare(source.rate, source.duration), source.start + source.duration};
}

double emissionRate(const EmissionSource &source, double s) {
  const double u = s - source.start;
  if (u < 0.0) return 0.0;
  const double k = source.rate;
  if (source.duration <= 0.0) return source.mass * k * std::exp(-k * u);

  const double perDay = source.mass / source.duration;
  if (u < source.duration) return perDay * appliedShare(k, u);
  return perDay * std::exp(-k * (u - source.duration)) * appliedShare(k, source.duration);
}

}  // namespace lumo
