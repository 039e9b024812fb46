#include "distributions.h"

#include <algorithm>
#include <boost/math/distributions/beta.hpp>
#include <boost/math/distributions/gamma.hpp>
#include <boost/math/distributions/lognormal.hpp>
#include <boost/math/distributions/normal.hpp>
#include <boost/math/distributions/triangular.hpp>
#include <boost/math/distributions/uniform.hpp>
#include <boost/math/distributions/weibull.hpp>
#include <cmath>
#include <numeric>

#include "number_format.h"

namespace lumo::prob {
namespace {

// The parameters are checked before a family is built, so Boost's own
// checks never fire; an extreme probability gives an infinite or zero value
// (clamped to the bounds afterwards) rather than an exception.
using namespace boost::math::policies;
using Policy =
    policy<domain_error<ignore_error>, overflow_error<ignore_error>, evaluation_error<ignore_error>,
           pole_error<ignore_error>, promote_double<false>>;

using BoostNormal = boost::math::normal_distribution<double, Policy>;
using BoostLogNormal = boost::math::lognormal_distribution<double, Policy>;
using BoostUniform = boost::math::uniform_distribution<double, Policy>;
using BoostTriangular = boost::math::triangular_distribution<double, Policy>;
using BoostBeta = boost::math::beta_distribution<double, Policy>;
using BoostGamma = boost::math::gamma_distribution<double, Policy>;
using BoostWeibull = boost::math::weibull_distribution<double, Policy>;

[[noreturn]] void Refuse(const std::string &sentence) {
  throw EDistribution(sentence);
}

void RequireFinite(const char *name, double value) {
  if (!std::isfinite(value)) Refuse(std::string(name) + " is not a finite number");
}

void RequirePositive(const char *name, double value) {
  RequireFinite(name, value);
  if (value <= 0) Refuse(std::string(name) + " is " + FormatNumber(value) + "; it must be above 0");
}

void RequireOrdered(double min, double max) {
  RequireFinite("min", min);
  RequireFinite("max", max);
  if (min >= max)
    Refuse("min (" + FormatNumber(min) + ") must be below max (" + FormatNumber(max) + ")");
  if (!std::isfinite(max - min))
    Refuse("the range from min " + FormatNumber(min) + " to max " + FormatNumber(max) +
           " is too wide to compute with");
}

struct CheckParameters {
  void operator()(const Fixed &d) const { RequireFinite("value", d.value); }
  void operator()(const Uniform &d) const { RequireOrdered(d.min, d.max); }
  void operator()(const LogUniform &d) const {
    RequireOrdered(d.min, d.max);
    if (d.min <= 0)
      Refuse("min is " + FormatNumber(d.min) +
             "; a loguniform distribution needs min above 0 (it draws ln x uniformly)");
  }
  void operator()(const Normal &d) const {
    RequireFinite("mean", d.mean);
    RequirePositive("sd", d.sd);
  }
  void operator()(const LogNormal &d) const {
    if (d.byMoments) {
      RequirePositive("mean", d.mean);
      RequirePositive("sd", d.sd);
    }
    RequirePositive("gm", d.gm);
    RequireFinite("gsd", d.gsd);
    if (!(d.gsd > 1))
      Refuse("gsd is " + FormatNumber(d.gsd) +
             "; a geometric standard deviation must be above 1 (1 means no spread: use "
             "\"fixed\")");
  }
  void operator()(const Triangular &d) const {
    RequireOrdered(d.min, d.max);
    RequireFinite("mode", d.mode);
    if (d.mode < d.min || d.mode > d.max)
      Refuse("mode is " + FormatNumber(d.mode) + "; it must lie between min " +
             FormatNumber(d.min) + " and max " + FormatNumber(d.max));
  }
  void operator()(const Beta &d) const {
    RequirePositive("alpha", d.alpha);
    RequirePositive("beta", d.beta);
    RequireOrdered(d.min, d.max);
  }
  void operator()(const Gamma &d) const {
    RequirePositive("shape", d.shape);
    RequirePositive("scale", d.scale);
  }
  void operator()(const Weibull &d) const {
    RequirePositive("shape", d.shape);
    RequirePositive("scale", d.scale);
  }
  void operator()(const Empirical &d) const {
    if (d.values.empty()) Refuse("values is empty; give at least one value");
    for (double v : d.values)
      if (!std::isfinite(v)) Refuse("values holds a number that is not finite");
    if (d.weights.empty()) return;
    if (d.weights.size() != d.values.size())
      Refuse("weights has " + std::to_string(d.weights.size()) + " numbers and values " +
             std::to_string(d.values.size()) + "; give one weight for each value");
    double sum = 0;
    for (double w : d.weights) {
      if (!std::isfinite(w)) Refuse("weights holds a number that is not finite");
      if (w < 0) Refuse("weights holds " + FormatNumber(w) + "; weights must be 0 or more");
      sum += w;
    }
    if (!(sum > 0)) Refuse("the weights add up to 0; at least one weight must be above 0");
    if (!std::isfinite(sum)) Refuse("the weights add up to more than can be computed with");
  }
};

}  // namespace

// Sorted distinct values with P(X <= value) and P(X > value).
struct Distribution::Table {
  std::vector<double> values;
  std::vector<double> atOrBelow;
  std::vector<double> above;

