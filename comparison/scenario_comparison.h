// Several scenarios side by side: each one's ten results (run in process
// where the scenario has no current results of its own, or where its
// concentrations over time are wanted), the inputs that differ between
// them, and the chemical each one has (for ppm figures).
#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "scenario_inputs.h"
#include "scenario_run.h"

namespace lumo::comparison {

// A scenario to compare: opened (`state`), or not (`error` says why).
struct ScenarioToCompare {
  std::string label;  // its file name, or "(current scenario)"
  std::shared_ptr<const TLumoState> state;
  std::string error;
};

struct ComparedScenario {
  std::string label;
  bool opened = false;  // false: `run.problem` says why it could not be opened
  std::string chemical;
  double molecularWeight = 0;
  ScenarioRun run;
};

struct Comparison {
  std::vector<ComparedScenario> scenarios;
  // Between the scenarios that could be opened, with one value per entry
  // of `scenarios` (absent for one that could not be opened).
  std::vector<InputDifference> differences;
  bool AllOk() const;
};

struct CompareOptions {
  bool withSeries = false;  // run every scenario for its concentrations over time
  unsigned threads = 0;     // 0: one per core
  const std::atomic<bool> *stop = nullptr;
  std::function<void(std::size_t done, std::size_t total)> progress;
};

Comparison CompareScenarios(const std::vector<ScenarioToCompare> &scenarios,
                            const EngineRuns &engine, const CompareOptions &options = {});

// Opens a saved scenario (and its schedule file) for a comparison or a
// sweep; what() names the file and why it cannot be read.
std::shared_ptr<TLumoState> OpenScenario(const std::string &path);

}  // namespace lumo::comparison
