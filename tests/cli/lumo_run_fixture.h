// lumo-run run as a user runs it, from a temporary program directory
// holding copies of the program, the engine and the chemical list.
#pragma once

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "default_scenario.h"
#include "temp_dir.h"

extern char **environ;

namespace lumo {

namespace fs = std::filesystem;

class LumoRun : public ::testing::Test {
 protected:
  test::TempDir programDir;
  test::TempDir dataDir;
  std::string out, err;

  void SetUp() override {
    fs::copy_file(LUMO_RUN_PATH, programDir.File("lumo-run"));
    fs::copy_file(ENGINE_LIBRARY_PATH, programDir.File("liblumo32.so"));
    fs::copy_file(std::string(LUMO_SOURCE_DATA_DIR) + "/Chems.dat", programDir.File("Chems.dat"));
  }

  pid_t Spawn(std::vector<std::string> args, const std::string &stdoutPath = {}) {
    args.insert(args.begin(), programDir.File("lumo-run"));
    std::vector<char *> argv;
    for (auto &a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    const std::string outPath = stdoutPath.empty() ? dataDir.File("out.txt") : stdoutPath;
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    posix_spawn_file_actions_addopen(&actions, 2, dataDir.File("err.txt").c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    pid_t pid = 0;
    int rc = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    return rc == 0 ? pid : -1;
  }
  int Finish(pid_t pid) {
    int status = 0;
    if (pid < 0 || waitpid(pid, &status, 0) != pid) return -1;
    out = test::ReadFileBytes(dataDir.File("out.txt"));
    err = test::ReadFileBytes(dataDir.File("err.txt"));
    return WIFEXITED(status) ? WEXITSTATUS(status) : 1000 + WTERMSIG(status);
  }
  int Run(std::vector<std::string> args) { return Finish(Spawn(std::move(args))); }

  // Saves the start-up scenario, changed by `edit`, as `name`.
  std::string Save(const std::string &name, const std::function<void(LumoTransfer &)> &edit = {}) {
    LumoTransfer s(programDir.Path());
    TFileChemical chemicals(programDir.File("Chems.dat"));
    SetStartupScenario(s, chemicals);
    if (edit) edit(s);
    s.SaveState(dataDir.File(name));
    return dataDir.File(name);
  }
};

inline bool Has(const std::string &text, const std::string &part) {
  return text.find(part) != std::string::npos;
}

}  // namespace lumo
