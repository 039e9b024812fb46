// Runs whose rates are all slow compared with the 30-second step take one
// Runge-Kutta step per 30 seconds, exactly as the engine always has: every
// reported value and every result of these runs is pinned to the last bit,
// as a digest of their bit patterns taken from the engine before sub-steps
// existed. A digest that moves means the arithmetic of ordinary runs moved.
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

#include "core_run.h"
#include "engine_harness.h"
#include "painting_jobs.h"

namespace lumo_test {
namespace {

class Digest {
 public:
  void add(double value) {
    const std::uint64_t bits = std::bit_cast<std::uint64_t>(value);
    for (int byte = 0; byte < 8; ++byte) {
      hash_ ^= (bits >> (8 * byte)) & 0xFF;
      hash_ *= 0x100000001B3ull;
    }
  }
  std::uint64_t value() const { return hash_; }

 private:
  std::uint64_t hash_ = 0xCBF29CE484222325ull;
};

std::uint64_t digestOf(const TransferRecord &record) {
  const CoreRunOutput run = runCore(record, lumo::EmissionEvaluation::kRunningSums);
  Digest d;
  for (const ReportRow &row : run.rows) {
    d.add(row.clock);
    for (double v : row.values) d.add(v);
  }
  const lumo::ExposureResults &r = run.results;
  for (double v : {r.ladd, r.add, r.ladc, r.adc, r.cpeak, r.singleEventDose, r.apdr, r.apdrTime,
                   r.c15min, r.c8hour}) {
    d.add(v);
  }
  return d.value();
}

void expectDigest(const TransferRecord &record, std::uint64_t pinned) {
  const std::uint64_t digest = digestOf(record);
  char text[32];
  std::snprintf(text, sizeof text, "0x%016llX", static_cast<unsigned long long>(digest));
  EXPECT_EQ(digest, pinned) << "digest now " << text;
}

void expectJobDigest(PaintingJob job, std::uint64_t pinned) {
  SCOPED_TRACE(jobName(job));
  TempDir dir;
  const auto scenario = makePaintingJob(job, 30, dir.file(""));
  expectDigest(scenario->Record(), pinned);
}

// Two ventilated zones painted in turn, the saturation limit reached while
// zone 1 is painted, and the given sinks.
Scenario twoZoneBuilding() {
  Scenario s;
  s.zones = 2;
  s.outdoorC = 0.01f;
  s.zone1C = 0.5f;
  s.zone2C = 0.2f;
  s.flowsOne = {300, 280};
  s.flowsTwo = {900, 950, 400, 370};
  s.volume1 = 60;
  s.volume2 = 450;
  s.primary = {{1, 0.0f, 14.0f}, {2, 0.3f, 20.0f}, {1, 0.75f, 16.0f}};
  s.sources = {{1, 0.05f, 200, 3, 0.4f}, {1, 0.5f, 80, 8, 0.2f}, {2, 0.1f, 30, 1.5f, 0}};
  s.saturation = 0.8f;
  s.end = 4;
  s.reportInterval = 0.01735f;
  return s;
}

TEST(PinnedRuns, PaintingJobsAreUnchangedToTheBit) {
  expectJobDigest(PaintingJob::kFactoryDefault, 0x9179F6DB978D3AE6u);
  expectJobDigest(PaintingJob::kHighRiseEntireFloor, 0x4648032AEB221462u);
}

TEST(PinnedRuns, EveryTimeLoopIsUnchangedToTheBit) {
  Scenario langmuir = twoZoneBuilding();  // two zones, six sinks: a loop of its own
  for (int i = 0; i < 6; ++i) {
    langmuir.langmuirSinks.push_back(
        {2, i < 3 ? 1 : 2, 2.0f + i, 0.3f + 0.1f * i, 5.0f + i, 0.5f * i});
  }
  expectDigest(*langmuir.build(), 0xFFE3FFA579E878D1u);

  Scenario oneZone = twoZoneBuilding();  // one zone, no sinks
  oneZone.zones = 1;
  expectDigest(*oneZone.build(), 0x36FE67E6DE10F686u);

  Scenario general = twoZoneBuilding();  // three sinks: the general loop
  general.firstOrderSinks = {{1, 1, 40}, {1, 2, 90}};
  general.langmuirSinks = {{2, 1, 3, 0.5f, 8, 1}};
  expectDigest(*general.build(), 0x648AC9AFF0DEFE06u);
}

}  // namespace
}  // namespace lumo_test
