// The emission term by running sums against the direct evaluation of every
// increment, and the rate of one increment against its exact value.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "decay_group.h"
#include "emission_model.h"
#include "emission_source.h"
#include "running_sum_emissions.h"

namespace lumo {
namespace {

constexpr double kStep = 1.0 / 2880.0;

// The release rate in long double, in the product form, as the exact value.
long double exactRate(const EmissionSource &src, long double s) {
  const long double u = s - src.start, k = src.rate, D = src.duration, M = src.mass;
  if (u < 0) return 0;
  if (D <= 0) return M * k * std::exp(-k * u);
  if (u < D) return M / D * -std::expm1(-k * u);
  return M / D * std::exp(-k * (u - D)) * -std::expm1(-k * D);
}

TEST(EmissionRate, LateReleaseKeepsItsDigitsWhereTheDifferenceLosesThem) {
  const EmissionSource src{1, 0.375, 23396.2, 0.303194, 0.285417};
  const double perDay = src.mass / src.duration;
  for (double late : {10.0, 60.0, 120.0, 365.0}) {
    const double s = src.start + src.duration + late;
    const long double exact = exactRate(src, s);
    EXPECT_NEAR(emissionRate(src, s), exact, 1e-14 * exact) << late;
    // The difference of two terms near M/D, as the definition reads.
    const double u = s - src.start;
    const double difference = perDay * (1.0 - std::exp(-src.rate * u)) -
                              perDay * (1.0 - std::exp(-src.rate * (u - src.duration)));
    if (late >= 120.0) {
      EXPECT_GT(std::fabs(difference - exact), 0.5 * exact) << late;
    }
  }
}

TEST(EmissionRate, MatchesTheExactValueInEveryPhase) {
  const std::vector<EmissionSource> sources{{1, 2.0, 500.0, 72.774, 0.05},
                                            {1, 2.0, 500.0, 0.303194, 0.3},
                                            {2, 2.0, 80.0, 4.0, 0.0},
                                            {2, 2.0, 80.0, 4.0, -1.0}};
  for (const EmissionSource &src : sources) {
    for (double u : {-1e-9, 0.0, 1e-6, 0.01, 0.049999, 0.05, 0.29, 0.3, 0.31, 2.0, 40.0}) {
      // A few roundings, and the exponent's own rounding magnified k u times.
      const long double exact = exactRate(src, src.start + u);
      const double ulps = 8.0 + src.rate * std::fabs(u);
      EXPECT_NEAR(emissionRate(src, src.start + u), exact, ulps * 2.2e-16 * std::fabs(exact))
          << "k " << src.rate << " D " << src.duration << " u " << u;
    }
  }
  EXPECT_EQ(emissionRate({1, 0.0, 100.0, 0.0, 0.5}, 1.0), 0.0);  // k = 0 emits nothing
}

TEST(DecayGroup, SumsTailsAddedInAnyOrderAndVanishesExactly) {
  DecayGroup group(1, 3.0);
  const std::vector<DecayTail> tails{{5.0, 1.0}, {2.0, 1.5}, {7.0, 0.5}, {1.0, 1.5}, {4.0, 1.25}};
  for (const DecayTail &t : tails) group.add(t);
  auto exact = [&](long double s) {
    long double sum = 0;
    for (const DecayTail &t : tails) sum += t.amplitude * std::exp(-3.0L * (s - t.from));
    return sum;
  };
  // A run's clocks: half steps, carried from value to value.
  double s = 1.5;
  for (int i = 0; i < 20000; ++i, s += kStep / 2) {
    ASSERT_NEAR(group.at(s), exact(s), 1e-14 * exact(s)) << s;
  }
  EXPECT_GT(group.at(200.0), 0.0);
  EXPECT_EQ(group.at(260.0), 0.0);  // e^{-3 × 258.5} is below the smallest double
  EXPECT_TRUE(group.empty());
  group.add({2.0, 261.0});
  EXPECT_DOUBLE_EQ(group.at(261.5), 2.0 * std::exp(-1.5));
}

// Sources of every kind over three nodes, some sharing a rate constant.
std::vector<EmissionSource> mixedSources(int count, unsigned seed) {
  std::mt19937 rng(seed);
  std::uniform_real_distribution<double> start(-0.5, 6.0), mass(1.0, 3e4), duration(0.0, 0.4);
  const double rates[] = {72.774, 0.303194, 5598.0, 0.0, 1.7};
  std::vector<EmissionSource> sources;
  for (int i = 0; i < count; ++i) {
    const double d = i % 9 == 0 ? 0.0 : duration(rng);  // some release at once
    sources.push_back({int(rng() % 3), start(rng), mass(rng), rates[rng() % 5], d});
  }
  sources.push_back(sources[3]);                // an exact duplicate
  sources.push_back({1, 20.0, 1e4, 0.3, 0.1});  // never starts in the window
  sources.push_back({5, 1.0, 1e4, 0.3, 0.1});   // a node the run does not have
  return sources;
}

NodeTable threeNodes() {
  NodeTable nodes;
  nodes.count = 3;
  nodes.volume = {1e60, 44.1, 396.9};
  for (int i = 0; i < 3; ++i) nodes.invVolume[i] = 1.0 / nodes.volume[i];
  return nodes;
}

TEST(RunningSumEmissionModel, AgreesWithTheDirectEvaluationOverARunsClocks) {
  const NodeTable nodes = threeNodes();
  const std::vector<EmissionSource> sources = mixedSources(200, 7);
  const DirectEmissionModel direct(sources, nodes);
  const RunningSumEmissionModel sums(sources, nodes);
  // The stages of 30-second steps from clock 0 to 7, each step from where
  // the last one ended, with a shortened step now and then.
  double t = 0.0;
  int compared = 0;
  while (t < 7.0) {
    const double h = compared % 97 == 0 ? kStep / 3 : kStep;
    for (double s : {t, t + h / 2, t + h / 2, t + h}) {
      const auto a = direct.termsAt(s, nodes);
      const auto b = sums.termsAt(s, nodes);
      for (int i = 0; i < 3; ++i) ASSERT_NEAR(b[i], a[i], 1e-12 * std::fabs(a[i])) << s;
      ++compared;
    }
    t = t + h;
  }
}

TEST(RunningSumEmissionModel, AnEarlierClockGivesTheTermAtThatClock) {
  const NodeTable nodes = threeNodes();
  const std::vector<EmissionSource> sources = mixedSources(60, 11);
  const DirectEmissionModel direct(sources, nodes);
  const RunningSumEmissionModel sums(sources, nodes);
  for (double s : {5.0, 1.0, 3.25, 0.0, 6.5, 2.0}) {
    const auto a = direct.termsAt(s, nodes);
    const auto b = sums.termsAt(s, nodes);
    for (int i = 1; i < 3; ++i) EXPECT_NEAR(b[i], a[i], 1e-12 * std::fabs(a[i])) << s;
  }
}

TEST(RunningSumEmissionModel, AFullyReleasingApplicationAddsExactlyMassOverDuration) {
  NodeTable nodes = threeNodes();
  const EmissionSource src{1, 1.0, 1000.0, 5598.0, 0.5};  // e^{-ku} < 1e-16 after 10 minutes
  const RunningSumEmissionModel sums({src}, nodes);
  EXPECT_EQ(sums.termsAt(1.25, nodes)[1], src.mass / src.duration * nodes.invVolume[1]);
}

}  // namespace
}  // namespace lumo
