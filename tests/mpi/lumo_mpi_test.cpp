// lumo-mpi run by mpirun as a cluster user runs it: the same output as
// lumo-run on 1, 2 and 3 ranks, refusals said once, and a rank that dies
// ending the job instead of hanging it.
#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <nlohmann/json.hpp>
#include <thread>

#include "lumo_run_fixture.h"

namespace lumo {
namespace {

const char *const kAssessment = R"({
  "iterations": 60, "seed": 11,
  "inputs": {
    "BodyWeight": {"distribution": "lognormal", "gm": 71.8, "gsd": 1.2},
    "BldgVolume": {"distribution": "loguniform", "min": 1000, "max": 100000000}},
  "reference": {"C8hour": 5.0},
  "sensitivity": {"spearman": true, "one-at-a-time": true,
                  "sobol": {"base-samples": 16, "bootstrap": 20}}})";

class LumoMpi : public LumoRun {
 protected:
  void SetUp() override {
    LumoRun::SetUp();
    fs::copy_file(LUMO_MPI_PATH, programDir.File("lumo-mpi"));
    // Test machines and CI run as root; one machine has fewer cores than ranks.
    ::setenv("OMPI_ALLOW_RUN_AS_ROOT", "1", 1);
    ::setenv("OMPI_ALLOW_RUN_AS_ROOT_CONFIRM", "1", 1);
    ::setenv("OMPI_MCA_rmaps_base_oversubscribe", "1", 1);
    // Containers often forbid one process reading another's memory, the
    // shared-memory transport's fast path for large messages.
    ::setenv("OMPI_MCA_btl_vader_single_copy_mechanism", "none", 1);
  }
  std::string Write(const std::string &name, const std::string &text) {
    std::ofstream(dataDir.File(name), std::ios::binary) << text;
    return dataDir.File(name);
  }
  pid_t SpawnMpi(int ranks, std::vector<std::string> args) {
    std::vector<std::string> all = {MPIRUN_PATH, "-n", std::to_string(ranks),
                                    programDir.File("lumo-mpi")};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char *> argv;
    for (auto &a : all) argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, dataDir.File("out.txt").c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, dataDir.File("err.txt").c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    pid_t pid = 0;
    const int rc = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    return rc == 0 ? pid : -1;
  }
  int RunMpi(int ranks, std::vector<std::string> args) {
    return Finish(SpawnMpi(ranks, std::move(args)));
  }
};

TEST_F(LumoMpi, PrintsWhatLumoRunPrintsOnAnyNumberOfRanks) {
  const std::string dist = Write("dist.json", kAssessment);
  for (const bool json : {true, false}) {
    std::vector<std::string> args = {dist, "--default", "--threads", "1"};
    if (json) args.push_back("--json");
    std::vector<std::string> single = {"--monte-carlo", dist, "--default"};
    if (json) single.push_back("--json");
    ASSERT_EQ(Run(single), 0) << err;
    const std::string expected = out;
    for (int ranks : {1, 2, 3}) {
      ASSERT_EQ(RunMpi(ranks, args), 0) << ranks << " ranks\n" << err;
      EXPECT_EQ(out, expected) << ranks << " ranks";
    }
  }
  // A saved scenario and the samples file.
  const std::string scenario = Save("office.vkx");
  ASSERT_EQ(Run({"--monte-carlo", dist, scenario, "--samples", dataDir.File("one.csv")}), 0);
  const std::string expected = out;
  ASSERT_EQ(RunMpi(2, {dist, scenario, "--samples", dataDir.File("two.csv")}), 0) << err;
  EXPECT_EQ(out, expected);
  EXPECT_EQ(test::ReadFileBytes(dataDir.File("two.csv")),
            test::ReadFileBytes(dataDir.File("one.csv")));
}

TEST_F(LumoMpi, SeveralScenariosAsLumoRunGivesThem) {
  const std::string dist = Write("dist.json", kAssessment);
  const std::string office = Save("office.vkx");
  const std::vector<std::string> scenarios = {"--default", office, dataDir.File("missing.vkx")};
  std::vector<std::string> single = {"--monte-carlo", dist, "--json", "--samples",
                                     dataDir.File("one.csv")};
  single.insert(single.end(), scenarios.begin(), scenarios.end());
  ASSERT_EQ(Run(single), 1);
  const std::string expected = out;
  std::vector<std::string> args = {dist, "--json", "--samples", dataDir.File("two.csv")};
  args.insert(args.end(), scenarios.begin(), scenarios.end());
  ASSERT_EQ(RunMpi(2, args), 1) << err;
  EXPECT_EQ(out, expected);
  EXPECT_EQ(test::ReadFileBytes(dataDir.File("two.csv")),
            test::ReadFileBytes(dataDir.File("one.csv")));
  EXPECT_TRUE(Has(err, "missing.vkx")) << err;
}

TEST_F(LumoMpi, ARefusedFileIsSaidOnceAndNothingRuns) {
  const std::string dist = Write(
      "bad.json",
      R"({"iterations": 10, "inputs": {"BodyWieght": {"distribution": "fixed", "value": 70}}})");
  EXPECT_EQ(RunMpi(2, {dist, "--default"}), 1);
  EXPECT_TRUE(Has(err, "lumo-mpi: ")) << err;
  const auto first = err.find("BodyWieght");
  ASSERT_NE(first, std::string::npos) << err;
  EXPECT_EQ(err.find("BodyWieght", first + 1), std::string::npos) << "said more than once:\n"
                                                                  << err;
  EXPECT_EQ(out, "");
}

TEST_F(LumoMpi, ARankThatDiesEndsTheJob) {
  nlohmann::json dist = nlohmann::json::parse(kAssessment);
  dist["iterations"] = 2000000;
  dist["sensitivity"] = {{"spearman", true}};
  const pid_t pid = SpawnMpi(2, {Write("long.json", dist.dump()), "--default", "--threads", "1"});
  ASSERT_GT(pid, 0);
  // Wait for both ranks to be at work, then kill one of them.
  std::string victim;
  for (int i = 0; i < 100 && victim.empty(); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    // The ranks' command lines start with the program; mpirun's does not.
    std::FILE *p = ::popen(("pgrep -f '^" + programDir.File("lumo-mpi") + "'").c_str(), "r");
    char line[64];
    std::vector<std::string> pids;
    while (p && std::fgets(line, sizeof line, p)) pids.emplace_back(line);
    if (p) ::pclose(p);
    if (pids.size() == 2) victim = pids.back();
  }
  if (victim.empty()) {
    ::kill(pid, SIGKILL);
    Finish(pid);
    FAIL() << "the ranks did not start";
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(500));
  ::kill(std::stoi(victim), SIGKILL);
  const auto start = std::chrono::steady_clock::now();
  const int status = Finish(pid);
  EXPECT_NE(status, 0);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(60));
}

}  // namespace
}  // namespace lumo
