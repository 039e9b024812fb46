// A scenario's inputs as a person compares them, and the inputs that differ
// between several scenarios.
//
// Every input a run reads is listed once: the choices as the windows name
// them, then the numbers in the order of the windows (building, paint,
// chemical, emissions, sinks, person) in the unit the dialogs show, the
// activity patterns and the painting schedule as text, the run settings. Emission
// and sink values that the scenario's models do not use are left out (the
// semi-empirical inputs of an empirical model, the sinks of a scenario
// without sinks), so that stale values nobody can see do not count as
// differences. The title, notes, file name and results are not inputs.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "lumo_state.h"

namespace lumo::comparison {

struct InputValue {
  std::string name;              // the record's field name, "BldgVolume"
  std::string caption;           // "Building volume"
  std::string unit;              // "ft³"; empty for a choice or a table
  std::string text;              // the value as shown ("12,000", "House")
  std::optional<double> number;  // for a numeric input
  friend bool operator==(const InputValue &, const InputValue &) = default;
};

std::vector<InputValue> ScenarioInputs(const TLumoState &scenario);

// One input that does not have the same value in every scenario; values[i]
// is its value in scenario i, absent where scenario i does not use it.
struct InputDifference {
  std::string name, caption, unit;
  std::vector<std::optional<InputValue>> values;
};

// The inputs that differ between the scenarios, in the order of the
// windows. A number differs when its stored values differ at all (the
// shown texts may round alike); an input used by some scenarios only
// differs.
std::vector<InputDifference> DifferingInputs(const std::vector<const TLumoState *> &scenarios);

}  // namespace lumo::comparison
