// What the assessment window draws, worked out from the core's results: a
// result's values over the main sample, their histogram, empirical CDF and
// running mean and 95th percentile, where the scenario's own value falls
// among them, and the density of an input's distribution for its preview.
// Values that are not finite (iterations without results) are left out.
#pragma once

#include <cstddef>
#include <span>
#include <vector>

#include "assessment_run.h"
#include "distributions.h"

namespace lumo::prob {

// The main sample's values of result r (0..9, the engine's order), one per
// iteration that ran with results.
std::vector<double> ResultValues(const AssessmentRun &run, std::size_t result);

struct Histogram {
  std::vector<double> edges;        // bins + 1 ascending edges
  std::vector<std::size_t> counts;  // one per bin
  bool logarithmic = false;         // bins of equal width in log10
  std::size_t leftOut = 0;          // values not drawn (≤ 0 on a log axis)
};
// `bins` bins over [min, max] of the values (on a log axis of the positive
// values only); one bin around a single value.
Histogram MakeHistogram(std::span<const double> values, std::size_t bins, bool logarithmic);

struct CurvePoint {
  double x, y;
};
// The empirical CDF (x sorted, y = i / n for the i-th smallest), at most
// about `maxPoints` points, its ends always included.
std::vector<CurvePoint> EmpiricalCdf(std::span<const double> values, std::size_t maxPoints);

// Where x falls among the values, as a percentile 0..100: the share below
// it, with values equal to it counted half (the mid-rank). Not a number
// without values.
double PercentileRankOf(std::span<const double> values, double x);

struct ConvergenceCurve {
  std::vector<std::size_t> iterations;  // values used so far
  std::vector<double> mean, p95;
};
// The running mean and 95th percentile (type 7) after about `points`
// evenly spaced numbers of values, the last being all of them.
ConvergenceCurve RunningConvergence(std::span<const double> values, std::size_t points);

// The density of the distribution on `points` evenly spaced x from its
// 0.5th to its 99.5th percentile (its bounds where they cut in), from its
// CDF over neighbouring points; a single value gives one spike.
std::vector<CurvePoint> DensityCurve(const Distribution &distribution, std::size_t points);

}  // namespace lumo::prob
