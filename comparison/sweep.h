// A sweep: one input of a scenario set to each of a list of values in turn,
// everything else as the scenario has it, each value applied as the program
// applies the same value typed into the input's dialog followed by OK
// (ApplyVariableInput: its corrections, refusals and derivations), then
// checked, assembled and run in process. A value the program refuses, or
// whose run fails, keeps its reason in its row; the others still run.
//
// The values come from text: "FIELD=START:STOP:COUNT" (COUNT evenly spaced
// values from START to STOP, both included) or "FIELD=v1,v2,..." (the values
// as listed), FIELD being an input's record field name (variable_inputs.h).
#pragma once

#include <atomic>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lumo_errors.h"
#include "scenario_run.h"
#include "variable_inputs.h"

namespace lumo::comparison {

// Text that does not describe a sweep; what() says what is wrong and what
// is taken.
class ESweep : public ELumoError {
 public:
  using ELumoError::ELumoError;
};

// At most this many values in one sweep.
inline constexpr std::size_t kMaxSweepValues = 1000;

struct SweepRequest {
  const VariableInput *input = nullptr;
  std::vector<double> values;
};

// Throws ESweep for text that is not FIELD=START:STOP:COUNT or
// FIELD=v1,v2,...; an unknown field (naming the ones that exist); a value
// that is not a finite number; a COUNT that is not a whole number from 2 to
// kMaxSweepValues; START equal to STOP; more than kMaxSweepValues values.
SweepRequest ParseSweep(std::string_view text);

// COUNT evenly spaced values from START to STOP, both exactly.
std::vector<double> SweepRange(double start, double stop, std::size_t count);

struct SweepPoint {
  double requested = 0;           // the value asked for
  std::optional<double> applied;  // as the scenario stored it (corrected, rounded)
  bool ok = false;
  Results results{};
  std::string problem;  // why there are no results
};

struct SweepOptions {
  unsigned threads = 0;  // 0: one per core
  const std::atomic<bool> *stop = nullptr;
  std::function<void(std::size_t done, std::size_t total)> progress;
};

// One point per value, in the request's order. A point not run because the
// sweep was stopped says so.
std::vector<SweepPoint> RunSweep(const TLumoState &scenario, const SweepRequest &request,
                                 const EngineRuns &engine, const SweepOptions &options = {});

}  // namespace lumo::comparison
