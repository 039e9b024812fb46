// Whole runs through the real engine library, as the desktop program makes
// them: ExecuteLUMO, notifications on the owner's thread, AfterExecution on
// Done. Each test has its own program directory holding a link to the
// engine, so the diagnostic files land in a temporary folder.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <functional>
#include <sstream>

#include "default_scenario.h"
#include "owner_loop.h"
#include "platform.h"
#include "scenario_check.h"
#include "temp_dir.h"

namespace lumo {
namespace {

using test::Event;
using test::OwnerLoop;

std::vector<std::string> Lines(const std::string &path) {
  std::istringstream in(test::ReadFileBytes(path));
  std::vector<std::string> lines;
  for (std::string l; std::getline(in, l);) lines.push_back(l);
  return lines;
}

// Whether this process holds `path` open (a descriptor in /proc/self/fd).
bool FileIsOpenHere(const std::string &path) {
  const auto target = std::filesystem::canonical(path);
  for (const auto &fd : std::filesystem::directory_iterator("/proc/self/fd")) {
    std::error_code ec;
    auto linked = std::filesystem::read_symlink(fd.path(), ec);
    if (!ec && linked == target) return true;
  }
  return false;
}

double FirstNumber(const std::string &csvLine) {
  return std::stod(csvLine);
}

class EngineRun : public ::testing::Test {
 protected:
  test::TempDir programDir;
  test::TempDir dataDir;
  std::unique_ptr<LumoTransfer> scenario;
  OwnerLoop owner;

