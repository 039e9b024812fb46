// The engine's inputs assembled from a scenario without files: the same
// bits as the program's own runs have always been given (digests taken from
// the record assembly before it was shared), the emission dump the program
// writes, no file written, and the same inputs from many threads at once.
#include "assemble_engine_inputs.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <thread>

#include "engine_inputs_digest.h"
#include "sample_scenarios.h"
#include "scenario_check.h"
#include "temp_dir.h"

namespace lumo {
namespace {

namespace fs = std::filesystem;

struct Golden {
  std::uint64_t inputs;        // EngineInputBytes
  std::uint64_t emissionDump;  // the text of emission.csv
};

const std::map<std::string, Golden> kGolden = {
    {"factory default", {0x975b75cc6af98ad7ull, 0x802588e72b435a5aull}},
    {"House whole", {0x64d6e9da15ea58e6ull, 0x71c62e9259bea31dull}},
    {"House part", {0x9b485a1c024fc0b0ull, 0x802588e72b435a5aull}},
    {"Apartment whole", {0xe3015f57b574002aull, 0x56ce136b35384b3cull}},
    {"Apartment part", {0xd2d3230b88f84f52ull, 0x08d1c9ef6283a3d4ull}},
    {"High-rise whole", {0x95daa61378d21bb4ull, 0x5533c0a39d33f001ull}},
    {"High-rise part", {0x2ac8d414460907bfull, 0x055a67cb4570ada0ull}},
    {"Low-rise whole", {0x3380ace9b23cec8bull, 0xf138b05d30316d94ull}},
    {"Low-rise part", {0xbedbc6a4a4d824baull, 0x1b37a00a84be2f41ull}},
    {"one-way sinks", {0x3e50e05b5e212a9aull, 0x802588e72b435a5aull}},
    {"reversible sinks, whole house", {0xdb4581b4094b8446ull, 0x71c62e9259bea31dull}},
    {"alkyd, semi-empirical", {0x08e4ab1408bf14deull, 0xe5afac36f4e8873eull}},
    {"Standard Box", {0xe5f58f93c2838b6bull, 0xd8cc7cd0531b2232ull}},
    {"weekend job, next day, adult", {0xa31a6f42724240a3ull, 0x0abd2a6c9dd5e4fcull}},
};

std::vector<std::string> FilesIn(const std::string &folder) {
  std::vector<std::string> names;
  for (const auto &entry : fs::directory_iterator(folder))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

TEST(AssembleEngineInputs, EveryShapeOfScenarioKeepsItsBitsAndTheProgramsRunGetsTheSame) {
  const auto samples = test::SampleScenarios();
  ASSERT_EQ(samples.size(), kGolden.size());
  for (const auto &sample : samples) {
    SCOPED_TRACE(sample.name);
    test::TempDir dir;
    LumoTransfer scenario(dir.Path());
    test::MakeSample(scenario, sample);
    const Golden &golden = kGolden.at(sample.name);

    const EngineAssembly assembly =
        AssembleEngineRecord(scenario.ScenarioRecord, scenario.PaintDurationGrid());
    EXPECT_EQ(test::Digest(test::EngineInputBytes(assembly.inputs)), golden.inputs);
    EXPECT_EQ(test::Digest(assembly.emissionDump), golden.emissionDump);

    scenario.FillTransferRecord();
    const EngineRunInputs run = SnapshotRecord(scenario.Record(), "", "");
    EXPECT_EQ(test::EngineInputBytes(run), test::EngineInputBytes(assembly.inputs));
    EXPECT_EQ(test::ReadFileBytes(dir.File("emission.csv")), assembly.emissionDump);
    EXPECT_EQ(run.recordFileName, assembly.inputs.recordFileName);
  }
}

TEST(AssembleEngineInputs, WritesNoFileAndNamesNone) {
  test::TempDir programDir;
  LumoTransfer scenario(programDir.Path());
  test::MakeSample(scenario, test::SampleScenarios().front());
  const auto here = FilesIn(fs::current_path().string());

  EngineRunInputs in = AssembleEngineInputs(scenario.ScenarioRecord, scenario.PaintDurationGrid());

  EXPECT_TRUE(FilesIn(programDir.Path()).empty());
  EXPECT_EQ(FilesIn(fs::current_path().string()), here);
  EXPECT_EQ(in.dumpFileName, "");
  EXPECT_EQ(in.csvFileName, "");
  EXPECT_EQ(in.recordFileName, programDir.Path() + "/lumo.CSV");
  const TransferRecord bound = BindRecord(in);
  EXPECT_EQ(bound.OverrideActivityList.Entries, 3);
  EXPECT_EQ(bound.OverrideActivityList.List, in.overrides.data());
  EXPECT_STREQ(bound.filename, in.recordFileName.c_str());
}

TEST(AssembleEngineInputs, RefusesAScenarioTheCheckRefusesAndKeepsTheLastRecord) {
  test::TempDir dir;
  LumoTransfer scenario(dir.Path());
  test::MakeSample(scenario, test::SampleScenarios().front());
  scenario.FillTransferRecord();
  const std::string before = test::EngineInputBytes(SnapshotRecord(scenario.Record(), "", ""));
  fs::remove(dir.File("emission.csv"));

  scenario.ScenarioRecord.BodyWeight = 0.5;
  const auto problem = FindScenarioProblem(scenario.ScenarioRecord, scenario.PaintDurationGrid());
  ASSERT_TRUE(problem);
  try {
    AssembleEngineInputs(scenario.ScenarioRecord, scenario.PaintDurationGrid());
    ADD_FAILURE() << "not refused";
  } catch (const EScenarioCheck &e) {
    EXPECT_EQ(e.what(), *problem);
  }
  EXPECT_THROW(scenario.FillTransferRecord(), EScenarioCheck);
  EXPECT_EQ(test::EngineInputBytes(SnapshotRecord(scenario.Record(), "", "")), before);
  EXPECT_FALSE(fs::exists(dir.File("emission.csv")));
}

// Each thread assembles every sample from its own copies of the scenarios,
// again and again; every result equals the one assembled alone.
TEST(AssembleEngineInputs, ThreadsAssemblingAtOnceGetTheSameInputs) {
  struct Scenario {
    ScenarioRecord record;
    std::unique_ptr<PaintDurationGrid> schedule;
    std::string expected;
  };
  std::vector<Scenario> scenarios;
  for (const auto &sample : test::SampleScenarios()) {
    test::TempDir dir;
    LumoTransfer s(dir.Path());
    test::MakeSample(s, sample);
    scenarios.push_back(
        {s.ScenarioRecord, std::make_unique<PaintDurationGrid>(s.PaintDurationGrid()),
         test::EngineInputBytes(AssembleEngineInputs(s.ScenarioRecord, s.PaintDurationGrid()))});
  }
  constexpr int kThreads = 6;
  constexpr int kRounds = 4;
  std::vector<int> mismatches(kThreads, 0);
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([&, t] {
      for (int round = 0; round < kRounds; ++round) {
        for (std::size_t i = 0; i < scenarios.size(); ++i) {
          const Scenario &s = scenarios[(i + t) % scenarios.size()];
          const ScenarioRecord record = s.record;
          const auto schedule = std::make_unique<PaintDurationGrid>(*s.schedule);
          if (test::EngineInputBytes(AssembleEngineInputs(record, *schedule)) != s.expected)
            ++mismatches[t];
        }
      }
    });
  }
  for (auto &thread : threads) thread.join();
  for (int t = 0; t < kThreads; ++t) EXPECT_EQ(mismatches[t], 0) << "thread " << t;
}

}  // namespace
}  // namespace lumo
