// The run worker against the stand-in engine: progress reporting, the end of
// a run, stopping, failures, and a new run started at once after a stop.
#include "xfer_thread.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <thread>

#include "fake_engine.h"
#include "owner_loop.h"
#include "platform.h"
#include "temp_dir.h"

namespace lumo {
namespace {

using test::Event;
using test::OwnerLoop;

class FakeEngine {
 public:
  explicit FakeEngine(const std::string &dir = FAKE_ENGINE_DIR) {
    lib_ = platform::DynamicLibrary::Load(dir + "/liblumo32.so");
    if (!lib_) std::abort();
    Fn<FakeEngineResetFn>("FakeEngineReset")();
  }
  void SetPercents(std::vector<double> p) {
    Fn<FakeEngineSetPercentsFn>("FakeEngineSetPercents")(p.data(), int32_t(p.size()));
  }
  void SetSteps(int n) { Fn<FakeEngineSetStepsFn>("FakeEngineSetSteps")(n); }
  void SetDelayMicros(int us) { Fn<FakeEngineSetDelayFn>("FakeEngineSetDelay")(us); }
  void SetReject(bool r) { Fn<FakeEngineSetRejectFn>("FakeEngineSetReject")(r); }
  void SetResultsFail(bool f) { Fn<FakeEngineSetResultsFailFn>("FakeEngineSetResultsFail")(f); }
  FakeEngineStats Stats() { return Fn<FakeEngineGetStatsFn>("FakeEngineGetStats")(); }

