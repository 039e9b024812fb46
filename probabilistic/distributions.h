// The distributions an assessor may give a scenario input, optionally
// truncated to [lower, upper], with their quantile function, cumulative
// distribution function and median.
//
// A truncated distribution is sampled through its inverse CDF restricted to
// [F(lower), F(upper)]: the same distribution as redrawing until the value
// falls inside, and a Latin hypercube's strata stay intact. The tails are
// worked with the survival function where the lower CDF would lose digits,
// so a bound far in the upper tail is still honoured.
//
// Parameters are checked when a Distribution is built: a parameter outside
// its domain (sd <= 0, gsd <= 1, min >= max, mode outside [min, max], ...),
// a non-finite number or a truncation that leaves no probability throws
// EDistribution with a sentence naming the parameter, its value and what is
// allowed.
#pragma once

#include <limits>
#include <memory>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

namespace lumo::prob {

class EDistribution : public std::invalid_argument {
 public:
  using std::invalid_argument::invalid_argument;
};

// The families, as the distribution file names them.
struct Fixed {
  double value;
};
struct Uniform {
  double min, max;
};
struct LogUniform {  // ln X uniform on [ln min, ln max]; 0 < min < max
  double min, max;
};
struct Normal {
  double mean, sd;
};
// ln X ~ N(ln gm, ln gsd). Given either by gm and gsd, or by the arithmetic
// mean and sd (then gsd = exp(sqrt(ln(1 + sd²/mean²))), gm = mean /
// sqrt(1 + sd²/mean²)); byMoments remembers which, for writing it back.
struct LogNormal {
  double gm, gsd;
  bool byMoments = false;
  double mean = 0, sd = 0;
};
LogNormal LogNormalFromMoments(double mean, double sd);  // throws EDistribution
struct Triangular {
  double min, mode, max;
};
struct Beta {  // the beta distribution stretched over [min, max]
  double alpha, beta, min, max;
};
struct Gamma {
  double shape, scale;
};
struct Weibull {
  double shape, scale;
};
// A discrete distribution over the given values, with the given weights
// (none: equal weights). Its quantile function is the step function
// Q(u) = the smallest value v with P(X <= v) >= u.
struct Empirical {
  std::vector<double> values;
  std::vector<double> weights;
};

using DistributionShape = std::variant<Fixed, Uniform, LogUniform, Normal, LogNormal, Triangular,
                                       Beta, Gamma, Weibull, Empirical>;

// The family's name in the distribution file ("lognormal", ...).
const char *FamilyName(const DistributionShape &shape);

class Distribution {
 public:
  static constexpr double kNone = std::numeric_limits<double>::infinity();

  // Checks the parameters and the truncation (lower < upper when both are
  // given; -kNone/kNone for none) and prepares the tail probabilities.
  explicit Distribution(DistributionShape shape, double lower = -kNone, double upper = kNone);

  const DistributionShape &Shape() const { return shape_; }
  double Lower() const { return lower_; }
  double Upper() const { return upper_; }
  bool IsTruncated() const { return lower_ > -kNone || upper_ < kNone; }
  // A fixed value, or an empirical distribution left with one value.
  bool IsDegenerate() const;

  // The untruncated family's lower CDF, survival function and quantiles
  // (the complement form takes q = 1 - p, exact in the upper tail).
  double FamilyCdf(double x) const;
  double FamilySurvival(double x) const;
  double FamilyQuantile(double p) const;
  double FamilyQuantileOfSurvival(double q) const;

 private:
  friend double Quantile(const Distribution &, double);
  friend double Cdf(const Distribution &, double);
  friend double Survival(const Distribution &, double);

  struct Table;  // an empirical distribution, sorted, with its cumulative weights

  DistributionShape shape_;
  double lower_, upper_;
  std::shared_ptr<const Table> table_;
  // F(lower), S(upper), and the probability between the bounds worked out
  // without cancellation.
  double cdfLower_ = 0, survivalUpper_ = 0, mass_ = 1;
};

// The u-quantile (0 < u < 1) of the truncated distribution; always within
// [lower, upper].
double Quantile(const Distribution &distribution, double u);
// P(X <= x) of the truncated distribution.
double Cdf(const Distribution &distribution, double x);
// P(X < x) of the truncated distribution (differs from Cdf at the values of
// an empirical or fixed distribution only).
double CdfBelow(const Distribution &distribution, double x);
// P(X > x) of the truncated distribution, accurate in the upper tail.
double Survival(const Distribution &distribution, double x);
double Median(const Distribution &distribution);
// P(X < min) + P(X > max) of the truncated distribution.
double ProbabilityOutside(const Distribution &distribution, double min, double max);

}  // namespace lumo::prob
