// Runs of the caller's own, behind LumoRun handles: the same answers, results
// and CSV as the classic exports give for the same record, to the bit; many
// runs at once in many threads; refusals, failures, null handles; and the
// caller's record neither kept nor written.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <limits>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "engine_harness.h"
#include "refused_records.h"
#include "run_outcomes.h"

namespace lumo_test {
namespace {

constexpr float kUntouched = -5.0f;

// A ventilated room painted twice, the person moving between the room and
// the outdoors, a visit from the override list, and a saturation limit that
// the first coat reaches.
Scenario paintedRoom() {
  Scenario s;
  s.outdoorC = 0.002f;
  s.flowsOne = {30, 30};
  s.volume1 = 40;
  s.primary = {{0, 0.0f, 14.0f}, {1, 0.3f, 20.0f}, {0, 0.8f, 14.0f}};
  s.secondary = {{1, 0.0f, 16.0f}};
  s.overrides = {{1, 1.1f, 1.2f, 25.0f}};
  s.sources = {{1, 0.05f, 200, 3, 0.4f}, {1, 0.5f, 80, 8, 0.2f}};
  s.saturation = 2.5f;
  s.end = 2;
  return s;
}

// The room as zone 1 of a building whose rest is zone 2.
Scenario paintedBuilding() {
  Scenario s = paintedRoom();
  s.zones = 2;
  s.zone2C = 0.1f;
  s.flowsTwo = {900, 950, 400, 370};
  s.volume2 = 450;
  s.primary = {{1, 0.0f, 14.0f}, {2, 0.3f, 20.0f}, {0, 0.75f, 16.0f}};
  s.sources.push_back({2, 0.1f, 30, 1.5f, 0});
  return s;
}

struct NamedScenario {
  const char *name;
  Scenario (*make)();
};

// Records of every time loop: one and two zones, no sinks, a set of six of
// either kind, a mixed set, and steps taken in sub-steps.
const std::vector<NamedScenario> &namedScenarios() {
  static const std::vector<NamedScenario> all = {
      {"one zone", paintedRoom},
      {"two zones", paintedBuilding},
      {"two zones, six first-order sinks",
       [] {
         Scenario s = paintedBuilding();
         for (int i = 0; i < 6; ++i) s.firstOrderSinks.push_back({1, i < 3 ? 1 : 2, 5.0f + 3 * i});
         return s;
       }},
      {"one zone, six Langmuir sinks",
       [] {
         Scenario s = paintedRoom();
         for (int i = 0; i < 6; ++i) {
           s.langmuirSinks.push_back({2, 1, 2.0f + i, 0.3f + 0.1f * i, 5.0f + i, 0.5f * i});
         }
         return s;
       }},
      {"two zones, sinks of both kinds",
       [] {
         Scenario s = paintedBuilding();
         s.firstOrderSinks = {{1, 1, 40}, {1, 2, 90}};
         s.langmuirSinks = {{2, 1, 3, 0.5f, 8, 1}, {2, 0, 1, 0.2f, 4, 0}};
         return s;
       }},
      {"two zones in sub-steps, a late start",
       [] {
         Scenario s = paintedBuilding();
         s.flowsTwo[2] = 60 * 3000;  // zone 1 to zone 2: 3000 per day, three sub-steps
         s.start = 0.3f;
         s.end = 1.7f;
         s.reportInterval = 0.07f;
         return s;
       }},
  };
  return all;
}

TEST(RunHandles, SameAnswersResultsAndCsvAsTheClassicExports) {
  TempDir dir;
  for (const NamedScenario &named : namedScenarios()) {
    for (bool withCsv : {false, true}) {
      SCOPED_TRACE(testing::Message() << named.name << (withCsv ? ", with CSV" : ", no CSV"));
      Scenario s = named.make();
      TransferRecord &record = *s.build();
      const std::string csv = withCsv ? dir.file("classic.csv") : "";
      const RunOutcome classic = runThrough(Driving::kClassic, record, csv);
      ASSERT_TRUE(classic.accepted);
      ASSERT_EQ(classic.resultsAnswer, 1);
      ASSERT_GT(classic.answers.size(), 20u);
      if (withCsv) {
        ASSERT_GT(classic.csv.size(), 1000u);
      }
      for (Driving how : {Driving::kStepRun, Driving::kRunToEnd}) {
        SCOPED_TRACE(drivingName(how));
        const std::string own = withCsv ? dir.file("own.csv") : "";
        expectSameOutcome(classic, runThrough(how, record, own));
      }
    }
  }
}

TEST(RunHandles, RefusedRecordsGiveNoRunAndNoFile) {
  TempDir dir;
  const std::string csv = dir.file("refused.csv");
  for (const BrokenRecord &c : refusedRecords()) {
    SCOPED_TRACE(c.name);
    Scenario s;
    c.apply(s);
    EXPECT_EQ(engine().createRun(&s.record, csv.c_str()), nullptr);
    EXPECT_EQ(engine().createRun(&s.record, nullptr), nullptr);
    EXPECT_FALSE(std::filesystem::exists(csv));
  }
  EXPECT_EQ(engine().createRun(nullptr, csv.c_str()), nullptr);
  EXPECT_EQ(engine().createRun(nullptr, nullptr), nullptr);
  EXPECT_FALSE(std::filesystem::exists(csv));
}

TEST(RunHandles, NullHandlesAnswerAsFailedRuns) {
  ExecutionResultsRecord results{};
  results.Cpeak = kUntouched;
  EXPECT_EQ(engine().stepRun(nullptr), LUMO32_RUN_FAILED);
  EXPECT_EQ(engine().runToEnd(nullptr), LUMO32_RUN_FAILED);
  EXPECT_EQ(engine().runResults(nullptr, &results), 0);
  EXPECT_EQ(results.Cpeak, kUntouched);
  engine().freeRun(nullptr);

  Scenario s;
  LumoRun *run = engine().createRun(s.build(), nullptr);
  ASSERT_NE(run, nullptr);
  EXPECT_EQ(engine().runToEnd(run), 100.0);
  EXPECT_EQ(engine().runResults(run, nullptr), 0);
  EXPECT_EQ(engine().runResults(run, &results), 1);  // the run itself is sound
  engine().freeRun(run);
}

TEST(RunHandles, ResultsOnlyForACompleteRunAndAsOftenAsAsked) {
  Scenario s = paintedRoom();
  s.end = 0.5f;
  s.reportInterval = 0.25f;
  LumoRun *run = engine().createRun(s.build(), nullptr);
  ASSERT_NE(run, nullptr);
  ExecutionResultsRecord results{};
  results.Cpeak = kUntouched;
  EXPECT_EQ(engine().runResults(run, &results), 0) << "before the first step";
  EXPECT_EQ(engine().stepRun(run), 50.0);
  EXPECT_EQ(engine().runResults(run, &results), 0) << "half way";
  EXPECT_EQ(results.Cpeak, kUntouched);
  EXPECT_EQ(engine().stepRun(run), 100.0);
  ASSERT_EQ(engine().runResults(run, &results), 1);
  const auto first = bitsOf(results);
  EXPECT_GT(results.Cpeak, 0.0f);
  EXPECT_EQ(engine().stepRun(run), 100.0);
  EXPECT_EQ(engine().runToEnd(run), 100.0);
  ExecutionResultsRecord again{};
  ASSERT_EQ(engine().runResults(run, &again), 1);
  EXPECT_EQ(bitsOf(again), first);
  engine().freeRun(run);

  // A run of no length is complete at once.
  Scenario empty;
  empty.start = empty.end = 3;
  run = engine().createRun(empty.build(), nullptr);
  ASSERT_NE(run, nullptr);
  EXPECT_EQ(engine().stepRun(run), 100.0);
  EXPECT_EQ(engine().runResults(run, &results), 1);
  EXPECT_EQ(results.Cpeak, 0.0f);
  engine().freeRun(run);
}

// The record's lists and the file name are read during lumo32_CreateRun
// only, and nothing is written into the record.
TEST(RunHandles, TheRecordIsNeitherKeptNorWritten) {
  TempDir dir;
  auto scenario = std::make_unique<Scenario>(namedScenarios()[4].make());
  scenario->build();
  const RunOutcome expected = runThrough(Driving::kClassic, scenario->record, dir.file("a.csv"));

  scenario->record.ExecutionResultsRecord.Cpeak = kUntouched;
  std::string csvName = dir.file("b.csv");
  LumoRun *run = engine().createRun(&scenario->record, csvName.c_str());
  ASSERT_NE(run, nullptr);
  EXPECT_EQ(scenario->record.ExecutionResultsRecord.Cpeak, kUntouched);
  // Everything the record pointed to is overwritten, then freed.
  constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
  Scenario &s = *scenario;
  for (float &f : s.flowsOne) f = kNaN;
  for (float &f : s.flowsTwo) f = kNaN;
  for (auto &a : s.primary) a = {7, kNaN, kNaN};
  for (auto &e : s.sources) e = {1, kNaN, kNaN, kNaN, kNaN};
  for (auto &k : s.firstOrderSinks) k = {1, 1, kNaN};
  for (auto &k : s.langmuirSinks) k = {2, 1, kNaN, kNaN, kNaN, kNaN};
  s.primaryDays.fill(-1);
  std::memset(&s.record, 0xFF, sizeof s.record);
  csvName.assign(csvName.size(), 'x');
  scenario.reset();

  EXPECT_EQ(engine().runToEnd(run), 100.0);
  ExecutionResultsRecord results{};
  ASSERT_EQ(engine().runResults(run, &results), 1);
  engine().freeRun(run);
  EXPECT_EQ(bitsOf(results), expected.resultBits);
  EXPECT_TRUE(readFile(dir.file("b.csv")) == expected.csv);
}

// A handle's run and the classic exports' current run go on side by side.
TEST(RunHandles, RunsBesideTheClassicRunLeaveItAlone) {
  Scenario classic = paintedRoom(), own = paintedBuilding();
  const RunOutcome classicAlone = runThrough(Driving::kClassic, *classic.build());
  const RunOutcome ownAlone = runThrough(Driving::kClassic, *own.build());

  ASSERT_EQ(engine().init(&classic.record, nullptr, nullptr), 1);
  LumoRun *run = engine().createRun(&own.record, nullptr);
  ASSERT_NE(run, nullptr);
  for (int i = 0; i < 10; ++i) {
    EXPECT_EQ(engine().oneLoop(), classicAlone.answers[i]);
    EXPECT_EQ(engine().stepRun(run), ownAlone.answers[i]);
  }
  EXPECT_EQ(engine().init(nullptr, nullptr, nullptr), 0) << "discards the classic run only";
  EXPECT_EQ(engine().runToEnd(run), 100.0);
  ExecutionResultsRecord results{};
  ASSERT_EQ(engine().runResults(run, &results), 1);
  EXPECT_EQ(bitsOf(results), ownAlone.resultBits);

  ASSERT_EQ(engine().init(&classic.record, nullptr, nullptr), 1);
  LumoRun *other = engine().createRun(&own.record, nullptr);
  engine().runToEnd(other);
  engine().freeRun(other);
  engine().freeRun(run);
  classic.record.ExecutionResultsRecord = {};
  ASSERT_NO_THROW(finishRun(classic));
  EXPECT_EQ(bitsOf(classic.record.ExecutionResultsRecord), classicAlone.resultBits);
}

// ---- Failures -------------------------------------------------------------

TEST(RunHandles, FailedRunsAnswerAsTheClassicRunAndCloseTheirFile) {
  TempDir dir;
  Scenario s;
  s.sources = {{1, 0.25f, 1000, -2000, 0.5f}};  // grows as e^{2000 u}
  const RunOutcome classic = runThrough(Driving::kClassic, *s.build(), dir.file("classic.csv"));
  ASSERT_EQ(classic.answers.back(), LUMO32_RUN_FAILED);
  ASSERT_EQ(classic.resultsAnswer, 0);
  for (Driving how : {Driving::kStepRun, Driving::kRunToEnd}) {
    SCOPED_TRACE(drivingName(how));
    expectSameOutcome(classic, runThrough(how, s.record, dir.file("own.csv")));
  }

  // The file is closed as the run fails, and the answer stays.
  const std::string csv = dir.file("failing.csv");
  LumoRun *run = engine().createRun(&s.record, csv.c_str());
  ASSERT_NE(run, nullptr);
  EXPECT_GE(engine().stepRun(run), 0.0);
  EXPECT_TRUE(isOpenInThisProcess(csv));
  EXPECT_EQ(engine().runToEnd(run), LUMO32_RUN_FAILED);
  EXPECT_FALSE(isOpenInThisProcess(csv));
  EXPECT_EQ(engine().stepRun(run), LUMO32_RUN_FAILED);
  EXPECT_EQ(engine().runToEnd(run), LUMO32_RUN_FAILED);
  ExecutionResultsRecord results{};
  results.Cpeak = kUntouched;
  EXPECT_EQ(engine().runResults(run, &results), 0);
  EXPECT_EQ(results.Cpeak, kUntouched);
  engine().freeRun(run);
  EXPECT_TRUE(readFile(csv) == classic.csv);
}

TEST(RunHandles, ResultsThatOverflowAreNotWritten) {
  Scenario s;
  s.sources = {{1, 0.25f, 3e38f, 24, 0.5f}};  // finite while running; the dose exceeds a float
  s.primary = s.secondary = {{1, 0.0f, 1000.0f}};
  s.saturation = std::numeric_limits<float>::infinity();
  const RunOutcome classic = runThrough(Driving::kClassic, *s.build());
  ASSERT_EQ(classic.answers.back(), 100.0);
  ASSERT_EQ(classic.resultsAnswer, 0);
  for (Driving how : {Driving::kStepRun, Driving::kRunToEnd}) {
    SCOPED_TRACE(drivingName(how));
    expectSameOutcome(classic, runThrough(how, s.record));
  }
}

TEST(RunHandles, UnwritableCsvHeaderFailsTheRunAsItStarts) {
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  Scenario s;
  LumoRun *run = engine().createRun(s.build(), "/dev/full");
  ASSERT_NE(run, nullptr) << "the record itself is sound";
  EXPECT_EQ(engine().stepRun(run), LUMO32_CSV_WRITE_FAILED);
  EXPECT_EQ(engine().runToEnd(run), LUMO32_CSV_WRITE_FAILED);
  ExecutionResultsRecord results{};
  EXPECT_EQ(engine().runResults(run, &results), 0);
  EXPECT_FALSE(isOpenInThisProcess("/dev/full"));
  engine().freeRun(run);
}

TEST(RunHandles, FreeingARunClosesItsFileAtOnce) {
  TempDir dir;
  const std::string csv = dir.file("abandoned.csv");
  Scenario s = paintedRoom();
  LumoRun *run = engine().createRun(s.build(), csv.c_str());
  ASSERT_NE(run, nullptr);
  engine().stepRun(run);
  EXPECT_TRUE(isOpenInThisProcess(csv));
  engine().freeRun(run);
  EXPECT_FALSE(isOpenInThisProcess(csv));
  EXPECT_EQ(readCsv(csv).size(), 3u);  // header, start row, one report
}

// ---- Many runs at once ------------------------------------------------------

// What a record gives when run alone: its outcome through the classic
// exports, with and without a CSV.
struct Reference {
  std::unique_ptr<Scenario> scenario;
  RunOutcome plain;
  RunOutcome withCsv;
};

// Each thread keeps three runs going at once, stepping them in turn, and
// starts the next as one ends; every eighth run writes a CSV. Returns what
// differed from the references.
std::vector<std::string> runMany(const std::vector<Reference> &references, int thread, int runs,
                                 const TempDir &dir) {
  struct Live {
    int number = -1;
    LumoRun *run = nullptr;
    const Reference *reference = nullptr;
    std::vector<double> answers;
    std::string csv;
  };
  std::vector<std::string> faults;
  const auto fault = [&](const Live &live, const std::string &what) {
    faults.push_back("thread " + std::to_string(thread) + ", run " + std::to_string(live.number) +
                     ": " + what);
  };
  int next = 0;
  // Starts the next run that the engine accepts in `live`; false when none is left.
  const auto start = [&](Live &live) {
    while (next < runs) {
      live = {};
      live.number = next++;
      live.reference = &references[(thread * 5 + live.number) % references.size()];
      if (live.number % 8 == 0) {
        live.csv =
            dir.file("t" + std::to_string(thread) + "-" + std::to_string(live.number) + ".csv");
      }
      live.run = engine().createRun(&live.reference->scenario->record,
                                    live.csv.empty() ? nullptr : live.csv.c_str());
      if ((live.run != nullptr) != live.reference->plain.accepted) fault(live, "accepted differs");
      if (live.run != nullptr) return true;
    }
    return false;
  };
  const auto finish = [&](Live &live) {
    const RunOutcome &expected = live.csv.empty() ? live.reference->plain : live.reference->withCsv;
    ExecutionResultsRecord results{};
    const int32_t got = engine().runResults(live.run, &results);
    engine().freeRun(live.run);
    live.run = nullptr;
    if (live.answers != expected.answers) fault(live, "answers differ");
    if (got != expected.resultsAnswer) fault(live, "results answer differs");
    if (got == 1 && bitsOf(results) != expected.resultBits) fault(live, "results differ");
    if (!live.csv.empty() && readFile(live.csv) != expected.csv) fault(live, "CSV differs");
  };

  std::vector<Live> live(3);
  for (Live &l : live) start(l);
  for (bool any = true; any;) {
    any = false;
    for (Live &l : live) {
      if (l.run == nullptr) continue;
      any = true;
      const double answer = engine().stepRun(l.run);
      l.answers.push_back(answer);
      if (answer < 0.0 || answer >= 100.0) {
        finish(l);
        start(l);
      }
    }
  }
  return faults;
}

TEST(RunHandles, ManyRunsAtOnceInManyThreadsGiveTheResultsOfRunsAlone) {
  TempDir dir;
  std::vector<Reference> references;
  const auto add = [&](Scenario s) {
    s.end = std::min(s.end, s.start + 0.5f);
    Reference r{std::make_unique<Scenario>(std::move(s)), {}, {}};
    r.scenario->build();
    r.plain = runThrough(Driving::kClassic, r.scenario->record);
    r.withCsv = runThrough(Driving::kClassic, r.scenario->record, dir.file("reference.csv"));
    references.push_back(std::move(r));
  };
  for (const NamedScenario &named : namedScenarios()) add(named.make());
  Scenario failing;
  failing.sources = {{1, 0.05f, 1000, -2000, 0.5f}};
  add(failing);
  Scenario refused;
  refused.reportInterval = 0;
  add(refused);
  Scenario overflowing;
  overflowing.sources = {{1, 0.05f, 3e38f, 24, 0.3f}};
  overflowing.primary = overflowing.secondary = {{1, 0.0f, 1000.0f}};
  overflowing.saturation = std::numeric_limits<float>::infinity();
  add(overflowing);
  ASSERT_EQ(references[6].plain.answers.back(), LUMO32_RUN_FAILED);
  ASSERT_FALSE(references[7].plain.accepted);
  ASSERT_EQ(references[8].plain.resultsAnswer, 0);

  constexpr int kThreads = 8;
#ifdef LUMO_FEWER_THREAD_RUNS
  constexpr int kRunsPerThread = 40;
#else
  constexpr int kRunsPerThread = 200;
#endif
  std::vector<std::vector<std::string>> faults(kThreads);
  {
    std::vector<std::jthread> threads;
    for (int t = 0; t < kThreads; ++t) {
      threads.emplace_back([&, t] { faults[t] = runMany(references, t, kRunsPerThread, dir); });
    }
  }
  for (const auto &list : faults) {
    for (const std::string &f : list) ADD_FAILURE() << f;
  }
}

}  // namespace
}  // namespace lumo_test
