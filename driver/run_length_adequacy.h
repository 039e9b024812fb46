// Whether a run was long enough for its long-term measures.
//
// LADD, ADD, LADC and ADC average the dose of the whole event, and the run
// counts only what is emitted before it ends: a slow-emitting paint still
// holds chemical after a short run, and those measures then come out too
// low. This module tells from the emission increments (the engine's closed
// form of emission) how much of the chemical in the primer and paint has
// been emitted by the end of the run and what run length emits 99 % of it,
// and from the last row of the run's concentration file how much of what
// was emitted is still in the air and in the reversible sinks.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "engine_run_inputs.h"
#include "lumo32.h"

namespace lumo {

// Below this share emitted, the long-term measures are underestimated.
inline constexpr double kAdequateEmittedShare = 0.95;
// The share the suggested run length emits.
inline constexpr double kSuggestedEmittedShare = 0.99;

// mg the increments have emitted by clock time `t` (days). An increment
// spreads its mass evenly over its duration, each portion applied emitting
// with first-order decay; over an unlimited time it emits all of it (none
// with a rate constant of 0).
double EmittedMass(std::span<const EmissionRateIncrementalRecord> increments, double t);

// mg in all the increments.
double AppliedMass(std::span<const EmissionRateIncrementalRecord> increments);

// The earliest clock time (days) by which `share` of the applied mass has
// been emitted; none when no time does (rate constants of 0) or nothing is
// applied.
std::optional<double> TimeToEmit(std::span<const EmissionRateIncrementalRecord> increments,
                                 double share);

// The masses at the end of a run, from its concentration file.
struct RunEndMass {
  double airborneMg = 0.0;       // the zones' concentrations times their volumes
  double sinksMg = 0.0;          // the reversible sinks' loadings
  bool reversibleSinks = false;  // the run has reversible sinks
};

// Reads the header and the last complete row of a concentration file (only
// its end is read, however long the file) and weighs the zones' air with
// `inputs`' volumes. None when the file cannot be read, is not a
// concentration file, or its last row is not at the run's end time.
std::optional<RunEndMass> ReadRunEndMass(const std::string &csvPath, const TransferRecord &inputs);

struct RunLengthAdequacy {
  double runLengthDays = 0.0;  // EndTime - StartTime
  double appliedMg = 0.0;
  double emittedMg = 0.0;  // by the end of the run
  // Days of run from the start that emit 99 %; none when no run length does.
  std::optional<double> daysFor99;
  std::optional<RunEndMass> end;  // when the concentration file tells

  // 1 when nothing was applied.
  double EmittedShare() const { return appliedMg > 0 ? emittedMg / appliedMg : 1.0; }
  bool Underestimated() const { return EmittedShare() < kAdequateEmittedShare; }
  // Whole days: the run length to type into the run-length field.
  std::optional<int> SuggestedRunLength() const;
};

// The adequacy of a run of `inputs` (its increments, start and end time);
// `csvPath` (may be empty) is the run's concentration file.
RunLengthAdequacy AssessRunLength(const TransferRecord &inputs, const std::string &csvPath);

// The sentences for the user: what share was emitted and where it is; and,
// when less than 95 % was emitted, the warning with the run length that
// emits 99 %. The warning is the second element when there is one.
std::vector<std::string> RunLengthNotes(const RunLengthAdequacy &adequacy);

}  // namespace lumo
