// Runs that fail say so: a value that stops being a finite number, or a
// concentration file that cannot be written, makes _OneLoop answer a
// negative number from then on, closes the file with the rows written so far
// and leaves the record's results as they were (_GetValues returns 0).
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <limits>

#include "engine_harness.h"

namespace lumo_test {
namespace {

constexpr float kUntouched = -5.0f;

void markResults(Scenario &s) {
  ExecutionResultsRecord &r = s.record.ExecutionResultsRecord;
  for (float *field : {&r.LADD, &r.ADD, &r.LADC, &r.ADC, &r.Cpeak, &r.SingleEventDose, &r.APDR,
                       &r.APDRtime, &r.C15min, &r.C8hour}) {
    *field = kUntouched;
  }
}

void expectResultsUntouched(const Scenario &s) {
  const ExecutionResultsRecord &r = s.record.ExecutionResultsRecord;
  for (float v : {r.LADD, r.ADD, r.LADC, r.ADC, r.Cpeak, r.SingleEventDose, r.APDR, r.APDRtime,
                  r.C15min, r.C8hour}) {
    EXPECT_EQ(v, kUntouched);
  }
}

// Calls _OneLoop until the run completes or fails; returns the last answer
// and how many calls completed before it.
struct Outcome {
  double answer;
  int reports;
};

Outcome runUntilDone() {
  Outcome out{0.0, 0};
  while ((out.answer = engine().oneLoop()) >= 0.0 && out.answer < 100.0) ++out.reports;
  return out;
}

// After a failure: the same answer on every call, no results, the CSV closed
// and holding numbers only (unless it is a device that cannot be read back).
void expectFailedRun(Scenario &s, double answer, const std::string &csv, bool readBack = true) {
  EXPECT_EQ(engine().oneLoop(), answer);
  EXPECT_EQ(engine().oneLoop(), answer);
  EXPECT_EQ(engine().getValues(), 0);
  EXPECT_EQ(engine().getValues(), 0);
  EXPECT_EQ(engine().oneLoop(), answer);
  expectResultsUntouched(s);
  EXPECT_FALSE(isOpenInThisProcess(csv));
  if (!readBack) return;
  const std::string text = readFile(csv);
  EXPECT_EQ(text.find("nan"), std::string::npos);
  EXPECT_EQ(text.find("inf"), std::string::npos);
}

struct NonFiniteCase {
  const char *name;
  std::function<void(Scenario &)> make;
  bool failsWhileRunning;  // otherwise only the results overflow
};

TEST(RunFailures, NonFiniteValuesFailTheRun) {
  const std::vector<NonFiniteCase> cases = {
      // A negative rate constant grows as e^{2000 u}: the infinite release goes
      // into the saturation reserve while the zone shows the limit.
      {"emission rate overflows",
       [](Scenario &s) {
         s.sources = {{1, 0.25f, 1000, -2000, 0.5f}};
       },
       true},
      {"released at once, the rate overflows",
       [](Scenario &s) {
         s.sources = {{1, 0.25f, 1000, -2000, 0}};
       },
       true},
      {"concentration overflows without a limit",  // the sink adds what it "removes"
       [](Scenario &s) {
         s.zone1C = 1;
         s.firstOrderSinks = {{1, 1, -50000}};
         s.saturation = std::numeric_limits<float>::infinity();
       },
       true},
      {"emission mass overflows the dose",  // finite while running; the dose exceeds a float
       [](Scenario &s) {
         s.sources = {{1, 0.25f, 3e38f, 24, 0.5f}};
         s.primary = s.secondary = {{1, 0.0f, 1000.0f}};
         s.saturation = std::numeric_limits<float>::infinity();
       },
       false},
  };
  for (const NonFiniteCase &c : cases) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    const std::string csv = dir.file("run.csv");
    Scenario s;
    c.make(s);
    markResults(s);
    ASSERT_EQ(initRun(s, csv.c_str()), 1);
    const Outcome outcome = runUntilDone();
    if (c.failsWhileRunning) {
      EXPECT_EQ(outcome.answer, LUMO32_RUN_FAILED);
      EXPECT_GT(outcome.reports, 0);
      EXPECT_LT(outcome.reports, 23);
      // The rows before the failure are all there, and nothing after them.
      EXPECT_EQ(readCsv(csv).size(), std::size_t(outcome.reports) + 2);
    } else {
      EXPECT_EQ(outcome.answer, 100.0);
      EXPECT_EQ(engine().getValues(), 0);
    }
    expectFailedRun(s, LUMO32_RUN_FAILED, csv);
  }
}

TEST(RunFailures, NextRunStartsAfresh) {
  TempDir dir;
  Scenario failing;
  failing.sources = {{1, 0.25f, 1000, -2000, 0.5f}};
  ASSERT_EQ(initRun(failing, dir.file("failing.csv").c_str()), 1);
  EXPECT_EQ(runUntilDone().answer, LUMO32_RUN_FAILED);

  Scenario good;
  good.outdoorC = 2;
  good.primary = good.secondary = {{0, 0.0f, 20.0f}};
  EXPECT_EQ(runToEnd(good).Cpeak, 2.0f);

  ASSERT_EQ(initRun(failing, dir.file("failing.csv").c_str()), 1);
  EXPECT_EQ(runUntilDone().answer, LUMO32_RUN_FAILED);
  EXPECT_EQ(engine().init(nullptr, nullptr, nullptr), 0);  // discarding clears the failure
  EXPECT_EQ(engine().oneLoop(), 100.0);
  EXPECT_EQ(engine().getValues(), 1);
}

TEST(RunFailures, UnwritableCsvHeaderFailsTheRun) {
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  Scenario s;
  s.outdoorC = 1;
  markResults(s);
  ASSERT_EQ(initRun(s, "/dev/full"), 1);  // the record itself is sound
  expectFailedRun(s, LUMO32_CSV_WRITE_FAILED, "/dev/full", /*readBack=*/false);
}

// Lets this process write files of at most `bytes` bytes while it lives;
// writing beyond fails with EFBIG rather than ending the process.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    oldHandler_ = signal(SIGXFSZ, SIG_IGN);
    rlimit limit = saved_;
    limit.rlim_cur = bytes;
    active_ = setrlimit(RLIMIT_FSIZE, &limit) == 0;
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    signal(SIGXFSZ, oldHandler_);
  }
  bool active() const { return active_; }

 private:
  rlimit saved_{};
  sighandler_t oldHandler_;
  bool active_ = false;
};

TEST(RunFailures, UnwritableCsvRowFailsTheRun) {
  TempDir dir;
  const std::string csv = dir.file("run.csv");
  Scenario s;
  s.zone1C = 2;
  s.flowsOne = {100, 100};
  markResults(s);
  Outcome outcome{};
  {
    FileSizeLimit limit(400);  // the header and a few rows
    if (!limit.active()) GTEST_SKIP() << "file size limit not available";
    ASSERT_EQ(initRun(s, csv.c_str()), 1);
    outcome = runUntilDone();
  }
  EXPECT_EQ(outcome.answer, LUMO32_CSV_WRITE_FAILED);
  EXPECT_GT(outcome.reports, 2);
  EXPECT_LT(outcome.reports, 23);
  EXPECT_EQ(std::filesystem::file_size(csv), 400u);
  expectFailedRun(s, LUMO32_CSV_WRITE_FAILED, csv);
}

}  // namespace
}  // namespace lumo_test
