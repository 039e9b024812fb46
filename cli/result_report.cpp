#include "result_report.h"

#include <cstdio>

#include "json_writer.h"
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
  return out + "  Concentrations: " + o.csv + "\n";
}

std::string ResultJson(const std::vector<ScenarioOutcome> &outcomes) {
  std::string out = "[";
  for (std::size_t k = 0; k < outcomes.size(); ++k) {
    const ScenarioOutcome &o = outcomes[k];
    out += k ? ",\n  {" : "\n  {";
    out += "\"scenario\": " + JsonString(o.scenario);
    if (o.ok) {
      out += ", \"chemical\": " + JsonString(o.chemical);
      out += ", \"molecularWeight\": " + JsonNumber(o.molecularWeight);
      out += ",\n   \"results\": {";
      for (std::size_t i = 0; i < kResultFields.size(); ++i)
        out += std::string(i ? ", " : "") + "\"" + kResultFields[i].name +
               "\": " + JsonNumber(o.results[i]);
      out += "},\n   \"ppm\": {";
      bool first = true;
      for (std::size_t i = 0; i < kResultFields.size(); ++i) {
        if (!kResultFields[i].concentration) continue;
        out += std::string(first ? "" : ", ") + "\"" + kResultFields[i].name +
               "\": " + JsonNumber(ToPpm(o.results[i], o.molecularWeight));
        first = false;
      }
      out += "},\n   \"csv\": " + JsonString(o.csv);
    } else {
      out += ", \"error\": " + JsonString(o.error);
      if (!o.csv.empty()) out += ", \"csv\": " + JsonString(o.csv);
    }
    out += "}";
  }
  return out + (outcomes.empty() ? "]\n" : "\n]\n");
}

}  // namespace lumo::cli