  void SetUp() override {
    std::filesystem::create_symlink(std::string(REAL_ENGINE_DIR) + "/liblumo32.so",
                                    programDir.File("liblumo32.so"));
    scenario = std::make_unique<LumoTransfer>(programDir.Path());
    TFileChemical chemicals(std::string(LUMO_SOURCE_DATA_DIR) + "/Chems.dat");
    SetStartupScenario(*scenario, chemicals);
    Name("run.vkx");
    // The owner copies the results in on Done, as the main window does.
    owner.onEvent = [this](const Event &e) {
      if (e.message == DoneMessage) scenario->AfterExecution(e.results);
    };
  }
  ScenarioRecord &S() { return scenario->ScenarioRecord; }
  void Name(const std::string &file) { S().ScenarioFileName.SetText(dataDir.File(file)); }
  bool RunToEnd(RunId run) {
    return owner.RunUntil([&] { return scenario->Worker().Idle(); }) &&
           !owner.Of(DoneMessage, run).empty();
  }
};

TEST_F(EngineRun, DefaultRunReportsProgressAndEndsWithResults) {
  RunId run = scenario->ExecuteLUMO(owner);
  ASSERT_NE(run, 0u);
  ASSERT_TRUE(RunToEnd(run));

  std::vector<int> percents;
  for (const Event &e : owner.Of(ProgressMessage, run)) percents.push_back(e.percent);
  ASSERT_FALSE(percents.empty());
  for (std::size_t i = 0; i < percents.size(); ++i) {
    EXPECT_GE(percents[i], 1);
    EXPECT_LE(percents[i], 100);
    if (i > 0) {
      EXPECT_GT(percents[i], percents[i - 1]);
    }
  }
  EXPECT_EQ(owner.events.back().message, DoneMessage);
  EXPECT_EQ(owner.Of(DoneMessage, run).size(), 1u);

  // The results are in the scenario and fit together as the engine's
  // formulas say: LADD = dose × events/year ÷ body weight × years ÷ days.
  const ScenarioRecord &s = S();
  EXPECT_GT(s.SingleEventDose, 0);
  EXPECT_GT(s.Cpeak, s.C15min * 0.999);
  EXPECT_GE(s.C15min, s.C8hour);
  EXPECT_NEAR(s.LADD, s.SingleEventDose * 200 / 71.8 * (25 / (75.0 * 365)), 1e-4 * s.LADD);
  EXPECT_NEAR(s.ADD, s.SingleEventDose * 200 / (365.25 * 71.8), 1e-4 * s.ADD);
  EXPECT_EQ(float(s.LADD), owner.Of(DoneMessage, run)[0].results.LADD);

  // One CSV row per hour from 09:00 of day 0 to the end of the fifth day.
  auto csv = Lines(dataDir.File("run.CSV"));
  ASSERT_EQ(csv.size(), 1u + 5 * 24 + 1);
  EXPECT_NEAR(FirstNumber(csv[1]), 0.375, 1e-6);
  EXPECT_NEAR(FirstNumber(csv.back()), 5.375, 1e-5);
  EXPECT_TRUE(std::filesystem::exists(programDir.File("xferlumo32.txt")));
  EXPECT_TRUE(std::filesystem::exists(programDir.File("emission.csv")));
}

// More than 10,000 report intervals: the run must still reach its end.
TEST_F(EngineRun, LongRunEndsAtItsFullLength) {
  S().RunLength = 7;
  S().ReportInterval = 1;
  RunId run = scenario->ExecuteLUMO(owner);
  ASSERT_TRUE(RunToEnd(run));
  auto csv = Lines(dataDir.File("run.CSV"));
  ASSERT_EQ(csv.size(), 1u + 7 * 1440 + 1);
  EXPECT_NEAR(FirstNumber(csv.back()), 7.375, 1e-4);
  EXPECT_GT(S().SingleEventDose, 0);
}

TEST_F(EngineRun, StopGivesNoResultsAndKeepsTheRowsWritten) {
  S().RunLength = 200;
  S().ReportInterval = 1;
  S().LADD = 123;  // the previous run's result
  // Another holder of the engine library (as the window is while it reads
  // the help texts) keeps it loaded after the worker lets it go.
  auto held = platform::DynamicLibrary::Load(programDir.File("liblumo32.so"));
  ASSERT_TRUE(held);
  owner.onEvent = [this](const Event &e) {
    if (e.message == ProgressMessage && e.percent >= 2) scenario->StopExecution();
    if (e.message == DoneMessage) scenario->AfterExecution(e.results);
  };
  RunId run = scenario->ExecuteLUMO(owner);
  ASSERT_TRUE(owner.RunUntil([&] { return scenario->Worker().Idle(); }));
  EXPECT_TRUE(owner.Of(DoneMessage, run).empty());
  EXPECT_EQ(S().LADD, 123);
  auto csv = Lines(dataDir.File("run.CSV"));
  EXPECT_GT(csv.size(), 2u);
  EXPECT_LT(csv.size(), std::size_t(200 * 1440));
  // The stopped run's end says how far it got, and its file is closed at
  // once, not held open until the next run.
  auto stopped = owner.Of(test::StoppedEvent, run);
  ASSERT_EQ(stopped.size(), 1u);
  EXPECT_GE(stopped[0].percent, 2);
  EXPECT_FALSE(FileIsOpenHere(dataDir.File("run.CSV")));
}

TEST_F(EngineRun, AFileTheRunCannotWriteIsRefusedBeforeItStarts) {
  // The concentration file's name is taken by a folder, or its folder is
  // missing; the program's folder cannot take the input dump.
  std::filesystem::create_directory(dataDir.File("folder.CSV"));
  const struct {
    std::function<void()> arrange;
    std::string says;
  } cases[] = {
      {[&] { Name("folder.vkx"); }, "the concentration file " + dataDir.File("folder.CSV") +
                                        " cannot be written (it is a folder)"},
      {[&] { Name("missing/run.vkx"); }, "the concentration file " +
                                             dataDir.File("missing/run.CSV") +
                                             " cannot be written (No such file or directory)"},
      {[&] {
         Name("run.vkx");
         std::filesystem::create_directory(programDir.File("xferlumo32.txt"));
       },
       "the input dump " + programDir.File("xferlumo32.txt") + " cannot be written"},
  };
  for (const auto &c : cases) {
    c.arrange();
    try {
      scenario->ExecuteLUMO(owner);
      ADD_FAILURE() << "started: " << c.says;
    } catch (const platform::FileError &e) {
      EXPECT_NE(std::string(e.what()).find("The run was not started: " + c.says), std::string::npos)
          << e.what();
    }
    EXPECT_TRUE(scenario->Worker().Idle());
    EXPECT_TRUE(owner.events.empty());
  }
  EXPECT_FALSE(std::filesystem::exists(dataDir.File("run.CSV")));  // nothing left behind
}

TEST_F(EngineRun, StopThenNewRunAtOnceCompletesTheNewRun) {
  S().RunLength = 200;
  RunId first = 0, second = 0;
  owner.onEvent = [&](const Event &e) {
    if (e.message == ProgressMessage && e.run == first && second == 0) {
      scenario->StopExecution();
      S().RunLength = 2;
      Name("second.vkx");
      second = scenario->ExecuteLUMO(owner);
    }
    if (e.message == DoneMessage) scenario->AfterExecution(e.results);
  };
  first = scenario->ExecuteLUMO(owner);
  ASSERT_TRUE(owner.RunUntil([&] { return second != 0 && scenario->Worker().Idle(); }));
  EXPECT_TRUE(owner.Of(DoneMessage, first).empty());
  ASSERT_EQ(owner.Of(DoneMessage, second).size(), 1u);
  EXPECT_GT(S().SingleEventDose, 0);
  EXPECT_EQ(Lines(dataDir.File("second.CSV")).size(), 1u + 2 * 24 + 1);
}

TEST_F(EngineRun, MissingLibraryGivesOneMessage) {
  std::filesystem::remove(programDir.File("liblumo32.so"));
  RunId run = scenario->ExecuteLUMO(owner);
  ASSERT_TRUE(owner.RunUntil([&] { return scenario->Worker().Idle(); }));
  ASSERT_EQ(owner.events.size(), 1u);
  EXPECT_EQ(owner.events[0].message, NoLibraryMessage);
  EXPECT_EQ(owner.events[0].run, run);
  EXPECT_FALSE(std::filesystem::exists(dataDir.File("run.CSV")));
}

TEST_F(EngineRun, RecordTheEngineRejectsGivesInitFailed) {
  scenario->FillTransferRecord();
  EngineRunInputs inputs = SnapshotRecord(scenario->Record(), "", dataDir.File("rejected.CSV"));
  inputs.record.Zones = 0;
  XferThread worker(programDir.Path());
  RunId run = worker.Start(std::move(inputs), owner);
  ASSERT_TRUE(owner.RunUntil([&] { return worker.Idle(); }));
  ASSERT_EQ(owner.events.size(), 1u);
  EXPECT_EQ(owner.events[0].message, InitFailedMessage);
  EXPECT_EQ(owner.events[0].run, run);
  EXPECT_EQ(test::ReadFileBytes(dataDir.File("rejected.CSV")), "");
}

// The far corner of the table of limits: the most chemical in the smallest
// painted zone with no air exchange, breathed at the highest rate for the
// longest run, as often and as long as allowed, by the lightest person.
// Every result stays a finite number.
TEST_F(EngineRun, TheLargestValuesWithinTheLimitsGiveFiniteResults) {
  ScenarioRecord &s = S();
  s.BldgVolume = 1;
  s.PercentPainted = 0.01;
  s.BldgArea = BldgArea::OneBedroom;
  s.AirExchangeRate = 0;
  s.InterzonalAirflow = 0;
  s.LoadingRatio = 10;
  s.PrimerCoats = s.PaintCoats = 100;
  s.PrimerCoverage = s.PaintCoverage = 1;
  s.PrimerApplicationRate = s.PaintApplicationRate = 0.01;
  s.PrimerChemicalMass = s.PaintChemicalMass = 1e12;
  s.PrimerRateConstant1 = s.PrimerRateConstant2 = 1e7;
  s.PaintRateConstant1 = s.PaintRateConstant2 = 1e7;
  for (ActivityPattern *p : {&s.WeekDayPattern, &s.WeekEndPattern}) {
    for (int i = 0; i < p->Count; ++i) {
      p->Zone[i] = 1;
      p->BreathingRate[i] = 1e6;
    }
  }
  s.EventsPerYear = 1e6;
  s.YearsofExposure = 150;
  s.LifeTime = 1;
  s.BodyWeight = 1;
  s.RunLength = 999;
  scenario->SetPaintDurationGrid();
  auto &g = scenario->PaintDurationGrid();
  for (int r = 0; r < g.Rows(); ++r) g.SetCell(PaintDurationGrid::kBreathingRate, r, "1000000");
  ASSERT_EQ(FindScenarioProblem(s, g), std::nullopt);

  RunId run = scenario->ExecuteLUMO(owner);
  ASSERT_NE(run, 0u);
  ASSERT_TRUE(owner.RunUntil([&] { return scenario->Worker().Idle(); }, std::chrono::minutes(2)));
  ASSERT_EQ(owner.Of(DoneMessage, run).size(), 1u) << "the run did not end with results";
  for (double v :
       {s.LADD, s.ADD, s.LADC, s.ADC, s.Cpeak, s.APDR, s.SingleEventDose, s.C15min, s.C8hour}) {
    EXPECT_TRUE(std::isfinite(v)) << v;
    EXPECT_GT(v, 0);
  }
}

}  // namespace
}  // namespace lumo
