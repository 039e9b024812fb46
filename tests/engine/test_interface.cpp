// The engine's interface: calling order, progress, rejected records, the help
// texts and the greeting.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>

#include "engine_harness.h"
#include "refused_records.h"

namespace lumo_test {
namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

TEST(EngineInterface, WithoutRunOneLoopAndGetValuesDoNothing) {
  Scenario s;
  EXPECT_EQ(engine().oneLoop(), 100.0);  // before any run
  EXPECT_EQ(engine().getValues(), 1);

  s.outdoorC = 1;
  s.primary = s.secondary = {{0, 0.0f, 20.0f}};
  runToEnd(s);
  s.record.ExecutionResultsRecord.Cpeak = -5;  // the run is over after _GetValues
  EXPECT_EQ(engine().oneLoop(), 100.0);
  EXPECT_EQ(engine().getValues(), 1);
  EXPECT_EQ(s.record.ExecutionResultsRecord.Cpeak, -5);

  s.zones = 0;
  ASSERT_EQ(initRun(s), 0);  // after a rejected record
  EXPECT_EQ(engine().oneLoop(), 100.0);
  EXPECT_EQ(engine().getValues(), 1);
  EXPECT_EQ(s.record.ExecutionResultsRecord.Cpeak, -5);
}

TEST(EngineInterface, ProgressAndCompletion) {
  Scenario s;
  s.outdoorC = 2;
  s.primary = s.secondary = {{0, 0.0f, 20.0f}};
  s.end = 2;
  s.reportInterval = 0.5f;
  s.record.ExecutionResultsRecord.Cpeak = -5;
  ASSERT_EQ(initRun(s), 1);
  for (double expected : {25.0, 50.0, 75.0, 100.0}) EXPECT_DOUBLE_EQ(engine().oneLoop(), expected);
  EXPECT_EQ(engine().oneLoop(), 100.0);
  EXPECT_EQ(s.record.ExecutionResultsRecord.Cpeak, -5) << "results only come with _GetValues";
  EXPECT_EQ(engine().getValues(), 1);
  EXPECT_EQ(s.record.ExecutionResultsRecord.Cpeak, 2.0f);

  Scenario empty;
  empty.end = empty.start = 3;
  ASSERT_EQ(initRun(empty), 1);
  EXPECT_EQ(engine().oneLoop(), 100.0);
}

TEST(EngineInterface, NewInitReplacesTheRun) {
  TempDir dir;
  Scenario first, second;
  first.end = 10;
  second.end = 1;
  second.reportInterval = 0.5f;
  ASSERT_EQ(initRun(first, dir.file("first.csv").c_str()), 1);
  engine().oneLoop();
  ASSERT_EQ(initRun(second, dir.file("second.csv").c_str()), 1);
  EXPECT_EQ(engine().oneLoop(), 50.0);
  EXPECT_EQ(engine().oneLoop(), 100.0);
  engine().getValues();
  EXPECT_EQ(readCsv(dir.file("first.csv")).size(), 3u);  // header, start row, one report
  EXPECT_EQ(readCsv(dir.file("second.csv")).size(), 4u);
}

// Each case breaks one thing; the record must be refused, with the CSV
// created and empty and no run left behind.
TEST(EngineInterface, UnusableRecordsAreRejected) {
  const std::vector<BrokenRecord> cases = refusedRecords();
  TempDir dir;
  const std::string csv = dir.file("rejected.csv");
  const std::string dump = dir.file("rejected.txt");
  for (const BrokenRecord &c : cases) {
    SCOPED_TRACE(c.name);
    Scenario s;
    c.apply(s);
    EXPECT_EQ(engine().init(&s.record, dump.c_str(), csv.c_str()), 0);
    EXPECT_TRUE(std::filesystem::exists(csv));
    EXPECT_EQ(readFile(csv), "");
    EXPECT_EQ(engine().oneLoop(), 100.0);
  }
  EXPECT_EQ(engine().init(nullptr, nullptr, nullptr), 0);
}

TEST(EngineInterface, UnusedInputsNeedNoCare) {
  Scenario s;
  s.volume2 = 0;                     // one zone: zone 2 does not exist
  s.zone2C = kNaN;                   // nor does its concentration
  s.sources = {{2, 0, kNaN, 1, 1}};  // a source in a missing zone never acts
  EXPECT_EQ(initRun(s), 1);
}

TEST(EngineInterface, MissingFilesDoNotStopTheRun) {
  TempDir dir;
  Scenario s;
  s.outdoorC = 1;
  s.primary = s.secondary = {{0, 0.0f, 20.0f}};
  const std::string unwritable = dir.file("no/such/folder/run.csv");
  EXPECT_EQ(initRun(s, unwritable.c_str(), dir.file("no/such/dump.txt").c_str()), 1);
  EXPECT_EQ(finishRun(s).Cpeak, 1.0f);
  EXPECT_TRUE(std::filesystem::is_empty(dir.file("")));
}

TEST(EngineInterface, HelpTexts) {
  for (int i = 0; i < LUMO32_HELP_COUNT; ++i)
    EXPECT_GT(std::strlen(engine().helpString(i)), 40u) << i;
  EXPECT_STREQ(engine().helpString(10),
               "The start day chosen for the event should be realistic, as it will have some "
               "bearing on values to be chosen on the Occupancy screen.");
  EXPECT_STREQ(engine().helpString(12),
               "The default values currently do not vary for primer vs. paint, or across the "
               "different types of paint.");
  EXPECT_STREQ(engine().helpString(15), engine().helpString(4));
  EXPECT_STRNE(engine().helpString(23), engine().helpString(25));
  // The texts name what the program has: runs of up to 999 days, and no tabs
  // but the Execution screen.
  EXPECT_NE(std::string(engine().helpString(20)).find("1 to 999 days"), std::string::npos);
  for (int i = 0; i < LUMO32_HELP_COUNT; ++i) {
    const std::string text = engine().helpString(i);
    EXPECT_EQ(text.find("365 days"), std::string::npos) << i;
    EXPECT_EQ(text.find(" tab"), std::string::npos) << i;
    EXPECT_EQ(text.find(" Tab"), std::string::npos) << i;
  }
  EXPECT_NE(std::string(engine().helpString(23)).find("Execution screen"), std::string::npos);
  EXPECT_STREQ(engine().helpString(26), "");
  EXPECT_STREQ(engine().helpString(-1), "");
}

TEST(EngineInterface, SayHelloWritesToStandardError) {
  testing::internal::CaptureStderr();
  EXPECT_EQ(engine().sayHello(nullptr), 1);
  const std::string said = testing::internal::GetCapturedStderr();
  EXPECT_NE(said.find("Hello from a DLL!"), std::string::npos);
  EXPECT_NE(said.find("DLL MessageBox"), std::string::npos);
}

}  // namespace
}  // namespace lumo_test
