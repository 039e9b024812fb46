#include "result_report.h"

#include <cstdio>

#include "json_writer.h"
#include "result_text.h"

namespace lumo::cli {

std::string ResultText(const ScenarioOutcome &o) {
  std::string out =
      "Scenario: " + o.scenario + (o.startup ? " (the start-up scenario)" : "") + "\n";
  if (!o.ok) return out + "  Error: " + o.error + "\n";
  char line[256];
  std::snprintf(line, sizeof line, "  Chemical: %s (molecular weight %.2f g/mole)\n",
                o.chemical.c_str(), o.molecularWeight);
  out += line;
  for (std::size_t i = 0; i < kResultFields.size(); ++i) {
    const ResultField &f = kResultFields[i];
    std::string value = FormatResult(o.results[i]) + " " + f.unit;
    std::string ppm;
    if (f.concentration)
      ppm = "  (" + FormatResult(ToPpm(o.results[i], o.molecularWeight)) + " ppm)";
    std::snprintf(line, sizeof line, "  %-16s %-38s %s%s\n", f.name, f.label, value.c_str(),
                  ppm.c_str());
    out += line;
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
