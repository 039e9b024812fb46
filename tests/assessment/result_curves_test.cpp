// The curves the window draws agree with the core's statistics.
#include "result_curves.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>

#include "statistics.h"

namespace lumo::prob {
namespace {

TEST(ResultCurves, ConvergenceEndsAtTheSummarysMeanAndP95) {
  std::vector<double> values;
  for (int i = 0; i < 997; ++i)
    values.push_back(std::fmod(i * 7.31, 13.0) + (i % 5 == 0 ? NAN : 0));
  const ConvergenceCurve curve = RunningConvergence(values, 20);
  const double percentile = 95;
  const ResultStatistics s = Summarize(values, std::span<const double>(&percentile, 1));
  ASSERT_FALSE(curve.iterations.empty());
  EXPECT_EQ(curve.iterations.back(), s.count);
  EXPECT_NEAR(curve.mean.back(), s.mean, 1e-12 * s.mean);
  EXPECT_DOUBLE_EQ(curve.p95.back(), s.percentiles[0].value);
}

TEST(ResultCurves, HistogramAndRank) {
  const std::vector<double> values{0, 1, 2, 2, 3, 10, 100};
  const Histogram linear = MakeHistogram(values, 5, false);
  EXPECT_EQ(std::accumulate(linear.counts.begin(), linear.counts.end(), std::size_t{0}), 7u);
  EXPECT_EQ(linear.edges.front(), 0);
  EXPECT_EQ(linear.edges.back(), 100);
  const Histogram log = MakeHistogram(values, 3, true);
  EXPECT_EQ(log.leftOut, 1u);  // 0 has no place on a log axis
  EXPECT_EQ(std::accumulate(log.counts.begin(), log.counts.end(), std::size_t{0}), 6u);
  EXPECT_NEAR(log.edges.back(), 100, 1e-9);
  EXPECT_DOUBLE_EQ(PercentileRankOf(values, 2), 100.0 * 3 / 7);  // 2 below, 2 equal
  EXPECT_TRUE(std::isnan(PercentileRankOf({}, 1)));
  const auto cdf = EmpiricalCdf(values, 100);
  EXPECT_EQ(cdf.back().x, 100);
  EXPECT_EQ(cdf.back().y, 1.0);
}

TEST(ResultCurves, DensityHoldsTheDistributionsProbability) {
  const Distribution normal(Normal{10, 2});
  const auto curve = DensityCurve(normal, 201);
  double mass = 0;
  for (std::size_t k = 1; k < curve.size(); ++k)
    mass += (curve[k].x - curve[k - 1].x) * (curve[k].y + curve[k - 1].y) / 2;
  EXPECT_NEAR(mass, 0.99, 0.005);
  EXPECT_NEAR(curve[100].x, 10, 1e-9);
  EXPECT_NEAR(curve[100].y, 1 / (2 * std::sqrt(2 * M_PI)), 1e-3);
}

}  // namespace
}  // namespace lumo::prob
