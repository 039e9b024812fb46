// The engine steps the layouts the program's records have (one or two zones,
// no sinks or six of them) through a time loop of their own and any other
// layout through the general one. A sink outside the run's nodes never acts,
// so adding one moves a run from the first loop to the second without
// changing what it computes: every reported value and every result must come
// out the same to the last bit.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "core_run.h"
#include "engine_harness.h"

namespace lumo_test {
namespace {

Scenario ventilatedBuilding(int zones) {
  Scenario s;
  s.zones = zones;
  s.outdoorC = 0.01f;
  s.zone1C = 0.5f;
  s.zone2C = 0.2f;
  s.flowsOne = {300, 280};
  s.flowsTwo = {900, 950, 400, 370};
  s.volume1 = 60;
  s.volume2 = 450;
  s.primary = {{1, 0.0f, 14.0f}, {2, 0.3f, 20.0f}, {1, 0.75f, 16.0f}};
  s.sources = {{1, 0.05f, 200, 3, 0.4f}, {1, 0.5f, 80, 8, 0.2f}, {2, 0.1f, 30, 1.5f, 0}};
  s.saturation = 0.8f;  // reached in zone 1 while it is painted
  s.end = 3;
  s.reportInterval = 1.0f / 24;
  return s;
}

void expectSameRuns(Scenario &usual, Scenario &other) {
  const CoreRunOutput a = runCore(*usual.build(), lumo::EmissionEvaluation::kRunningSums);
  const CoreRunOutput b = runCore(*other.build(), lumo::EmissionEvaluation::kRunningSums);
  ASSERT_EQ(a.rows.size(), b.rows.size());
  for (std::size_t r = 0; r < a.rows.size(); ++r) {
    ASSERT_EQ(a.rows[r].clock, b.rows[r].clock);
    // The other run reports one loading more, just before the person's column.
    const std::vector<double> &x = a.rows[r].values;
    const std::vector<double> &y = b.rows[r].values;
    ASSERT_EQ(x.size() + 1, y.size());
    for (std::size_t i = 0; i + 1 < x.size(); ++i) EXPECT_EQ(x[i], y[i]) << "row " << r;
    EXPECT_EQ(x.back(), y.back()) << "row " << r;
  }
  EXPECT_EQ(std::memcmp(&a.results, &b.results, sizeof a.results), 0);
}

TEST(TimeLoopLayouts, SixSinksInTheirOwnLoopMatchTheGeneralLoop) {
  for (int zones : {1, 2}) {
    for (bool langmuir : {false, true}) {
      Scenario usual = ventilatedBuilding(zones);
      for (int i = 0; i < 6; ++i) {
        const int zone = zones == 2 && i >= 3 ? 2 : 1;
        if (langmuir) {
          usual.langmuirSinks.push_back({2, zone, 2.0f + i, 0.3f + 0.1f * i, 5.0f + i, 0.5f * i});
        } else {
          usual.firstOrderSinks.push_back({1, zone, 20.0f + 7 * i});
        }
      }
      Scenario other = usual;
      other.langmuirSinks.push_back({2, 5, 3, 1, 4, 2});  // zone 5: not in the run
      expectSameRuns(usual, other);
    }
  }
}

TEST(TimeLoopLayouts, NoSinksInTheirOwnLoopMatchTheGeneralLoop) {
  for (int zones : {1, 2}) {
    Scenario usual = ventilatedBuilding(zones);
    Scenario other = usual;
    other.firstOrderSinks.push_back({1, 5, 40});  // zone 5: not in the run
    expectSameRuns(usual, other);
  }
}

TEST(TimeLoopLayouts, SubStepsInTheirOwnLoopsMatchTheGeneralLoop) {
  for (int zones : {1, 2}) {
    for (int sinks : {0, 6}) {
      Scenario usual = ventilatedBuilding(zones);
      usual.volume1 = 0.1f;  // 280 or 680 m³/day leave it: 2 or 5 sub-steps at least
      for (int i = 0; i < sinks; ++i) {
        usual.langmuirSinks.push_back({2, 1, 0.02f + 0.01f * i, 500.0f * i, 1.0f + i, 0.5f * i});
      }
      Scenario other = usual;
      other.langmuirSinks.push_back({2, 5, 3, 1e9f, 4, 2});  // zone 5: not in the run
      expectSameRuns(usual, other);
    }
  }
}

}  // namespace
}  // namespace lumo_test
