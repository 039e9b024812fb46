// Running an assessment: the scenario's own (deterministic) results, the
// main sample, the one-at-a-time cases and the Sobol design. Every case is
// a copy of the scenario with the case's values applied as the program
// applies them (variable_inputs.h), run by the engine in process, without
// files, on several threads. Results are stored by case number and every
// case's values are a function of the seed and its number only, so the
// output does not depend on the number of threads.
//
// A case whose values the program refuses (a painting the schedule cannot
// hold, a value a field refuses) or whose run fails has no results (not a
// number); the statistics leave such cases out and the report counts them.
#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "assessment.h"
#include "engine_runs.h"
#include "lumo_state.h"
#include "one_at_a_time.h"

namespace lumo::prob {

// The ten results of a case in the engine's order (LADD, ADD, LADC, ADC,
// Cpeak, SingleEventDose, APDR, APDRtime, C15min, C8hour); not a number
// where the case has none.
using CaseResults = std::array<double, 10>;

struct CaseFailure {
  std::size_t number;  // the case's number (main sample, one-at-a-time, Sobol: in that order)
  std::string what;    // "iteration 17", "one-at-a-time case 3", "Sobol run 120"
  std::string problem;
};

struct AssessmentRun {
  std::uint64_t seed = 0;
  CaseResults deterministic{};  // the scenario as it is
  // The main sample, by iteration: the values drawn (in the assessment's
  // input order), as the program stores them (whole numbers cut or rounded
  // as their fields do), and the results. An iteration not run (a stopped
  // assessment) has no values.
  std::vector<std::vector<double>> values;
  std::vector<CaseResults> results;
  std::vector<OneAtATimeCase> oneAtATime;  // empty unless asked
  std::vector<CaseResults> oneAtATimeResults;
  std::size_t sobolBaseSamples = 0;  // 0 unless asked
  std::vector<CaseResults> sobolResults;
  // Cases run (with or without results) and cases without results; the
  // first failures with their reasons.
  std::size_t casesRun = 0;
  std::size_t casesFailed = 0;
  std::vector<CaseFailure> failures;
  bool partial = false;  // stopped before every case asked for ran: those not run have no results

  std::size_t Cases() const {
    return results.size() + oneAtATimeResults.size() + sobolResults.size();
  }
};

struct RunOptions {
  unsigned threads = 0;                     // 0: one per core
  const std::atomic<bool> *stop = nullptr;  // set to stop after the cases under way
  std::function<void(std::size_t done, std::size_t total)> progress;  // on the calling thread
  // Only the cases numbered firstCase to endCase - 1 (a shard of the run);
  // the others are not run and have no results.
  std::size_t firstCase = 0;
  std::size_t endCase = static_cast<std::size_t>(-1);
};

// An assessment's cases before any has run: every iteration without values,
// every result not a number. Its Cases() is the number of cases.
AssessmentRun EmptyAssessmentRun(const Assessment &assessment, std::uint64_t seed);

// At most this many failures are kept with their reasons.
inline constexpr std::size_t kFailuresKept = 20;

// Runs every case. Throws what the scenario's own assembly throws (the
// scenario check's EScenarioCheck) and EEngineRuns when the scenario's own
// run has no results: then nothing else runs.
AssessmentRun RunAssessment(const TLumoState &scenario, const Assessment &assessment,
                            std::uint64_t seed, const EngineRuns &engine,
                            const RunOptions &options = {});

}  // namespace lumo::prob
