#include "statistics.h"

#include <algorithm>
#include <boost/math/distributions/binomial.hpp>
#include <cmath>
#include <stdexcept>

namespace lumo::prob {
namespace {

constexpr double kTail = 0.025;  // each side of a 95 % interval

std::vector<double> SortedFinite(std::span<const double> values) {
  std::vector<double> sorted;
  sorted.reserve(values.size());
  for (double v : values)
    if (std::isfinite(v)) sorted.push_back(v);
  std::sort(sorted.begin(), sorted.end());
  return sorted;
}

}  // namespace

double PercentileOfSorted(std::span<const double> sorted, double percentile) {
  if (sorted.empty()) throw std::invalid_argument("percentile of no values");
  const double h = static_cast<double>(sorted.size() - 1) * percentile / 100;
  const auto below = static_cast<std::size_t>(std::floor(h));
  if (below + 1 >= sorted.size()) return sorted.back();
  return sorted[below] + (h - static_cast<double>(below)) * (sorted[below + 1] - sorted[below]);
}

PercentileEstimate EstimatePercentile(std::span<const double> sorted, double percentile) {
  PercentileEstimate estimate{percentile, PercentileOfSorted(sorted, percentile), {}, {}};
  const std::size_t n = sorted.size();
  const boost::math::binomial_distribution<double> count(static_cast<double>(n), percentile / 100);
  auto cdf = [&](std::size_t k) { return boost::math::cdf(count, static_cast<double>(k)); };
  // l − 1 = the largest k in 0 .. n−1 with F(k) <= 2.5 %.
  if (cdf(0) <= kTail) {
    std::size_t lo = 0, hi = n - 1;  // F(lo) <= tail
    while (lo < hi) {
      const std::size_t mid = lo + (hi - lo + 1) / 2;
      if (cdf(mid) <= kTail)
        lo = mid;
      else
        hi = mid - 1;
    }
    estimate.low = sorted[lo];  // x(l) with l = lo + 1, 0-based lo
  }
  // u − 1 = the smallest k in 0 .. n−1 with F(k) >= 97.5 %.
  if (cdf(n - 1) >= 1 - kTail) {
    std::size_t lo = 0, hi = n - 1;  // F(hi) >= 1 − tail
    while (lo < hi) {
      const std::size_t mid = lo + (hi - lo) / 2;
      if (cdf(mid) >= 1 - kTail)
        hi = mid;
      else
        lo = mid + 1;
    }
    estimate.high = sorted[hi];  // x(u) with u = hi + 1
  }
  return estimate;
}

Exceedance EstimateExceedance(std::span<const double> values, double reference) {
  std::size_t n = 0, above = 0;
  for (double v : values) {
    if (!std::isfinite(v)) continue;
    ++n;
    if (v > reference) ++above;
  }
  const double nan = std::nan("");
  if (n == 0) return {reference, nan, nan, nan};
  using Binomial = boost::math::binomial_distribution<double>;
  const double trials = static_cast<double>(n), successes = static_cast<double>(above);
  return {reference, successes / trials, Binomial::find_lower_bound_on_p(trials, successes, kTail),
          Binomial::find_upper_bound_on_p(trials, successes, kTail)};
}

ResultStatistics Summarize(std::span<const double> values, std::span<const double> percentiles,
                           std::optional<double> reference) {
  ResultStatistics s;
  const std::vector<double> sorted = SortedFinite(values);
  s.count = sorted.size();
  s.excluded = values.size() - sorted.size();
  const double nan = std::nan("");
  s.mean = s.sd = s.min = s.max = nan;
  if (reference) s.exceedance = EstimateExceedance(values, *reference);
  if (sorted.empty()) return s;
  double sum = 0;
  for (double v : sorted) sum += v;
  s.mean = sum / static_cast<double>(s.count);
  double squares = 0;
  for (double v : sorted) squares += (v - s.mean) * (v - s.mean);
  s.sd = s.count > 1 ? std::sqrt(squares / static_cast<double>(s.count - 1)) : 0.0;
  s.min = sorted.front();
  s.max = sorted.back();
  for (double p : percentiles) s.percentiles.push_back(EstimatePercentile(sorted, p));
  for (std::size_t m : {values.size() / 4, values.size() / 2, values.size()}) {
    if (m == 0 || (!s.convergence.empty() && s.convergence.back().iterations == m)) continue;
    const std::vector<double> first = SortedFinite(values.first(m));
    if (first.empty()) {
      s.convergence.push_back({m, nan, nan});
      continue;
    }
    double firstSum = 0;
    for (double v : first) firstSum += v;
    s.convergence.push_back(
        {m, firstSum / static_cast<double>(first.size()), PercentileOfSorted(first, 95)});
  }
  return s;
}

}  // namespace lumo::prob
