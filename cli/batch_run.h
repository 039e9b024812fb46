// Running scenarios one after another through the same code path as the
// desktop program: open (or set up the start-up scenario), ExecuteLUMO with
// the real engine library from the program's directory, wait for the worker,
// AfterExecution on Done.
#pragma once

#include <array>
#include <atomic>
#include <functional>
#include <optional>
#include <string>

#include "program_layout.h"
#include "run_length_adequacy.h"

namespace lumo {
class LumoTransfer;
}

namespace lumo::cli {

// What became of one scenario.
struct ScenarioOutcome {
  std::string scenario;  // the scenario file (for --default, its default name)
  bool startup = false;  // the start-up scenario, not read from a file
  bool ok = false;       // ran to its end; `results` hold the run's results
  bool stopped = false;  // stopped by the user
  std::string error;     // the message when not ok
  std::string csv;       // the concentration file (when the run started)
  std::string chemical;  // chemical name
  double molecularWeight = 0;
  std::array<double, 10> results{};  // in the order of kResultFields
  // Whether the run was long enough for the long-term measures (when ok).
  std::optional<RunLengthAdequacy> runLength;
};

class BatchRun {
 public:
  // `programDirectory` holds the engine library and the chemical list and
  // receives the diagnostic files. While `interrupted` is set the current
  // run is stopped. `progress` gets the whole percentages of a run (from the
  // worker's thread).
  BatchRun(std::string programDirectory, const std::atomic<bool> &interrupted,
           std::function<void(int)> progress = {});
  // The engine, the chemical list, the diagnostic files and the start-up
  // scenario where `layout` puts them.
  BatchRun(platform::ProgramLayout layout, const std::atomic<bool> &interrupted,
           std::function<void(int)> progress = {});

  ScenarioOutcome RunStartupScenario();
  ScenarioOutcome RunScenarioFile(const std::string &path);

 private:
  ScenarioOutcome Execute(LumoTransfer &scenario, ScenarioOutcome outcome);

  platform::ProgramLayout layout_;
  const std::atomic<bool> &interrupted_;
  std::function<void(int)> progress_;
};

}  // namespace lumo::cli
