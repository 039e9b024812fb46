#include "semi_empirical_rate.h"

#include <cmath>

#include "lumoutil.h"

namespace lumo {

namespace {

constexpr double kOneOverAir = 0.034482758620689655;  // 1 ÷ 29 g/mole

}  // namespace

double MassTransferFactor(double mw) {
  return Power(1.0 / mw + kOneOverAir, 0.5) * Power(mw, -0.33);
}

std::optional<double> SemiEmpiricalRateConstant(double mw, double vp, double wetFilm,
                                                double vocFraction, double density) {
  if (!(mw > 0 && wetFilm > 0 && vocFraction > 0 && density > 0)) return std::nullopt;
  const double k =
      240.0 * MassTransferFactor(mw) * vp / (0.000623 * wetFilm * vocFraction * density);
  if (!std::isfinite(k) || k < 0) return std::nullopt;
  return k;
}

}  // namespace lumo
