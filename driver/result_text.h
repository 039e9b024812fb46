// The ten results of a run as the program shows them: names, units, the
// "%.3e" number format (three significant digits and an exponent of at least
// three digits, so zero reads 0.00E+000) and the ppm figures of the five
// concentrations.
#pragma once

#include <array>
#include <string>

#include "scenario_record.h"

namespace lumo {

struct ResultField {
  const char *name;   // the engine's result name, e.g. "LADD"
  const char *label;  // what it measures
  const char *unit;
  double ScenarioRecord::*value;
  bool concentration;  // mg/m³, also shown in ppm
};

// In the order of the engine's results record.
extern const std::array<ResultField, 10> kResultFields;

// "1.23E-005", "-4.56E+002", "0.00E+000".
std::string FormatResult(double value);

// ppm by volume at 25 °C: 24.453 × concentration (mg/m³) ÷ molecular weight.
double ToPpm(double mgPerCubicMetre, double molecularWeight);

}  // namespace lumo
