#include "batch_run.h"

#include <chrono>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

#include "chemical_file.h"
#include "default_scenario.h"
#include "lumo_transfer.h"
#include "platform.h"
#include "result_text.h"

namespace lumo::cli {

namespace {

// Takes the worker's notifications on the worker's own thread.
class Owner : public RunNotifications {
 public:
  explicit Owner(const std::function<void(int)> &progress) : progress_(progress) {}

  void RunProgress(RunId, int percent) override {
    if (progress_) progress_(percent);
  }
  void RunDone(RunId, ExecutionResultsRecord results) override {
    std::lock_guard<std::mutex> lock(mutex_);
    results_ = results;
  }
  void RunNoLibrary(RunId, std::string detail) override {
    std::lock_guard<std::mutex> lock(mutex_);
    failure_ = std::string(kNoLibraryText) + " (" + detail + ")";
  }
  void RunInitFailed(RunId) override {
    std::lock_guard<std::mutex> lock(mutex_);
    failure_ = kInitFailedText;
  }
  void RunFailed(RunId, std::string message) override {
    std::lock_guard<std::mutex> lock(mutex_);
    failure_ = std::move(message);
  }
  void RunStopped(RunId, int percent) override {
    std::lock_guard<std::mutex> lock(mutex_);
    stoppedAt_ = percent;
  }

  std::optional<ExecutionResultsRecord> Results() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return results_;
  }
  std::string Failure() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return failure_;
  }
  std::optional<int> StoppedAt() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return stoppedAt_;
  }

 private:
  const std::function<void(int)> &progress_;
  mutable std::mutex mutex_;
  std::optional<ExecutionResultsRecord> results_;
  std::string failure_;
  std::optional<int> stoppedAt_;
};

}  // namespace

BatchRun::BatchRun(std::string programDirectory, const std::atomic<bool> &interrupted,
                   std::function<void(int)> progress)
    : BatchRun(platform::LayoutInOneFolder(programDirectory), interrupted, std::move(progress)) {}

BatchRun::BatchRun(platform::ProgramLayout layout, const std::atomic<bool> &interrupted,
                   std::function<void(int)> progress)
    : layout_(std::move(layout)), interrupted_(interrupted), progress_(std::move(progress)) {}

ScenarioOutcome BatchRun::Execute(LumoTransfer &scenario, ScenarioOutcome outcome) {
  outcome.chemical = scenario.ScenarioRecord.ChemicalName.Text();
  outcome.molecularWeight = scenario.ScenarioRecord.MolecularWeight;
  if (interrupted_) {
    outcome.stopped = true;
    outcome.error = "Not run: stopped by the user";
    return outcome;
  }
  Owner owner(progress_);
  std::string error;
  try {
    if (scenario.ExecuteLUMO(owner, &error) == 0) {
      outcome.error = outcome.scenario + ": " + error;
      return outcome;
    }
  } catch (const std::exception &e) {
    // The scenario check, the schedule's row limit, an unwritable
    // emission.csv: nothing was started.
    outcome.error = outcome.scenario + ": " + e.what();
    return outcome;
  }
  outcome.csv = scenario.CSVName();

  // Ctrl+C acts like the Stop button: the worker ends after its current
  // report interval.
  while (!scenario.Worker().Idle()) {
    if (interrupted_) scenario.StopExecution();
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  scenario.Worker().Wait();

  if (auto results = owner.Results()) {
    scenario.AfterExecution(*results);
    for (std::size_t i = 0; i < kResultFields.size(); ++i)
      outcome.results[i] = scenario.ScenarioRecord.*kResultFields[i].value;
    outcome.ok = true;
    outcome.runLength = AssessRunLength(scenario.Record(), outcome.csv);
  } else if (!owner.Failure().empty()) {
    outcome.error = outcome.scenario + ": " + owner.Failure();
  } else if (auto percent = owner.StoppedAt()) {
    outcome.stopped = true;
    outcome.error = outcome.scenario + ": Stopped by the user at " + std::to_string(*percent) +
                    " %; the CSV keeps the rows written so far";
  } else {
    outcome.error = outcome.scenario + ": The calculation ended without results";
  }
  return outcome;
}

ScenarioOutcome BatchRun::RunStartupScenario() {
  auto scenario = std::make_unique<LumoTransfer>(layout_);
  ScenarioOutcome outcome;
  outcome.startup = true;
  outcome.scenario = layout_.StartupScenario();
  TFileChemical chemicals(layout_.ChemicalListToRead());
  try {
    SetStartupScenario(*scenario, chemicals);
  } catch (const std::exception &e) {
    outcome.error = e.what();
    return outcome;
  }
  outcome.scenario = scenario->ScenarioRecord.ScenarioFileName.Text();
  return Execute(*scenario, std::move(outcome));
}

ScenarioOutcome BatchRun::RunScenarioFile(const std::string &path) {
  auto scenario = std::make_unique<LumoTransfer>(layout_);
  ScenarioOutcome outcome;
  outcome.scenario = path;
  try {
    scenario->GetState(path);
  } catch (const std::exception &e) {
    // The model's messages name the file they are about ("... Does not
    // Exist", "File is Corrupt or Incomplete: ..."); that may be the
    // schedule file, so the scenario is named too.
    std::string message = e.what();
    outcome.error = message.find(path) == std::string::npos ? path + ": " + message : message;
    return outcome;
  }
  return Execute(*scenario, std::move(outcome));
}

}  // namespace lumo::cli
