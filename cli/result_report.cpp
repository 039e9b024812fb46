#include "result_report.h"

#include <cmath>
#include <cstdio>
#include <nlohmann/json.hpp>

#include "result_text.h"

namespace lumo::cli {

std::string ResultText(const ScenarioOutcome &o) {
  std::string out =
      "Scenario: " + o.scenario + (o.startup ? " (the start-up scenario)" : "") + "\n";
  if (!o.ok) return out + "  Error: " + o.error + "\n";
  char number[512];
  std::snprintf(number, sizeof number, "%.2f", o.molecularWeight);
  // The name goes in whole, however long: a fixed buffer would cut it, even
  // in the middle of a character.
  out += "  Chemical: " + o.chemical + " (molecular weight " + number + " g/mole)\n";
  auto padded = [](std::string text, std::size_t width) {
    if (text.size() < width) text.append(width - text.size(), ' ');
    return text;
  };
  for (std::size_t i = 0; i < kResultFields.size(); ++i) {
    const ResultField &f = kResultFields[i];
    std::string value = FormatResult(o.results[i]) + " " + f.unit;
    std::string ppm;
    if (f.concentration)
      ppm = "  (" + FormatResult(ToPpm(o.results[i], o.molecularWeight)) + " ppm)";
    out += "  " + padded(f.name, 16) + " " + padded(f.label, 38) + " " + value + ppm + "\n";
  }
  out += "  Concentrations: " + o.csv + "\n";
  if (o.runLength) {
    const auto notes = RunLengthNotes(*o.runLength);
    out += "  Run length: " + notes[0] + "\n";
    if (notes.size() > 1) out += "  Warning: " + notes[1] + "\n";
  }
  return out;
}

nlohmann::ordered_json RunLengthJson(const RunLengthAdequacy &a) {
  nlohmann::ordered_json out;
  out["run-length-days"] = Number(a.runLengthDays);
  out["applied-mg"] = Number(a.appliedMg);
  out["emitted-mg"] = Number(a.emittedMg);
  out["emitted-share"] = Number(a.EmittedShare());
  const bool shares = a.end && a.emittedMg > 0;
  out["airborne-share"] = shares ? Number(a.end->airborneMg / a.emittedMg) : nullptr;
  out["sinks-share"] =
      shares && a.end->reversibleSinks ? Number(a.end->sinksMg / a.emittedMg) : nullptr;
  out["long-term-underestimated"] = a.Underestimated();
  const auto days = a.SuggestedRunLength();
  out["run-length-for-99-days"] = days ? nlohmann::ordered_json(*days) : nullptr;
  const auto notes = RunLengthNotes(a);
  out["warning"] = notes.size() > 1 ? nlohmann::ordered_json(notes[1]) : nullptr;
  return out;
}

nlohmann::ordered_json Number(double value) {
  // JSON has no infinities or NaN: a number that is not finite is null.
  return std::isfinite(value) ? nlohmann::ordered_json(value) : nlohmann::ordered_json();
}

std::string DumpJson(const nlohmann::ordered_json &json) {
  // Paths and names are UTF-8 as a rule; bytes that are not are replaced
  // rather than stopping the output.
  return json.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + "\n";
}

nlohmann::ordered_json ResultsJson(const std::array<double, 10> &results) {
  nlohmann::ordered_json out = nlohmann::ordered_json::object();
  for (std::size_t i = 0; i < kResultFields.size(); ++i)
    out[kResultFields[i].name] = Number(results[i]);
  return out;
}

std::string ResultJson(const std::vector<ScenarioOutcome> &outcomes) {
  nlohmann::ordered_json all = nlohmann::ordered_json::array();
  for (const ScenarioOutcome &o : outcomes) {
    nlohmann::ordered_json one;
    one["scenario"] = o.scenario;
    if (o.ok) {
      one["chemical"] = o.chemical;
      one["molecularWeight"] = Number(o.molecularWeight);
      one["results"] = ResultsJson(o.results);
      nlohmann::ordered_json ppm = nlohmann::ordered_json::object();
      for (std::size_t i = 0; i < kResultFields.size(); ++i)
        if (kResultFields[i].concentration)
          ppm[kResultFields[i].name] = Number(ToPpm(o.results[i], o.molecularWeight));
      one["ppm"] = ppm;
      one["csv"] = o.csv;
      if (o.runLength) one["run-length"] = RunLengthJson(*o.runLength);
    } else {
      one["error"] = o.error;
      if (!o.csv.empty()) one["csv"] = o.csv;
    }
    all.push_back(std::move(one));
  }
  return DumpJson(all);
}

}  // namespace lumo::cli
