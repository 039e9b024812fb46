// The statistics of one result over the iterations of an assessment.
//
// Values that are not finite (a failed run's missing result given as not a
// number, an infinite value) are left out of every statistic and counted
// in `excluded`; the caller must show that count beside the statistics.
//
// Percentiles: linear interpolation between order statistics (Hyndman and
// Fan's type 7, the default of R and NumPy): for n sorted values x[0 ..
// n-1] and percentile P, h = (n − 1) P / 100, and the value is x[⌊h⌋] +
// (h − ⌊h⌋)(x[⌊h⌋ + 1] − x[⌊h⌋]).
//
// Percentile confidence interval (95 %, distribution-free): the number B of
// values at or below the true P-th percentile is binomial(n, P/100), so the
// order statistics x(l) ≤ x(u) (1-based) cover it with probability
// P(l ≤ B ≤ u − 1) = F(u − 1) − F(l − 1). l is the largest with F(l − 1) ≤
// 2.5 % and u the smallest with F(u − 1) ≥ 97.5 %: a coverage of at least
// 95 %. Too few values for such an l (or u) leave that end open (none).
//
// Exceedance: the share of values strictly above the reference value, with
// its exact (Clopper–Pearson) 95 % interval.
//
// Convergence: the mean and the 95th percentile of the first N/4, N/2 and
// N iterations (N the number of values given, excluded ones included in
// the count of iterations; points of 0 iterations left out).
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

namespace lumo::prob {

// The type 7 percentile of sorted finite values (not empty), 0 <= P <= 100.
double PercentileOfSorted(std::span<const double> sorted, double percentile);

struct PercentileEstimate {
  double percentile;
  double value;
  std::optional<double> low, high;  // the 95 % confidence interval's ends
};
PercentileEstimate EstimatePercentile(std::span<const double> sorted, double percentile);

struct Exceedance {
  double reference;
  double probability;  // share of values > reference
  double low, high;    // 95 % Clopper–Pearson interval
};
Exceedance EstimateExceedance(std::span<const double> values, double reference);

struct ConvergencePoint {
  std::size_t iterations;
  double mean;
  double p95;
};

struct ResultStatistics {
  std::size_t count = 0;      // finite values used
  std::size_t excluded = 0;   // values left out (not finite)
  double mean, sd, min, max;  // sd with n − 1 (0 for one value); not a number without values
  std::vector<PercentileEstimate> percentiles;
  std::optional<Exceedance> exceedance;
  std::vector<ConvergencePoint> convergence;
};

// values: the result of each iteration, in iteration order.
ResultStatistics Summarize(std::span<const double> values, std::span<const double> percentiles,
                           std::optional<double> reference = std::nullopt);

}  // namespace lumo::prob
