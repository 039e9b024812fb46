// How lumo-run prints what became of its scenarios: as text for people, with
// the program's number format and units, or as JSON for other programs.
#pragma once

#include <array>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "batch_run.h"

namespace lumo::cli {

// One scenario's block of text: its file, chemical, the ten results with
// their units, the ppm figures of the concentrations and the CSV file; or
// its error.
std::string ResultText(const ScenarioOutcome &outcome);

// A JSON array with one object per scenario.
std::string ResultJson(const std::vector<ScenarioOutcome> &outcomes);

// The pieces the JSON outputs share: a number (null when not finite), the
// ten results under the engine's names, and the text of a document.
nlohmann::ordered_json Number(double value);
nlohmann::ordered_json ResultsJson(const std::array<double, 10> &results);
std::string DumpJson(const nlohmann::ordered_json &json);
// Whether the run was long enough: shares emitted, airborne and in the
// sinks, the warning and the run length that emits 99 %.
nlohmann::ordered_json RunLengthJson(const RunLengthAdequacy &adequacy);

}  // namespace lumo::cli
