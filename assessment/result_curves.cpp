#include "result_curves.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace lumo::prob {

std::vector<double> ResultValues(const AssessmentRun &run, std::size_t result) {
  std::vector<double> values;
  values.reserve(run.results.size());
  for (const CaseResults &r : run.results)
    if (std::isfinite(r[result])) values.push_back(r[result]);
  return values;
}

Histogram MakeHistogram(std::span<const double> values, std::size_t bins, bool logarithmic) {
  Histogram h;
  h.logarithmic = logarithmic;
  std::vector<double> drawn;
  for (double v : values) {
    if (!std::isfinite(v) || (logarithmic && v <= 0)) {
      ++h.leftOut;
      continue;
    }
    drawn.push_back(logarithmic ? std::log10(v) : v);
  }
  if (drawn.empty() || bins == 0) return h;
  auto [lo, hi] = std::minmax_element(drawn.begin(), drawn.end());
  double low = *lo, high = *hi;
  if (!(high > low)) {
    const double half = low == 0 ? 0.5 : std::abs(low) * 1e-3;
    low -= half;
    high += half;
    bins = 1;
  }
  const double width = (high - low) / static_cast<double>(bins);
  for (std::size_t k = 0; k <= bins; ++k) {
    const double e = k == bins ? high : low + width * static_cast<double>(k);
    h.edges.push_back(logarithmic ? std::pow(10.0, e) : e);
  }
  h.counts.assign(bins, 0);
  for (double v : drawn) {
    auto k = static_cast<std::size_t>((v - low) / width);
    ++h.counts[std::min(k, bins - 1)];
  }
  return h;
}

std::vector<CurvePoint> EmpiricalCdf(std::span<const double> values, std::size_t maxPoints) {
  std::vector<double> sorted;
  for (double v : values)
    if (std::isfinite(v)) sorted.push_back(v);
  std::sort(sorted.begin(), sorted.end());
  std::vector<CurvePoint> curve;
  const std::size_t n = sorted.size();
  if (n == 0) return curve;
  const std::size_t step = std::max<std::size_t>(1, n / std::max<std::size_t>(maxPoints, 1));
  for (std::size_t i = 0; i < n; i += step)
    curve.push_back({sorted[i], static_cast<double>(i + 1) / static_cast<double>(n)});
  if (curve.back().y < 1.0) curve.push_back({sorted.back(), 1.0});
  return curve;
}

double PercentileRankOf(std::span<const double> values, double x) {
  std::size_t below = 0, equal = 0, n = 0;
  for (double v : values) {
    if (!std::isfinite(v)) continue;
    ++n;
    below += v < x;
    equal += v == x;
  }
  if (n == 0) return std::nan("");
  return 100.0 * (static_cast<double>(below) + 0.5 * static_cast<double>(equal)) /
         static_cast<double>(n);
}

ConvergenceCurve RunningConvergence(std::span<const double> values, std::size_t points) {
  std::vector<double> finite;
  for (double v : values)
    if (std::isfinite(v)) finite.push_back(v);
  ConvergenceCurve curve;
  const std::size_t n = finite.size();
  if (n == 0 || points == 0) return curve;
  std::vector<double> prefix;
  double sum = 0;
  std::size_t summed = 0;
  std::size_t last = 0;
  for (std::size_t k = 1; k <= points; ++k) {
    const std::size_t m = std::max<std::size_t>(1, n * k / points);
    if (m == last) continue;
    last = m;
    for (; summed < m; ++summed) sum += finite[summed];
    // Type 7 needs two neighbouring order statistics only.
    prefix.assign(finite.begin(), finite.begin() + static_cast<std::ptrdiff_t>(m));
    const double h = static_cast<double>(m - 1) * 0.95;
    const auto j = static_cast<std::size_t>(std::floor(h));
    std::nth_element(prefix.begin(), prefix.begin() + static_cast<std::ptrdiff_t>(j), prefix.end());
    const double below = prefix[j];
    const double above =
        j + 1 < m
            ? *std::min_element(prefix.begin() + static_cast<std::ptrdiff_t>(j) + 1, prefix.end())
            : below;
    curve.iterations.push_back(m);
    curve.mean.push_back(sum / static_cast<double>(m));
    curve.p95.push_back(below + (h - static_cast<double>(j)) * (above - below));
  }
  return curve;
}

std::vector<CurvePoint> DensityCurve(const Distribution &distribution, std::size_t points) {
  std::vector<CurvePoint> curve;
  if (distribution.IsDegenerate()) {
    const double x = Quantile(distribution, 0.5);
    return {{x, 0.0}, {x, 1.0}, {x, 0.0}};
  }
  const double low = Quantile(distribution, 0.005);
  const double high = Quantile(distribution, 0.995);
  if (!(high > low) || points < 2) return curve;
  const double step = (high - low) / static_cast<double>(points - 1);
  for (std::size_t k = 0; k < points; ++k) {
    const double x = low + step * static_cast<double>(k);
    const double a = std::max(x - step / 2, low), b = std::min(x + step / 2, high);
    const double mass = Cdf(distribution, b) - Cdf(distribution, a);
    curve.push_back({x, b > a ? std::max(mass, 0.0) / (b - a) : 0.0});
  }
  return curve;
}

}  // namespace lumo::prob
