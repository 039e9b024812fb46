// Quantiles and CDFs against closed forms worked out by hand, truncation
// against the conditional distribution, and the discrete step function of
// an empirical distribution.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "distributions.h"

namespace lumo::prob {
namespace {

constexpr double kZ95 = 1.6448536269514722;  // Φ⁻¹(0.95)
constexpr double kZ975 = 1.959963984540054;  // Φ⁻¹(0.975)
constexpr double kLowestU = 0x1p-53, kHighestU = 1 - 0x1p-53;

TEST(Distributions, QuantilesMatchTheirClosedForms) {
  const Distribution lognormal(LogNormal{71.8, 1.2});
  EXPECT_NEAR(Median(lognormal), 71.8, 1e-10);
  EXPECT_NEAR(Quantile(lognormal, 0.95), 71.8 * std::pow(1.2, kZ95), 1e-9);
  EXPECT_NEAR(Quantile(lognormal, 0.05), 71.8 / std::pow(1.2, kZ95), 1e-9);

  const Distribution normal(Normal{75, 6});
  EXPECT_NEAR(Quantile(normal, 0.975), 75 + 6 * kZ975, 1e-9);
  EXPECT_NEAR(Cdf(normal, 75 - 6 * kZ975), 0.025, 1e-12);

  // Triangular (a, c, b): F(c) = (c − a)/(b − a); below it a + √(u (b − a)(c − a)),
  // above it b − √((1 − u)(b − a)(b − c)).
  const double a = 0.005, c = 0.01, b = 0.03;
  const Distribution triangular(Triangular{a, c, b});
  EXPECT_NEAR(Cdf(triangular, c), (c - a) / (b - a), 1e-12);
  EXPECT_NEAR(Quantile(triangular, 0.1), a + std::sqrt(0.1 * (b - a) * (c - a)), 1e-12);
  EXPECT_NEAR(Quantile(triangular, 0.9), b - std::sqrt(0.1 * (b - a) * (b - c)), 1e-12);

  // Beta(2, 1) on [10, 20]: F(t) = t², so Q(u) = 10 + 10 √u; beta(2, 2): 3t² − 2t³.
  const Distribution beta21(Beta{2, 1, 10, 20});
  EXPECT_NEAR(Quantile(beta21, 0.25), 15, 1e-10);
  EXPECT_NEAR(Quantile(beta21, 0.81), 19, 1e-10);
  const Distribution beta22(Beta{2, 2, 10, 20});
  EXPECT_NEAR(Median(beta22), 15, 1e-10);
  EXPECT_NEAR(Cdf(beta22, 12.5), 3 * 0.0625 - 2 * 0.015625, 1e-12);
  EXPECT_EQ(Cdf(beta22, 9), 0);
  EXPECT_EQ(Cdf(beta22, 21), 1);

  EXPECT_NEAR(Quantile(Distribution(Uniform{2, 6}), 0.25), 3, 1e-12);
  const Distribution loguniform(LogUniform{1, 100});
  EXPECT_NEAR(Median(loguniform), 10, 1e-10);
  EXPECT_NEAR(Quantile(loguniform, 0.25), std::sqrt(10), 1e-10);
  EXPECT_NEAR(Cdf(loguniform, 1000), 1, 0);

  // Gamma with shape 1 is the exponential: Q(u) = −scale ln(1 − u).
  EXPECT_NEAR(Quantile(Distribution(Gamma{1, 2}), 0.7), -2 * std::log(0.3), 1e-10);
  // Weibull: Q(u) = scale (−ln(1 − u))^(1/shape).
  EXPECT_NEAR(Quantile(Distribution(Weibull{2, 3}), 0.6), 3 * std::sqrt(-std::log(0.4)), 1e-10);
}

TEST(Distributions, LognormalFromTheArithmeticMeanAndSdHasThatMean) {
  const LogNormal d = LogNormalFromMoments(10, 5);
  const double sigma = std::log(d.gsd);
  EXPECT_NEAR(d.gm * std::exp(sigma * sigma / 2), 10, 1e-12);
  EXPECT_NEAR(10 * std::sqrt(std::exp(sigma * sigma) - 1), 5, 1e-12);
  // The median of the distribution built from it is its gm.
  EXPECT_NEAR(Median(Distribution(d)), d.gm, 1e-10);
}

TEST(Distributions, QuantileInvertsTheCdfForEveryFamily) {
  const Distribution families[] = {
      Distribution(Uniform{-1, 3}),        Distribution(LogUniform{0.1, 1000}),
      Distribution(Normal{5, 2}),          Distribution(LogNormal{0.45, 1.9}),
      Distribution(Triangular{0, 0.2, 1}), Distribution(Beta{0.5, 3, 1, 2}),
      Distribution(Gamma{2.5, 0.3}),       Distribution(Weibull{1.5, 4}),
      Distribution(Normal{5, 2}, 4, 9),    Distribution(Gamma{2.5, 0.3}, 0.5, 1e9)};
  for (const Distribution &d : families) {
    for (double u : {1e-9, 0.001, 0.1, 0.5, 0.77, 0.999, 1 - 1e-9}) {
      const double x = Quantile(d, u);
      EXPECT_NEAR(Cdf(d, x), u, 1e-9 + 1e-7 * u) << FamilyName(d.Shape()) << " at " << u;
      EXPECT_NEAR(Survival(d, x), 1 - u, 1e-9 + 1e-7 * (1 - u)) << FamilyName(d.Shape());
    }
  }
}

TEST(Distributions, TruncationNeverLeavesItsBoundsEvenAtTheExtremeDraws) {
  const Distribution truncated[] = {Distribution(Normal{75, 6}, 50, 80),
                                    Distribution(LogNormal{0.45, 1.9}, 0.1, 2),
                                    Distribution(Gamma{0.01, 1}, 1e-3, 5),
                                    Distribution(Weibull{0.3, 1}, -1, 2),
                                    Distribution(Normal{0, 1}, 10),
                                    Distribution(Normal{0, 1}, -1e9, -12),
                                    Distribution(LogNormal{1, 3}, 1e-10, 1e-8)};
  for (const Distribution &d : truncated) {
    for (double u : {kLowestU, 1e-12, 0.3, 0.5, 0.9, 1 - 1e-12, kHighestU}) {
      const double x = Quantile(d, u);
      EXPECT_GE(x, d.Lower()) << FamilyName(d.Shape()) << " at " << u;
      EXPECT_LE(x, d.Upper()) << FamilyName(d.Shape()) << " at " << u;
    }
  }
}

TEST(Distributions, TruncatedNormalHasTheConditionalMean) {
  // X ~ N(0, 1) given a <= X <= b has mean (φ(a) − φ(b)) / (Φ(b) − Φ(a)).
  auto phi = [](double x) { return std::exp(-x * x / 2) / std::sqrt(2 * std::numbers::pi); };
  auto Phi = [](double x) { return 0.5 * std::erfc(-x / std::sqrt(2)); };
  for (auto [a, b] : {std::pair{-0.5, 2.0}, {1.0, 1e9}, {-3.0, -1.0}}) {
    const Distribution d(Normal{0, 1}, a, b);
    const int n = 200000;
    double sum = 0;
    for (int k = 0; k < n; ++k) sum += Quantile(d, (k + 0.5) / n);  // ∫ Q(u) du
    EXPECT_NEAR(sum / n, (phi(a) - phi(b)) / (Phi(b) - Phi(a)), 1e-4) << a << " to " << b;
  }
}

TEST(Distributions, ABoundFarInTheUpperTailIsStillHonoured) {
  // Beyond 10 sd the lower CDF is 1 to the last digit; the survival function
  // keeps the tail: X − 10 given X >= 10 is nearly exponential with rate 10.
  const Distribution d(Normal{0, 1}, 10);
  EXPECT_NEAR(Median(d), 10 + std::log(2.0) / 10, 2e-3);
  EXPECT_GT(Quantile(d, 0.001), 10);
  EXPECT_NEAR(Cdf(d, Median(d)), 0.5, 1e-9);
}

TEST(Distributions, ShareOutsideARangeComesFromTheCdf) {
  const Distribution normal(Normal{0, 1});
  EXPECT_NEAR(ProbabilityOutside(normal, -kZ975, kZ975), 0.05, 1e-12);
  EXPECT_NEAR(ProbabilityOutside(normal, 0, 1e300), 0.5, 1e-15);
  // Truncation is applied first: inside the bounds nothing is outside.
  EXPECT_EQ(ProbabilityOutside(Distribution(Normal{0, 1}, -1, 1), -1, 1), 0);
  // The far upper tail keeps its digits (P(X > 9) = 1.13e-19).
  EXPECT_NEAR(ProbabilityOutside(normal, -1e300, 9) / 1.1285884059538e-19, 1, 1e-6);
}

TEST(Distributions, EmpiricalIsAWeightedStepFunction) {
  const Distribution d(Empirical{{3, 1, 2}, {1, 1, 2}});  // P(1) = .25, P(2) = .5, P(3) = .25
  EXPECT_EQ(Quantile(d, 0.2), 1);
  EXPECT_EQ(Quantile(d, 0.3), 2);
  EXPECT_EQ(Quantile(d, 0.74), 2);
  EXPECT_EQ(Quantile(d, 0.76), 3);
  EXPECT_EQ(Median(d), 2);
  EXPECT_DOUBLE_EQ(Cdf(d, 2), 0.75);
  EXPECT_DOUBLE_EQ(CdfBelow(d, 2), 0.25);
  EXPECT_DOUBLE_EQ(Cdf(d, 2.5), 0.75);
  EXPECT_DOUBLE_EQ(ProbabilityOutside(d, 1.5, 2), 0.5);
  EXPECT_FALSE(d.IsDegenerate());

  // Without weights each value counts once; repeated values add up.
  const Distribution equal(Empirical{{5, 5, 7, 9}, {}});
  EXPECT_EQ(Quantile(equal, 0.49), 5);
  EXPECT_EQ(Quantile(equal, 0.51), 7);

  // Truncated to [2, 3]: 2 and 3 keep their ratio, 2/3 and 1/3.
  const Distribution truncated(Empirical{{3, 1, 2}, {1, 1, 2}}, 2, 3);
  EXPECT_EQ(Quantile(truncated, 0.01), 2);
  EXPECT_EQ(Quantile(truncated, 0.66), 2);
  EXPECT_EQ(Quantile(truncated, 0.67), 3);
  EXPECT_NEAR(Cdf(truncated, 2), 2.0 / 3, 1e-15);

  // A weight of 0 is never drawn; one value left is held constant.
  const Distribution zero(Empirical{{1, 2}, {0, 1}});
  for (double u : {kLowestU, 0.5, kHighestU}) EXPECT_EQ(Quantile(zero, u), 2);
  EXPECT_TRUE(Distribution(Empirical{{1, 2, 3}, {}}, 1.5, 2.5).IsDegenerate());
}

TEST(Distributions, FixedIsAlwaysItsValue) {
  const Distribution d(Fixed{4.5});
  for (double u : {kLowestU, 0.5, kHighestU}) EXPECT_EQ(Quantile(d, u), 4.5);
  EXPECT_EQ(Cdf(d, 4.5), 1);
  EXPECT_EQ(CdfBelow(d, 4.5), 0);
  EXPECT_TRUE(d.IsDegenerate());
}

TEST(Distributions, ParametersOutsideTheirDomainAreRefusedWithTheParameterNamed) {
  auto refusal = [](auto make) -> std::string {
    try {
      make();
    } catch (const EDistribution &e) {
      return e.what();
    }
    return "(accepted)";
  };
  EXPECT_EQ(refusal([] { Distribution(Normal{1, 0}); }), "sd is 0; it must be above 0");
  EXPECT_EQ(refusal([] { Distribution(Normal{1, 2}, 5, 5); }), "min (5) must be below max (5)");
  EXPECT_NE(refusal([] { Distribution(LogNormal{1, 1}); }).find("gsd is 1;"), std::string::npos);
  EXPECT_NE(refusal([] {
              Distribution(Triangular{0, 2, 1});
            }).find("mode is 2"),
            std::string::npos);
  EXPECT_NE(refusal([] { Distribution(LogUniform{0, 1}); }).find("min is 0"), std::string::npos);
  EXPECT_NE(refusal([] {
              Distribution(Uniform{-1e308, 1e308});
            }).find("too wide"),
            std::string::npos);
  EXPECT_NE(refusal([] { Distribution(Beta{1, -1, 0, 1}); }).find("beta is -1"), std::string::npos);
  EXPECT_NE(refusal([] {
              Distribution(Gamma{std::nan(""), 1});
            }).find("shape is not a finite"),
            std::string::npos);
  EXPECT_NE(refusal([] {
              Distribution(Empirical{{1, 2}, {1, -1}});
            }).find("-1"),
            std::string::npos);
  EXPECT_NE(refusal([] {
              Distribution(Empirical{{1, 2}, {0, 0}});
            }).find("add up to 0"),
            std::string::npos);
  EXPECT_NE(refusal([] {
              Distribution(Empirical{{1, 2}, {1}});
            }).find("one weight for each"),
            std::string::npos);
  EXPECT_NE(refusal([] {
              Distribution(Normal{0, 1}, 40);
            }).find("no probability"),
            std::string::npos);
  EXPECT_NE(refusal([] { Distribution(Fixed{3}, 4, 5); }).find("no probability"),
            std::string::npos);
}

}  // namespace
}  // namespace lumo::prob
