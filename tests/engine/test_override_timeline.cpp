// The override in force by the precomputed timeline against the scan of every
// override in list order.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "override_timeline.h"

namespace lumo {
namespace {

int firstContaining(const std::vector<OverrideEntry> &overrides, double s) {
  for (std::size_t i = 0; i < overrides.size(); ++i) {
    if (overrides[i].enter <= s && s <= overrides[i].exit) return int(i);
  }
  return -1;
}

// End points on a coarse grid, so that intervals share ends, nest, overlap,
// touch, shrink to a point or are empty (enter after exit).
std::vector<OverrideEntry> randomOverrides(std::mt19937 &rng, int count) {
  std::vector<OverrideEntry> overrides;
  for (int i = 0; i < count; ++i) {
    const double a = double(rng() % 40) / 4, b = double(rng() % 40) / 4;
    const bool empty = rng() % 10 == 0;
    overrides.push_back(
        {empty ? std::max(a, b) + 0.25 : std::min(a, b), std::max(a, b), int(rng() % 3), 1.0});
  }
  return overrides;
}

TEST(OverrideTimeline, FindsTheFirstOverrideContainingTheClock) {
  std::mt19937 rng(5);
  for (int trial = 0; trial < 50; ++trial) {
    const std::vector<OverrideEntry> overrides = randomOverrides(rng, 1 + trial % 25);
    const OverrideTimeline timeline(overrides);
    // Forward through every end point and the stretches between, as a run's
    // clock moves, then at random clocks in any order.
    std::vector<double> clocks;
    for (double s = -1.0; s <= 11.0; s += 0.125) clocks.push_back(s);
    for (int i = 0; i < 200; ++i) clocks.push_back(double(rng() % 1000) / 80.0 - 0.5);
    for (double s : clocks) {
      ASSERT_EQ(timeline.find(s), firstContaining(overrides, s)) << "trial " << trial << " s " << s;
    }
  }
}

TEST(OverrideTimeline, NoOverridesAndOnlyEmptyOnesFindNothing) {
  EXPECT_EQ(OverrideTimeline({}).find(3.0), -1);
  const OverrideTimeline empty({{2.0, 1.0, 1, 1.0}});
  for (double s : {0.5, 1.0, 1.5, 2.0, 2.5}) EXPECT_EQ(empty.find(s), -1);
}

}  // namespace
}  // namespace lumo