  explicit Table(const std::vector<double> &v, const std::vector<double> &w) {
    std::vector<std::pair<double, double>> points;
    for (std::size_t k = 0; k < v.size(); ++k) points.emplace_back(v[k], w.empty() ? 1.0 : w[k]);
    std::sort(points.begin(), points.end());
    std::vector<double> weights;
    for (const auto &[value, weight] : points) {
      if (!values.empty() && values.back() == value) {
        weights.back() += weight;
      } else {
        values.push_back(value);
        weights.push_back(weight);
      }
    }
    const double total = std::accumulate(weights.begin(), weights.end(), 0.0);
    atOrBelow.resize(values.size());
    above.resize(values.size());
    double below = 0, fromTop = 0;
    for (std::size_t k = 0; k < values.size(); ++k) {
      below += weights[k];
      atOrBelow[k] = std::min(1.0, below / total);
      const std::size_t top = values.size() - 1 - k;
      above[top] = std::min(1.0, fromTop / total);
      fromTop += weights[top];
    }
    atOrBelow.back() = 1;
  }

  // P(X <= x), P(X < x), P(X > x), P(X >= x).
  double CdfAt(double x) const {
    const auto k = std::upper_bound(values.begin(), values.end(), x) - values.begin();
    return k == 0 ? 0.0 : atOrBelow[k - 1];
  }
  double CdfBelow(double x) const {
    const auto k = std::lower_bound(values.begin(), values.end(), x) - values.begin();
    return k == 0 ? 0.0 : atOrBelow[k - 1];
  }
  double SurvivalAbove(double x) const {
    const auto k = std::upper_bound(values.begin(), values.end(), x) - values.begin();
    return k == 0 ? 1.0 : above[k - 1];
  }
  double SurvivalFrom(double x) const {
    const auto k = std::lower_bound(values.begin(), values.end(), x) - values.begin();
    return k == 0 ? 1.0 : above[k - 1];
  }
  // The smallest value with P(X <= value) >= p.
  double Quantile(double p) const {
    const auto k = std::lower_bound(atOrBelow.begin(), atOrBelow.end(), p) - atOrBelow.begin();
    return values[std::min<std::size_t>(k, values.size() - 1)];
  }
  // The smallest value with P(X > value) <= q.
  double QuantileOfSurvival(double q) const {
    const auto k =
        std::partition_point(above.begin(), above.end(), [q](double a) { return a > q; }) -
        above.begin();
    return values[std::min<std::size_t>(k, values.size() - 1)];
  }
};

LogNormal LogNormalFromMoments(double mean, double sd) {
  RequirePositive("mean", mean);
  RequirePositive("sd", sd);
  const double ratio = sd / mean;
  const double spread = std::log1p(ratio * ratio);  // sigma²
  LogNormal d{mean / std::sqrt(1 + ratio * ratio), std::exp(std::sqrt(spread)), true, mean, sd};
  if (!std::isfinite(d.gsd) || !(d.gsd > 1) || !(d.gm > 0))
    Refuse("mean " + FormatNumber(mean) + " and sd " + FormatNumber(sd) +
           " give no lognormal distribution that can be computed with");
  return d;
}

const char *FamilyName(const DistributionShape &shape) {
  static const char *const kNames[] = {"fixed",     "uniform",    "loguniform", "normal",
                                       "lognormal", "triangular", "beta",       "gamma",
                                       "weibull",   "empirical"};
  return kNames[shape.index()];
}

Distribution::Distribution(DistributionShape shape, double lower, double upper)
    : shape_(std::move(shape)), lower_(lower), upper_(upper) {
  std::visit(CheckParameters{}, shape_);
  if (std::isnan(lower_) || lower_ == kNone) Refuse("min is not a finite number");
  if (std::isnan(upper_) || upper_ == -kNone) Refuse("max is not a finite number");
  if (lower_ >= upper_)
    Refuse("min (" + FormatNumber(lower_) + ") must be below max (" + FormatNumber(upper_) + ")");
  if (const auto *fixed = std::get_if<Fixed>(&shape_)) {
    table_ = std::make_shared<Table>(std::vector<double>{fixed->value}, std::vector<double>{});
  } else if (const auto *empirical = std::get_if<Empirical>(&shape_)) {
    table_ = std::make_shared<Table>(empirical->values, empirical->weights);
  }
  // P(X < lower), P(X > upper) and the probability between, each worked in
  // the tail where it has its digits.
  const bool discrete = table_ != nullptr;
  cdfLower_ = lower_ == -kNone ? 0.0 : discrete ? table_->CdfBelow(lower_) : FamilyCdf(lower_);
  survivalUpper_ = upper_ == kNone ? 0.0 : FamilySurvival(upper_);
  const double atOrBelowUpper = upper_ == kNone ? 1.0 : FamilyCdf(upper_);
  if (atOrBelowUpper <= 0.5) {
    mass_ = atOrBelowUpper - cdfLower_;
  } else if (cdfLower_ >= 0.5) {
    const double fromLower = discrete ? table_->SurvivalFrom(lower_) : FamilySurvival(lower_);
    mass_ = fromLower - survivalUpper_;
  } else {
    mass_ = 1 - cdfLower_ - survivalUpper_;
  }
  if (!(mass_ >= std::numeric_limits<double>::min()))
    Refuse("no probability of the " + std::string(FamilyName(shape_)) +
           " distribution lies between min " + FormatNumber(lower_) + " and max " +
           FormatNumber(upper_));
}

bool Distribution::IsDegenerate() const {
  if (!table_) return false;
  const auto first = std::lower_bound(table_->values.begin(), table_->values.end(), lower_);
  const auto last = std::upper_bound(table_->values.begin(), table_->values.end(), upper_);
  return last - first <= 1;
}

namespace {

// Evaluates `f(boostDistribution)` for a continuous family, or `loguniform`
// in closed form.
template <class F>
double WithFamily(const DistributionShape &shape, F f) {
  return std::visit(
      [&](const auto &d) -> double {
        using T = std::decay_t<decltype(d)>;
        if constexpr (std::is_same_v<T, Uniform>) return f(BoostUniform(d.min, d.max));
        if constexpr (std::is_same_v<T, Normal>) return f(BoostNormal(d.mean, d.sd));
        if constexpr (std::is_same_v<T, LogNormal>)
          return f(BoostLogNormal(std::log(d.gm), std::log(d.gsd)));
        if constexpr (std::is_same_v<T, Triangular>)
          return f(BoostTriangular(d.min, d.mode, d.max));
        if constexpr (std::is_same_v<T, Beta>) return f(BoostBeta(d.alpha, d.beta));
        if constexpr (std::is_same_v<T, Gamma>) return f(BoostGamma(d.shape, d.scale));
        if constexpr (std::is_same_v<T, Weibull>) return f(BoostWeibull(d.shape, d.scale));
        return std::nan("");  // discrete and loguniform: handled by the callers
      },
      shape);
}

// The beta family works on [0, 1]; x is stretched over [min, max].
double ToUnitBeta(const Beta &d, double x) {
  return std::clamp((x - d.min) / (d.max - d.min), 0.0, 1.0);
}
double FromUnitBeta(const Beta &d, double t) {
  return d.min + t * (d.max - d.min);
}

}  // namespace

double Distribution::FamilyCdf(double x) const {
  if (table_) return table_->CdfAt(x);
  if (const auto *d = std::get_if<LogUniform>(&shape_)) {
    if (x <= d->min) return 0;
    if (x >= d->max) return 1;
    return std::log(x / d->min) / std::log(d->max / d->min);
  }
  if (const auto *d = std::get_if<Beta>(&shape_)) x = ToUnitBeta(*d, x);
  return WithFamily(shape_, [x](const auto &family) {
    // Outside the support Boost refuses; below it the CDF is 0, above it 1.
    if (x <= boost::math::support(family).first) return 0.0;
    if (x >= boost::math::support(family).second) return 1.0;
    return boost::math::cdf(family, x);
  });
}

double Distribution::FamilySurvival(double x) const {
  if (table_) return table_->SurvivalAbove(x);
  if (const auto *d = std::get_if<LogUniform>(&shape_)) {
    if (x <= d->min) return 1;
    if (x >= d->max) return 0;
    return std::log(d->max / x) / std::log(d->max / d->min);
  }
  if (const auto *d = std::get_if<Beta>(&shape_)) x = ToUnitBeta(*d, x);
  return WithFamily(shape_, [x](const auto &family) {
    if (x <= boost::math::support(family).first) return 1.0;
    if (x >= boost::math::support(family).second) return 0.0;
    return boost::math::cdf(boost::math::complement(family, x));
  });
}

double Distribution::FamilyQuantile(double p) const {
  if (table_) return table_->Quantile(p);
  if (const auto *d = std::get_if<LogUniform>(&shape_))
    return d->min * std::exp(p * std::log(d->max / d->min));
  const double x =
      WithFamily(shape_, [p](const auto &family) { return boost::math::quantile(family, p); });
  if (const auto *d = std::get_if<Beta>(&shape_)) return FromUnitBeta(*d, x);
  return x;
}

double Distribution::FamilyQuantileOfSurvival(double q) const {
  if (table_) return table_->QuantileOfSurvival(q);
  if (const auto *d = std::get_if<LogUniform>(&shape_))
    return d->max * std::exp(-q * std::log(d->max / d->min));
  const double x = WithFamily(shape_, [q](const auto &family) {
    return boost::math::quantile(boost::math::complement(family, q));
  });
  if (const auto *d = std::get_if<Beta>(&shape_)) return FromUnitBeta(*d, x);
  return x;
}

double Quantile(const Distribution &distribution, double u) {
  const Distribution &d = distribution;
  // The target probability below the value and above it; the smaller one
  // carries its digits.
  const double p = d.cdfLower_ + u * d.mass_;
  const double q = d.survivalUpper_ + (1 - u) * d.mass_;
  double x = p <= q ? d.FamilyQuantile(p) : d.FamilyQuantileOfSurvival(q);
  if (!(x >= d.lower_)) x = d.lower_;
  if (!(x <= d.upper_)) x = d.upper_;
  return x;
}

double Cdf(const Distribution &d, double x) {
  if (x < d.Lower()) return 0;
  if (x >= d.Upper()) return 1;
  const double below = d.FamilyCdf(x);
  const double f = below <= 0.5 ? (below - d.cdfLower_) / d.mass_
                                : 1 - (d.FamilySurvival(x) - d.survivalUpper_) / d.mass_;
  return std::clamp(f, 0.0, 1.0);
}

double CdfBelow(const Distribution &d, double x) {
  const auto *empirical = std::get_if<Empirical>(&d.Shape());
  const auto *fixed = std::get_if<Fixed>(&d.Shape());
  if (!empirical && !fixed) return Cdf(d, x);
  if (x <= d.Lower()) return 0;
  if (x > d.Upper()) return 1;
  // Just below x: the largest value of the table below x, or none.
  const double below = std::nextafter(x, -Distribution::kNone);
  return Cdf(d, below);
}

double Median(const Distribution &distribution) {
  return Quantile(distribution, 0.5);
}

double Survival(const Distribution &d, double x) {
  if (x >= d.Upper()) return 0;
  if (x < d.Lower()) return 1;
  const double above = d.FamilySurvival(x);
  const double s = above <= 0.5 ? (above - d.survivalUpper_) / d.mass_
                                : 1 - (d.FamilyCdf(x) - d.cdfLower_) / d.mass_;
  return std::clamp(s, 0.0, 1.0);
}

double ProbabilityOutside(const Distribution &d, double min, double max) {
  return CdfBelow(d, min) + Survival(d, max);
}

}  // namespace lumo::prob