 private:
  template <typename F>
  F Fn(const char *name) {
    return reinterpret_cast<F>(lib_->Symbol(name));
  }
  std::unique_ptr<platform::DynamicLibrary> lib_;
};

EngineRunInputs Inputs(const std::string &csv = {}) {
  EngineRunInputs in;
  in.record.Zones = 1;
  in.csvFileName = csv;
  return in;
}

// The end notifications of a run: every run has exactly one.
std::vector<Event> Ends(const OwnerLoop &owner, RunId run) {
  std::vector<Event> out;
  for (const auto &e : owner.events)
    if (e.run == run && e.message != ProgressMessage) out.push_back(e);
  return out;
}

int CountLines(const std::string &text) {
  return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

// The batch runner's way: notifications are handled on the worker's thread,
// and the next run is started from the Done handler.
class DirectOwner : public RunNotifications {
 public:
  std::function<void(RunId)> onDone;
  std::vector<RunId> done;
  int others = 0;
  void RunProgress(RunId, int) override {}
  void RunDone(RunId run, ExecutionResultsRecord) override {
    done.push_back(run);
    if (onDone) onDone(run);
  }
  void RunNoLibrary(RunId, std::string) override { ++others; }
  void RunInitFailed(RunId) override { ++others; }
  void RunFailed(RunId, std::string) override { ++others; }
  void RunStopped(RunId, int) override { ++stopped; }
  int stopped = 0;
};

TEST(XferThread, ReportsWholePercentsAndRunsToExactlyOneHundred) {
  FakeEngine engine;
  // 99.995 exceeds 99.99, but the run is complete only at 100.
  engine.SetPercents({0.5, 1.2, 1.9, 2.3, 50.0, 99.995, 100.0});
  OwnerLoop owner;
  XferThread worker(FAKE_ENGINE_DIR);
  RunId run = worker.Start(Inputs(), owner);
  ASSERT_NE(run, 0u);
  ASSERT_TRUE(owner.RunUntil([&] { return !owner.Of(DoneMessage, run).empty(); }));
  worker.Wait();

  std::vector<int> percents;
  for (const Event &e : owner.Of(ProgressMessage, run)) percents.push_back(e.percent);
  EXPECT_EQ(percents, (std::vector<int>{1, 2, 50, 100}));
  EXPECT_EQ(owner.events.back().message, DoneMessage);
  FakeEngineStats s = engine.Stats();
  EXPECT_EQ(s.oneLoopCalls, 7);
  EXPECT_EQ(s.getValuesCalls, 1);
  // The results come back by value, as the engine wrote them.
  EXPECT_FLOAT_EQ(owner.Of(DoneMessage, run)[0].results.LADD, 7.0f);
  EXPECT_FLOAT_EQ(owner.Of(DoneMessage, run)[0].results.C8hour, 16.0f);
  EXPECT_TRUE(worker.Idle());
}

TEST(XferThread, StopEndsTheRunWithoutResultsAndKeepsTheCsvRows) {
  test::TempDir dir;
  FakeEngine engine;
  engine.SetSteps(100000);
  engine.SetDelayMicros(200);
  OwnerLoop owner;
  XferThread worker(FAKE_ENGINE_DIR);
  owner.onEvent = [&](const Event &e) {
    if (e.message == ProgressMessage && e.percent >= 1) worker.StopXfer();
  };
  RunId run = worker.Start(Inputs(dir.File("run.CSV")), owner);
  ASSERT_TRUE(owner.RunUntil([&] { return worker.Idle(); }));
  worker.Wait();

  EXPECT_TRUE(owner.Of(DoneMessage, run).empty());
  FakeEngineStats s = engine.Stats();
  EXPECT_EQ(s.getValuesCalls, 0);
  EXPECT_GE(s.oneLoopCalls, 1000);
  EXPECT_LT(s.oneLoopCalls, 100000);
  // Header and first row, then one row per step taken.
  EXPECT_EQ(CountLines(test::ReadFileBytes(dir.File("run.CSV"))), s.oneLoopCalls + 2);
  // The run ends with one Stopped, at the percentage it reached, and the
  // engine's run was discarded (its file closed) before the library went.
  auto ends = Ends(owner, run);
  ASSERT_EQ(ends.size(), 1u);
  EXPECT_EQ(ends[0].message, test::StoppedEvent);
  EXPECT_EQ(ends[0].percent, s.oneLoopCalls / 1000);
  EXPECT_EQ(s.discardCalls, 1);
}

TEST(XferThread, AFailedStepEndsTheRunAsFailedNeverAsDone) {
  test::TempDir dir;
  const struct {
    std::vector<double> percents;
    const char *says;
  } cases[] = {
      {{10.0, 20.5, LUMO32_RUN_FAILED}, "failed after 20 % of the run"},
      {{30.0, LUMO32_CSV_WRITE_FAILED}, "run.CSV could not be written after 30 %"},
      {{5.0, -7.0}, "failed after 5 %"},          // any negative answer
      {{5.0, std::nan("")}, "failed after 5 %"},  // not a number: no endless loop
  };
  for (const auto &c : cases) {
    FakeEngine engine;
    engine.SetPercents(c.percents);
    OwnerLoop owner;
    XferThread worker(FAKE_ENGINE_DIR);
    RunId run = worker.Start(Inputs(dir.File("run.CSV")), owner);
    ASSERT_TRUE(owner.RunUntil([&] { return worker.Idle(); }));
    worker.Wait();
    auto ends = Ends(owner, run);
    ASSERT_EQ(ends.size(), 1u);
    EXPECT_EQ(ends[0].message, test::FailedEvent);
    EXPECT_NE(ends[0].detail.find(c.says), std::string::npos) << ends[0].detail;
    EXPECT_EQ(engine.Stats().getValuesCalls, 0);
    EXPECT_EQ(engine.Stats().discardCalls, 1);
  }
}

TEST(XferThread, ResultsTheEngineCannotWriteEndTheRunAsFailed) {
  FakeEngine engine;
  engine.SetSteps(3);
  engine.SetResultsFail(true);
  OwnerLoop owner;
  XferThread worker(FAKE_ENGINE_DIR);
  RunId run = worker.Start(Inputs(), owner);
  ASSERT_TRUE(owner.RunUntil([&] { return worker.Idle(); }));
  worker.Wait();
  auto ends = Ends(owner, run);
  ASSERT_EQ(ends.size(), 1u);
  EXPECT_EQ(ends[0].message, test::FailedEvent);
  EXPECT_NE(ends[0].detail.find("not finite"), std::string::npos);
}

// An error anywhere in the worker, even in the owner's own progress handler,
// still reaches the owner as the run's one end.
TEST(XferThread, AnErrorInTheWorkerStillEndsTheRunOnce) {
  FakeEngine engine;
  engine.SetSteps(50);
  XferThread worker(FAKE_ENGINE_DIR);
  struct Throwing : DirectOwner {
    std::vector<std::string> failures;
    void RunProgress(RunId, int) override { throw std::runtime_error("handler broke"); }
    void RunFailed(RunId, std::string m) override { failures.push_back(m); }
  } throwing;
  ASSERT_NE(worker.Start(Inputs(), throwing), 0u);
  worker.Wait();
  ASSERT_EQ(throwing.failures.size(), 1u);
  EXPECT_NE(throwing.failures[0].find("handler broke"), std::string::npos);
  EXPECT_TRUE(throwing.done.empty());
  EXPECT_TRUE(worker.Idle());
}

TEST(XferThread, ARunStoppedBeforeItBeginsEndsAsStoppedAtZero) {
  FakeEngine engine;
  engine.SetSteps(100000);
  engine.SetDelayMicros(200);
  DirectOwner owner;
  XferThread worker(FAKE_ENGINE_DIR);
  // The first run holds the engine; the second is stopped while it waits.
  ASSERT_NE(worker.Start(Inputs(), owner), 0u);
  worker.StopXfer();
  ASSERT_NE(worker.Start(Inputs(), owner), 0u);
  worker.StopXfer();
  worker.Wait();
  EXPECT_EQ(owner.stopped, 2);
  EXPECT_TRUE(owner.done.empty());
  EXPECT_LE(engine.Stats().initCalls, 1);  // the second never reached the engine
}

TEST(XferThread, MissingOrIncompleteLibraryGivesOneNoLibraryMessage) {
  test::TempDir empty;
  for (std::string dir : {empty.Path(), std::string(FAKE_INCOMPLETE_ENGINE_DIR)}) {
    OwnerLoop owner;
    XferThread worker(dir);
    RunId run = worker.Start(Inputs(), owner);
    ASSERT_TRUE(owner.RunUntil([&] { return worker.Idle(); }));
    worker.Wait();
    ASSERT_EQ(owner.events.size(), 1u) << dir;
    EXPECT_EQ(owner.events[0].message, NoLibraryMessage);
    EXPECT_EQ(owner.events[0].run, run);
    EXPECT_NE(owner.events[0].detail.find("liblumo32.so"), std::string::npos);
  }
  // The incomplete library was never called.
  FakeEngine incomplete(FAKE_INCOMPLETE_ENGINE_DIR);
  EXPECT_EQ(incomplete.Stats().initCalls, 0);
}

TEST(XferThread, RejectedRecordGivesInitFailedAndNoSteps) {
  FakeEngine engine;
  engine.SetReject(true);
  OwnerLoop owner;
  XferThread worker(FAKE_ENGINE_DIR);
  RunId run = worker.Start(Inputs(), owner);
  ASSERT_TRUE(owner.RunUntil([&] { return worker.Idle(); }));
  worker.Wait();
  ASSERT_EQ(owner.events.size(), 1u);
  EXPECT_EQ(owner.events[0].message, InitFailedMessage);
  EXPECT_EQ(owner.events[0].run, run);
  EXPECT_EQ(engine.Stats().oneLoopCalls, 0);
  EXPECT_EQ(engine.Stats().getValuesCalls, 0);
}

// The owner presses Stop and then Execute while the worker of the first run
// waits inside a notification to the owner's own thread. The new run must
// neither deadlock nor overlap the old worker in the engine.
TEST(XferThread, StopThenNewRunFromInsideANotificationCompletesTheNewRun) {
  FakeEngine engine;
  engine.SetSteps(2000);
  engine.SetDelayMicros(300);
  OwnerLoop owner;
  XferThread worker(FAKE_ENGINE_DIR);
  RunId first = 0, second = 0;
  owner.onEvent = [&](const Event &e) {
    if (e.run == first && e.message == ProgressMessage && second == 0) {
      // Still going and not stopped: a second run is refused.
      EXPECT_EQ(worker.Start(Inputs(), owner), 0u);
      worker.StopXfer();
      engine.SetSteps(5);
      engine.SetDelayMicros(0);
      second = worker.Start(Inputs(), owner);
      ASSERT_NE(second, 0u);
    }
  };
  first = worker.Start(Inputs(), owner);
  ASSERT_TRUE(
      owner.RunUntil([&] { return second != 0 && !owner.Of(DoneMessage, second).empty(); }));
  ASSERT_TRUE(owner.RunUntil([&] { return worker.Idle(); }));
  worker.Wait();

  EXPECT_TRUE(owner.Of(DoneMessage, first).empty());
  EXPECT_EQ(owner.Of(DoneMessage, second).size(), 1u);
  FakeEngineStats s = engine.Stats();
  EXPECT_EQ(s.initCalls, 2);
  EXPECT_EQ(s.getValuesCalls, 1);
  EXPECT_EQ(s.maxConcurrentCalls, 1);
  // Nothing of the first run is reported after the second began.
  bool secondSeen = false;
  for (const Event &e : owner.events) {
    if (e.run == second) secondSeen = true;
    if (secondSeen) {
      EXPECT_EQ(e.run, second);
    }
  }
}

TEST(XferThread, NextRunCanStartFromTheDoneNotification) {
  FakeEngine engine;
  engine.SetSteps(3);
  DirectOwner owner;
  XferThread worker(FAKE_ENGINE_DIR);
  int started = 1;
  owner.onDone = [&](RunId) {
    if (started < 3 && worker.Start(Inputs(), owner) != 0) ++started;
  };
  ASSERT_NE(worker.Start(Inputs(), owner), 0u);
  // Wait() also joins the workers started while it waits.
  worker.Wait();
  EXPECT_EQ(owner.done, (std::vector<RunId>{1, 2, 3}));
  EXPECT_EQ(engine.Stats().maxConcurrentCalls, 1);
}

TEST(XferThread, DestroyingTheWorkerStopsARunningRun) {
  FakeEngine engine;
  engine.SetSteps(1000000);
  engine.SetDelayMicros(100);
  DirectOwner owner;
  {
    XferThread worker(FAKE_ENGINE_DIR);
    ASSERT_NE(worker.Start(Inputs(), owner), 0u);
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  EXPECT_TRUE(owner.done.empty());
  EXPECT_LT(engine.Stats().oneLoopCalls, 1000000);
  EXPECT_EQ(engine.Stats().getValuesCalls, 0);
}

TEST(EngineRunInputs, SnapshotCopiesEveryListAndBindsToTheCopy) {
  float one[2] = {1, 2}, two[4] = {3, 4, 5, 6};
  ActivityRecord act[2] = {{1, 0.0f, 9.6f}, {2, 0.5f, 24.0f}};
  OverrideRecord ov[1] = {{1, 0.375f, 0.66f, 27.5f}};
  int32_t days[7] = {1, 0, 0, 1, 1, 1, 1};
  EmissionRateIncrementalRecord em[3] = {};
  em[2].MassReleased = 42;
  char name[] = "/tmp/x.CSV";
  TransferRecord r{};
  r.Zones = 2;
  r.AirFlowRecordOne = {2, one};
  r.AirFlowRecordTwo = {4, two};
  r.PrimaryActivityList = {2, act};
  r.SecondaryActivityList = {-3, act};  // a damaged count copies nothing
  r.OverrideActivityList = {1, ov};
  r.PrimaryDaysList = days;
  r.EmissionRateIncrementalList = {3, em};
  r.FirstOrderSinkList = {5, nullptr};  // no array: nothing to copy
  r.filename = name;
  r.EndTime = 5.375f;

  EngineRunInputs in = SnapshotRecord(r, "dump.txt", "x.CSV");
  // Changing the originals afterwards does not reach the copy.
  two[3] = 99;
  act[1].BreathingRate = 0;
  days[0] = 7;
  name[1] = 'X';
  TransferRecord b = BindRecord(in);
  EXPECT_EQ(b.Zones, 2);
  EXPECT_FLOAT_EQ(b.EndTime, 5.375f);
  ASSERT_EQ(b.AirFlowRecordTwo.Entries, 4);
  EXPECT_FLOAT_EQ(b.AirFlowRecordTwo.List[3], 6);
  ASSERT_EQ(b.PrimaryActivityList.Entries, 2);
  EXPECT_FLOAT_EQ(b.PrimaryActivityList.List[1].BreathingRate, 24.0f);
  EXPECT_EQ(b.SecondaryActivityList.Entries, 0);
  EXPECT_EQ(b.PrimaryDaysList[0], 1);
  EXPECT_EQ(b.PrimaryDaysList[1], 0);
  ASSERT_EQ(b.EmissionRateIncrementalList.Entries, 3);
  EXPECT_FLOAT_EQ(b.EmissionRateIncrementalList.List[2].MassReleased, 42);
  EXPECT_EQ(b.FirstOrderSinkList.Entries, 0);
  EXPECT_EQ(b.LangmuirSinkList.Entries, 0);
  EXPECT_STREQ(b.filename, "/tmp/x.CSV");
  EXPECT_EQ(in.dumpFileName, "dump.txt");
}

}  // namespace
}  // namespace lumo
