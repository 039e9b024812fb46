// Statistics of a result: percentiles of known samples, the coverage of the
// distribution-free percentile intervals, exceedance with its exact
// interval, convergence, values left out, and Spearman's correlation
// against cases worked by hand.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "random_streams.h"
#include "rank_correlation.h"
#include "statistics.h"

namespace lumo::prob {
namespace {

const double kNan = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

TEST(Statistics, PercentilesInterpolateBetweenOrderStatistics) {
  // As R's quantile(type = 7) and NumPy's percentile give for 1 .. 10.
  const std::vector<double> values{7, 3, 10, 1, 5, 2, 9, 4, 8, 6};
  const ResultStatistics s = Summarize(values, std::vector<double>{25, 50, 90});
  ASSERT_EQ(s.percentiles.size(), 3u);
  EXPECT_DOUBLE_EQ(s.percentiles[0].value, 3.25);
  EXPECT_DOUBLE_EQ(s.percentiles[1].value, 5.5);
  EXPECT_DOUBLE_EQ(s.percentiles[2].value, 9.1);
  EXPECT_EQ(s.min, 1);
  EXPECT_EQ(s.max, 10);
  const std::vector<double> one{4.2};
  EXPECT_EQ(PercentileOfSorted(one, 95), 4.2);
}

TEST(Statistics, MeanAndSampleStandardDeviation) {
  const std::vector<double> values{2, 4, 4, 4, 5, 5, 7, 9};
  const ResultStatistics s = Summarize(values, {});
  EXPECT_DOUBLE_EQ(s.mean, 5);
  EXPECT_DOUBLE_EQ(s.sd, std::sqrt(32.0 / 7));
  EXPECT_EQ(Summarize(std::vector<double>{3}, {}).sd, 0);
}

TEST(Statistics, ValuesThatAreNotFiniteAreLeftOutAndCounted) {
  const std::vector<double> values{1, kNan, 3, kInf, -kInf, 2};
  const ResultStatistics s = Summarize(values, std::vector<double>{50}, 1.5);
  EXPECT_EQ(s.count, 3u);
  EXPECT_EQ(s.excluded, 3u);
  EXPECT_DOUBLE_EQ(s.mean, 2);
  EXPECT_EQ(s.max, 3);
  EXPECT_EQ(s.percentiles[0].value, 2);
  EXPECT_DOUBLE_EQ(s.exceedance->probability, 2.0 / 3);

  const ResultStatistics none = Summarize(std::vector<double>{kNan, kNan}, std::vector<double>{50});
  EXPECT_EQ(none.count, 0u);
  EXPECT_EQ(none.excluded, 2u);
  EXPECT_TRUE(std::isnan(none.mean));
  EXPECT_TRUE(none.percentiles.empty());
}

TEST(Statistics, PercentileIntervalIsTheBinomialOneWorkedByHand) {
  // n = 10, the median: B ~ binomial(10, ½) has F(1) = 0.0107 <= 2.5 % <
  // F(2) = 0.0547 and F(7) = 0.9453 < 97.5 % <= F(8) = 0.9893, so the
  // interval is [x(2), x(9)].
  const std::vector<double> sorted{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
  const PercentileEstimate median = EstimatePercentile(sorted, 50);
  EXPECT_EQ(median.low, 2);
  EXPECT_EQ(median.high, 9);
  // The 99th percentile of 10 values: even x(10) lies above it with
  // probability 1 − 0.99¹⁰ = 9.6 % only, so the upper end stays open.
  const PercentileEstimate p99 = EstimatePercentile(sorted, 99);
  EXPECT_FALSE(p99.high);
  EXPECT_TRUE(p99.low);
}

TEST(Statistics, PercentileIntervalsCoverTheTrueValueAtLeastNinetyFivePercentOfTheTime) {
  // Uniform samples of 200: the true P-th percentile is P/100.
  for (double percentile : {50.0, 90.0, 99.0}) {
    int covered = 0;
    const int trials = 1000;
    for (int t = 0; t < trials; ++t) {
      std::vector<double> sample(200);
      for (std::size_t i = 0; i < sample.size(); ++i)
        sample[i] = Uniform01(static_cast<std::uint64_t>(t), 77, i, 0);
      std::sort(sample.begin(), sample.end());
      const PercentileEstimate e = EstimatePercentile(sample, percentile);
      const double truth = percentile / 100;
      if (e.low.value_or(-kInf) <= truth && truth <= e.high.value_or(kInf)) ++covered;
    }
    const double coverage = static_cast<double>(covered) / trials;
    // At least 95 % (less sampling error), and not wildly conservative.
    EXPECT_GT(coverage, 0.94) << percentile;
    EXPECT_LT(coverage, 0.995) << percentile;
  }
}

TEST(Statistics, ExceedanceHasTheClopperPearsonInterval) {
  std::vector<double> values(100, 1.0);
  for (int k = 0; k < 5; ++k) values[k * 20] = 10;
  const Exceedance e = EstimateExceedance(values, 5);
  EXPECT_DOUBLE_EQ(e.probability, 0.05);
  EXPECT_NEAR(e.low, 0.01643, 1e-5);
  EXPECT_NEAR(e.high, 0.11284, 1e-5);
  // None above: from 0 to 1 − 0.025^(1/100); a value equal to the reference
  // does not exceed it.
  const Exceedance none = EstimateExceedance(values, 10);
  EXPECT_EQ(none.probability, 0);
  EXPECT_EQ(none.low, 0);
  EXPECT_NEAR(none.high, 1 - std::pow(0.025, 0.01), 1e-12);
}

TEST(Statistics, ConvergenceFollowsTheFirstQuarterHalfAndAll) {
  const std::vector<double> values{1, 2, 3, 4, 5, 6, 7, 8};
  const ResultStatistics s = Summarize(values, {});
  ASSERT_EQ(s.convergence.size(), 3u);
  EXPECT_EQ(s.convergence[0].iterations, 2u);
  EXPECT_DOUBLE_EQ(s.convergence[0].mean, 1.5);
  EXPECT_DOUBLE_EQ(s.convergence[0].p95, 1.95);
  EXPECT_EQ(s.convergence[1].iterations, 4u);
  EXPECT_DOUBLE_EQ(s.convergence[1].p95, 3.85);
  EXPECT_EQ(s.convergence[2].iterations, 8u);
  EXPECT_DOUBLE_EQ(s.convergence[2].mean, 4.5);
  EXPECT_DOUBLE_EQ(s.convergence[2].p95, 7.65);
  // Three iterations: N/4 is none, N/2 one.
  const ResultStatistics few = Summarize(std::vector<double>{1, 2, 3}, {});
  ASSERT_EQ(few.convergence.size(), 2u);
  EXPECT_EQ(few.convergence[0].iterations, 1u);
}

TEST(Spearman, TiesShareTheAverageRank) {
  const std::vector<double> values{10, 20, 10, 30, 20, 20};
  EXPECT_EQ(AverageRanks(values), (std::vector<double>{1.5, 4, 1.5, 6, 4, 4}));
}

TEST(Spearman, MatchesCasesWorkedByHand) {
  // y's ranks 1, 2, 3.5, 5, 3.5 against 1 .. 5: Σdxdy = 8, Σdx² = 10,
  // Σdy² = 9.5, so ρ = 8 / √95.
  const std::vector<double> x{1, 2, 3, 4, 5}, y{5, 6, 7, 8, 7};
  EXPECT_DOUBLE_EQ(SpearmanCorrelation(x, y), 8 / std::sqrt(95.0));
  // Any increasing transformation gives 1, a decreasing one −1.
  const std::vector<double> cubes{-8, 1, 27, 1000, 1e9}, falling{9, 3, 0, -2, -100};
  EXPECT_DOUBLE_EQ(SpearmanCorrelation(x, cubes), 1);
  EXPECT_DOUBLE_EQ(SpearmanCorrelation(x, falling), -1);
  // A pair with a missing result is left out: the rest is perfectly ordered.
  const std::vector<double> withMissing{1, 2, kNan, 4, 5};
  const std::vector<double> shuffled{5, 1, 2, 3, 4};
  EXPECT_DOUBLE_EQ(SpearmanCorrelation(withMissing, std::vector<double>{1, 2, -50, 4, 5}), 1);
  EXPECT_NEAR(SpearmanCorrelation(x, shuffled), 0, 1e-15);
  // A constant side has no correlation.
  EXPECT_TRUE(std::isnan(SpearmanCorrelation(x, std::vector<double>{3, 3, 3, 3, 3})));
  EXPECT_TRUE(std::isnan(SpearmanCorrelation(std::vector<double>{1}, std::vector<double>{2})));
}

}  // namespace
}  // namespace lumo::prob
