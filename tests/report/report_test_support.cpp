#include "report_test_support.h"

#include <mutex>
#include <optional>

#include "chemical_file.h"
#include "default_scenario.h"
#include "platform.h"

namespace lumo::report::test {
namespace {

class SyncOwner : public RunNotifications {
 public:
  void RunProgress(RunId, int) override {}
  void RunDone(RunId, ExecutionResultsRecord results) override {
    std::lock_guard<std::mutex> lock(mutex_);
    results_ = results;
  }
  void RunNoLibrary(RunId, std::string detail) override { Fail(kNoLibraryText + (": " + detail)); }
  void RunInitFailed(RunId) override { Fail(kInitFailedText); }
  void RunFailed(RunId, std::string message) override { Fail(message); }
  void RunStopped(RunId, int) override { Fail("stopped"); }

  std::optional<ExecutionResultsRecord> Results() {
    std::lock_guard<std::mutex> lock(mutex_);
    return results_;
  }
  std::string Failure() {
    std::lock_guard<std::mutex> lock(mutex_);
    return failure_;
  }

 private:
  void Fail(const std::string &why) {
    std::lock_guard<std::mutex> lock(mutex_);
    failure_ = why;
  }
  std::mutex mutex_;
  std::optional<ExecutionResultsRecord> results_;
  std::string failure_;
};

}  // namespace

std::unique_ptr<LumoTransfer> StartupScenario(const QString &scenarioPath, std::string *error) {
  auto scenario = std::make_unique<LumoTransfer>();
  TFileChemical chemicals(scenario->ProgramDirectory() + platform::PathSeparator() + "Chems.dat");
  try {
    SetStartupScenario(*scenario, chemicals);
    scenario->ScenarioRecord.ScenarioFileName.SetText(scenarioPath.toStdString());
  } catch (const std::exception &e) {
    if (error) *error = e.what();
    return nullptr;
  }
  return scenario;
}

bool RunToEnd(LumoTransfer &scenario, std::string *error) {
  SyncOwner owner;
  try {
    if (scenario.ExecuteLUMO(owner, error) == 0) return false;
  } catch (const std::exception &e) {
    if (error) *error = e.what();
    return false;
  }
  scenario.Worker().Wait();
  if (auto results = owner.Results()) {
    scenario.AfterExecution(*results);
    return true;
  }
  if (error) *error = owner.Failure().empty() ? "no results" : owner.Failure();
  return false;
}

ChooserScope::ChooserScope(controls::RecordingCanvas &target) {
  auto calls = calls_;
  previous_ = controls::SetPrinterChooser([&target, calls](QWidget *) {
    ++*calls;
    return std::unique_ptr<controls::PrintCanvas>(new ForwardingCanvas(target));
  });
}

ChooserScope::~ChooserScope() {
  controls::SetPrinterChooser(previous_);
}

}  // namespace lumo::report::test
