#include "rank_correlation.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <stdexcept>

namespace lumo::prob {

std::vector<double> AverageRanks(std::span<const double> values) {
  std::vector<std::size_t> order(values.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::sort(order.begin(), order.end(),
            [&](std::size_t a, std::size_t b) { return values[a] < values[b]; });
  std::vector<double> ranks(values.size());
  for (std::size_t first = 0; first < order.size();) {
    std::size_t last = first;
    while (last + 1 < order.size() && values[order[last + 1]] == values[order[first]]) ++last;
    // Ranks first+1 .. last+1 share their average.
    const double rank = (static_cast<double>(first + last) + 2) / 2;
    for (std::size_t k = first; k <= last; ++k) ranks[order[k]] = rank;
    first = last + 1;
  }
  return ranks;
}

double SpearmanCorrelation(std::span<const double> x, std::span<const double> y) {
  if (x.size() != y.size()) throw std::invalid_argument("Spearman: samples of unequal size");
  std::vector<double> xs, ys;
  for (std::size_t i = 0; i < x.size(); ++i) {
    if (!std::isfinite(x[i]) || !std::isfinite(y[i])) continue;
    xs.push_back(x[i]);
    ys.push_back(y[i]);
  }
  if (xs.size() < 2) return std::nan("");
  const std::vector<double> rx = AverageRanks(xs), ry = AverageRanks(ys);
  const double mean = (static_cast<double>(xs.size()) + 1) / 2;
  double sxy = 0, sxx = 0, syy = 0;
  for (std::size_t i = 0; i < rx.size(); ++i) {
    sxy += (rx[i] - mean) * (ry[i] - mean);
    sxx += (rx[i] - mean) * (rx[i] - mean);
    syy += (ry[i] - mean) * (ry[i] - mean);
  }
  if (sxx == 0 || syy == 0) return std::nan("");
  return sxy / std::sqrt(sxx * syy);
}

}  // namespace lumo::prob
