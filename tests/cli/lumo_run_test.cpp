// lumo-run itself, run as a user runs it, from a temporary program
// directory holding copies of the program, the engine and the chemical list.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <thread>

#include "default_scenario.h"
#include "lumo_run_fixture.h"
#include "result_text.h"
#include "temp_dir.h"

namespace lumo {
namespace {

TEST_F(LumoRun, DefaultScenarioPrintsTheTenResults) {
  ASSERT_EQ(Run({"--default"}), 0) << err;
  for (const ResultField &f : kResultFields) EXPECT_TRUE(Has(out, f.name)) << f.name;
  EXPECT_TRUE(Has(out, "TMPD-MIB"));
  EXPECT_TRUE(Has(out, " ppm)"));
  EXPECT_TRUE(Has(out, programDir.File("lumo.CSV")));
  EXPECT_TRUE(fs::exists(programDir.File("lumo.CSV")));
  EXPECT_TRUE(fs::exists(programDir.File("emission.csv")));
  EXPECT_TRUE(fs::exists(programDir.File("xferlumo32.txt")));
  EXPECT_EQ(err, "");  // no progress bar when standard error is a file
}

TEST_F(LumoRun, RunsEveryScenarioAndReportsEachFailureByFile) {
  std::string plain = Save("plain.vkx");
  // Twice the breathing rate in the saved painting schedule: the run uses
  // the schedule as saved, so the painter inhales more.
  std::string heavy = Save("heavy.vkx", [](LumoTransfer &s) {
    auto &g = s.PaintDurationGrid();
    for (int r = 0; r < g.Rows(); ++r) g.SetCell(PaintDurationGrid::kBreathingRate, r, "55.00");
  });
  std::string refused =
      Save("refused.vkx", [](LumoTransfer &s) { s.ScenarioRecord.ReportInterval = 0; });
  std::string shortFile = dataDir.File("short.vkx");
  test::WriteFileBytes(shortFile, "too short");
  test::WriteFileBytes(dataDir.File("short.vk1"), "");
  std::string missing = dataDir.File("missing.vkx");

  ASSERT_EQ(Run({"--json", plain, missing, shortFile, refused, heavy}), 1) << err;
  // The schedule file is looked for first.
  EXPECT_TRUE(Has(err, missing + ": " + dataDir.File("missing.vk1") + " Does not Exist")) << err;
  EXPECT_TRUE(Has(err, "File is Corrupt or Incomplete")) << err;
  EXPECT_TRUE(Has(err, refused + ": The reporting interval is 0; it must be from 1 to 60")) << err;

  // Five objects in order; the two good ones have results and their CSVs.
  const auto json = nlohmann::json::parse(out);
  ASSERT_EQ(json.size(), 5u) << out;
  const std::string files[] = {plain, missing, shortFile, refused, heavy};
  for (std::size_t i = 0; i < 5; ++i) EXPECT_EQ(json[i]["scenario"], files[i]);
  for (std::size_t i : {1, 2, 3}) EXPECT_TRUE(json[i].contains("error")) << json[i];
  EXPECT_TRUE(fs::exists(dataDir.File("plain.CSV")));
  EXPECT_TRUE(fs::exists(dataDir.File("heavy.CSV")));
  EXPECT_FALSE(fs::exists(dataDir.File("refused.CSV")));
  const double dose0 = json[0]["results"]["SingleEventDose"];
  const double dose4 = json[4]["results"]["SingleEventDose"];
  EXPECT_NEAR(dose4 / dose0, 2.0, 0.2);
}

TEST_F(LumoRun, AConcentrationFileThatCannotBeWrittenStopsTheScenarioBeforeItRuns) {
  std::string blocked = Save("blocked.vkx");
  fs::create_directory(dataDir.File("blocked.CSV"));  // a folder takes the file's name
  ASSERT_EQ(Run({blocked}), 1);
  EXPECT_TRUE(Has(err, "The run was not started: the concentration file " +
                           dataDir.File("blocked.CSV") + " cannot be written (it is a folder)"))
      << err;
  EXPECT_FALSE(Has(out, "Concentrations:")) << out;  // no file to point at
  EXPECT_FALSE(Has(out, "LADD"));
}

TEST_F(LumoRun, ALongChemicalNameIsPrintedWhole) {
  // 120 characters of two bytes each in UTF-8: far beyond a line buffer.
  std::string name;
  for (int i = 0; i < 120; ++i) name += "é";
  std::string path =
      Save("accents.vkx", [&](LumoTransfer &s) { s.ScenarioRecord.ChemicalName.SetText(name); });
  ASSERT_EQ(Run({path}), 0) << err;
  EXPECT_TRUE(Has(out, "  Chemical: " + name + " (molecular weight 216.32 g/mole)\n")) << out;
}

TEST_F(LumoRun, ResultsThatCannotBeWrittenOutAreAFailure) {
  ASSERT_EQ(Finish(Spawn({"--default"}, "/dev/full")), 1);
  EXPECT_TRUE(Has(err, "could not be written to standard output")) << err;
}

TEST_F(LumoRun, MissingLibraryIsReported) {
  fs::remove(programDir.File("liblumo32.so"));
  ASSERT_EQ(Run({"--default"}), 1);
  EXPECT_TRUE(Has(err, "Could Not Load the LUMODLL")) << err;
  EXPECT_TRUE(Has(out, "Error:"));
}

TEST_F(LumoRun, CtrlCStopsTheRunKeepsItsRowsAndEndsWith130) {
  std::string longRun = Save("long.vkx", [](LumoTransfer &s) {
    s.ScenarioRecord.RunLength = 999;
    s.ScenarioRecord.ReportInterval = 1;
  });
  std::string next = Save("next.vkx");
  pid_t pid = Spawn({longRun, next});
  ASSERT_GT(pid, 0);
  std::string csv = dataDir.File("long.CSV");
  auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  while ((!fs::exists(csv) || fs::file_size(csv) < 4096) &&
         std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  ASSERT_EQ(kill(pid, SIGINT), 0);
  EXPECT_EQ(Finish(pid), 130) << err;
  EXPECT_GT(fs::file_size(csv), 4096u);
  EXPECT_TRUE(Has(err, "Stopped"));
  EXPECT_FALSE(fs::exists(dataDir.File("next.CSV")));  // the rest is not run
}

TEST_F(LumoRun, HelpAndBadCommandLines) {
  ASSERT_EQ(Run({"--help"}), 0);
  for (const char *part : {"--default", "--json", "Ctrl+C", "130", "LADD", "Chems.dat"})
    EXPECT_TRUE(Has(out, part)) << part;
  EXPECT_EQ(Run({"--bogus"}), 2);
  EXPECT_TRUE(Has(err, "--bogus"));
  EXPECT_EQ(Run({}), 2);
}

}  // namespace
}  // namespace lumo
