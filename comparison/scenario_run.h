// One scenario through the engine, in process (the run handles of
// engine_runs.h, as an assessment runs its cases): its ten results or why
// there are none, and, when asked for, the concentrations over time, which
// the run writes to a temporary file that is read back and removed.
#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>

#include "engine_runs.h"
#include "lumo_state.h"
#include "time_series.h"

namespace lumo::comparison {

// The ten results in the engine's order (LADD, ADD, LADC, ADC, Cpeak,
// SingleEventDose, APDR, APDRtime, C15min, C8hour).
using Results = std::array<double, 10>;

struct ScenarioRun {
  bool ok = false;
  Results results{};
  bool fromFile = false;  // the scenario's own current results; nothing ran
  std::string problem;    // why there are no results
  std::optional<ConcentrationSeries> series;
};

// The engine's results record, in that order.
Results ResultsOf(const ExecutionResultsRecord &record);

// The stored results of a record, in the engine's order.
Results StoredResults(const ScenarioRecord &record);

// Checks and assembles the scenario (a refusal is the run's problem) and
// runs it. Without a series, a scenario whose stored results belong to its
// inputs as they are is not run: its own results are taken.
ScenarioRun RunScenario(const EngineRuns &engine, const TLumoState &scenario, bool withSeries);

// Calls work(i) for i from 0 to count - 1 on up to `threads` threads (0: one
// per core), each index once; after `stop` is set no more are begun.
// `progress(done, count)` is called after each, on the thread that did it.
void ForEachIndex(std::size_t count, unsigned threads, const std::atomic<bool> *stop,
                  const std::function<void(std::size_t)> &work,
                  const std::function<void(std::size_t, std::size_t)> &progress = {});

}  // namespace lumo::comparison
