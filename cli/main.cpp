// lumo-run: runs painting scenarios without a window and prints their
// results (see UsageText in command_line.cpp).
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <string>
#include <vector>

#include "assessment_command.h"
#include "batch_run.h"
#include "command_line.h"
#include "comparison_command.h"
#include "platform.h"
#include "program_layout.h"
#include "progress_bar.h"
#include "result_report.h"

namespace {

std::atomic<bool> interrupted{false};
static_assert(std::atomic<bool>::is_always_lock_free);

extern "C" void OnInterrupt(int) {
  interrupted = true;
}

void CatchInterrupt() {
  struct sigaction sa {};
  sa.sa_handler = OnInterrupt;
  sigemptyset(&sa.sa_mask);
  ::sigaction(SIGINT, &sa, nullptr);
}

}  // namespace

int main(int argc, char **argv) {
  using namespace lumo::cli;
  CommandLine cmd = ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
  if (cmd.help) {
    std::fputs(UsageText().c_str(), stdout);
    return 0;
  }
  if (cmd.version) {
    std::fputs(VersionText().c_str(), stdout);
    return 0;
  }
  const lumo::platform::ProgramLayout &layout = lumo::platform::RunningProgramLayout();
  if (cmd.paths) {
    for (const std::string &line : lumo::platform::DescribeLayout(layout))
      std::printf("%s\n", line.c_str());
    return 0;
  }
  if (!cmd.error.empty()) {
    std::fprintf(stderr, "lumo-run: %s\n", cmd.error.c_str());
    return 2;
  }
  // A failure here shows again, naming the file, where the file is needed.
  for (const std::string &problem : lumo::platform::PrepareUserFolders(layout))
    std::fprintf(stderr, "lumo-run: %s\n", problem.c_str());
  CatchInterrupt();

  ProgressBar bar(stderr, ::isatty(STDERR_FILENO) == 1);
  if (!cmd.merge.empty()) {
    AssessmentCommandIo io;
    return RunMergeCommand(cmd, io);
  }
  if (cmd.compare || !cmd.sweep.empty()) {
    ComparisonCommandIo io;
    io.programDirectory = lumo::platform::ExecutableDirectory();
    io.interrupted = &interrupted;
    io.progress = [&bar, begun = false](std::size_t done, std::size_t total) mutable {
      if (!begun) bar.Begin("runs");
      begun = true;
      bar.Update(total ? static_cast<int>(done * 100 / total) : 100);
    };
    io.runEnded = [&bar] { bar.End(); };
    return cmd.compare ? RunCompareCommand(cmd, io) : RunSweepCommand(cmd, io);
  }
  if (!cmd.monteCarlo.empty()) {
    AssessmentCommandIo io;
    io.layout = &layout;
    io.interrupted = &interrupted;
    // The bar appears once the cases run, and goes before anything is printed.
    io.progress = [&bar,
                   label = cmd.useDefault ? std::string("start-up scenario") : cmd.files.front(),
                   begun = false](std::size_t done, std::size_t total) mutable {
      if (!begun) bar.Begin(label);
      begun = true;
      bar.Update(total ? static_cast<int>(done * 100 / total) : 100);
    };
    io.runEnded = [&bar] { bar.End(); };
    return RunAssessmentCommand(cmd, io);
  }
  BatchRun batch(layout, interrupted, [&bar](int percent) { bar.Update(percent); });

  std::vector<ScenarioOutcome> outcomes;
  auto run = [&](const std::string &label, auto &&how) {
    bar.Begin(label);
    ScenarioOutcome o = how();
    bar.End();
    if (!o.ok) std::fprintf(stderr, "lumo-run: %s\n", o.error.c_str());
    if (!cmd.json) {
      std::fputs((outcomes.empty() ? "" : "\n"), stdout);
      std::fputs(ResultText(o).c_str(), stdout);
      std::fflush(stdout);
    }
    outcomes.push_back(std::move(o));
  };
  if (cmd.useDefault) run("start-up scenario", [&] { return batch.RunStartupScenario(); });
  for (const std::string &file : cmd.files) {
    if (interrupted) break;
    run(file, [&] { return batch.RunScenarioFile(file); });
  }
  if (cmd.json) std::fputs(ResultJson(outcomes).c_str(), stdout);
  // Results that did not reach their reader are a failure, not a success
  // (a full disk, a closed pipe).
  if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
    std::fprintf(stderr, "lumo-run: the results could not be written to standard output\n");
    return 1;
  }

  if (interrupted) return 130;
  for (const ScenarioOutcome &o : outcomes)
    if (!o.ok) return 1;
  return 0;
}
