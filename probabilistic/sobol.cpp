#include "sobol.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "random_streams.h"
#include "statistics.h"

namespace lumo::prob {
namespace {

// The results of the rows used, row by row: f_A, f_B, f_AB1 .. f_ABp.
struct Runs {
  std::size_t width;
  std::vector<double> values;
  std::size_t Rows() const { return values.size() / width; }
  const double *Row(std::size_t r) const { return values.data() + r * width; }
};

// Both indices of every input over the rows `pick(m)`, m = 0 .. count-1.
template <class Pick>
void Estimate(const Runs &runs, std::size_t count, Pick pick, double &variance,
              std::vector<double> &first, std::vector<double> &total) {
  const std::size_t p = runs.width - 2;
  double sum = 0;
  for (std::size_t m = 0; m < count; ++m) {
    const double *r = runs.Row(pick(m));
    sum += r[0] + r[1];
  }
  const double mean = sum / static_cast<double>(2 * count);
  double squares = 0;
  first.assign(p, 0.0);
  total.assign(p, 0.0);
  for (std::size_t m = 0; m < count; ++m) {
    const double *r = runs.Row(pick(m));
    squares += (r[0] - mean) * (r[0] - mean) + (r[1] - mean) * (r[1] - mean);
    for (std::size_t k = 0; k < p; ++k) {
      first[k] += r[1] * (r[2 + k] - r[0]);
      total[k] += (r[0] - r[2 + k]) * (r[0] - r[2 + k]);
    }
  }
  const double n = static_cast<double>(count);
  variance = squares / (2 * n);
  for (std::size_t k = 0; k < p; ++k) {
    first[k] = variance > 0 ? first[k] / n / variance : std::nan("");
    total[k] = variance > 0 ? total[k] / (2 * n) / variance : std::nan("");
  }
}

}  // namespace

SobolIndices EstimateSobolIndices(std::span<const double> results, std::size_t baseSamples,
                                  std::size_t variedInputs, std::size_t bootstrap,
                                  std::uint64_t seed) {
  const std::size_t width = variedInputs + 2;
  if (baseSamples == 0 || results.size() != baseSamples * width)
    throw std::invalid_argument("Sobol indices: one result per run of the design is needed");
  Runs runs{width, {}};
  for (std::size_t i = 0; i < baseSamples; ++i) {
    bool finite = true;
    for (std::size_t b = 0; b < width; ++b)
      finite = finite && std::isfinite(results[b * baseSamples + i]);
    if (!finite) continue;
    for (std::size_t b = 0; b < width; ++b) runs.values.push_back(results[b * baseSamples + i]);
  }
  SobolIndices indices;
  indices.rowsUsed = runs.Rows();
  const std::size_t n = runs.Rows();
  const double nan = std::nan("");
  if (n == 0) {
    indices.variance = nan;
    indices.firstOrder.assign(variedInputs, {nan, {}, {}});
    indices.total.assign(variedInputs, {nan, {}, {}});
    return indices;
  }
  std::vector<double> first, total;
  Estimate(
      runs, n, [](std::size_t m) { return m; }, indices.variance, first, total);
  for (std::size_t k = 0; k < variedInputs; ++k) {
    indices.firstOrder.push_back({first[k], {}, {}});
    indices.total.push_back({total[k], {}, {}});
  }
  if (bootstrap == 0) return indices;

  std::vector<std::vector<double>> firstReplicates(variedInputs), totalReplicates(variedInputs);
  for (std::size_t b = 0; b < bootstrap; ++b) {
    double variance;
    const auto replicate = static_cast<std::uint32_t>(b);
    Estimate(
        runs, n,
        [&](std::size_t m) {
          const double u = Uniform01(seed, kStreamSobolBootstrap, m, replicate);
          return std::min(n - 1, static_cast<std::size_t>(u * static_cast<double>(n)));
        },
        variance, first, total);
    for (std::size_t k = 0; k < variedInputs; ++k) {
      if (!std::isnan(first[k])) firstReplicates[k].push_back(first[k]);
      if (!std::isnan(total[k])) totalReplicates[k].push_back(total[k]);
    }
  }
  auto interval = [](std::vector<double> &replicates, SobolIndex &index) {
    if (replicates.empty()) return;
    std::sort(replicates.begin(), replicates.end());
    index.low = PercentileOfSorted(replicates, 2.5);
    index.high = PercentileOfSorted(replicates, 97.5);
  };
  for (std::size_t k = 0; k < variedInputs; ++k) {
    interval(firstReplicates[k], indices.firstOrder[k]);
    interval(totalReplicates[k], indices.total[k]);
  }
  return indices;
}

}  // namespace lumo::prob
