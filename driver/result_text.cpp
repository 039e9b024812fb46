#include "result_text.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace lumo {

const std::array<ResultField, 10> kResultFields = {{
    {"LADD", "Lifetime average daily dose", "mg/kg/day", &ScenarioRecord::LADD, false},
    {"ADD", "Average daily dose", "mg/kg/day", &ScenarioRecord::ADD, false},
    {"LADC", "Lifetime average daily concentration", "mg/m³", &ScenarioRecord::LADC, true},
    {"ADC", "Average daily concentration", "mg/m³", &ScenarioRecord::ADC, true},
    {"Cpeak", "Peak concentration", "mg/m³", &ScenarioRecord::Cpeak, true},
    {"SingleEventDose", "Single event dose", "mg", &ScenarioRecord::SingleEventDose, false},
    {"APDR", "Acute potential dose rate", "mg/kg/day", &ScenarioRecord::APDR, false},
    {"APDRtime", "Time of the APDR", "days", &ScenarioRecord::APDRtime, false},
    {"C15min", "Peak 15-minute concentration", "mg/m³", &ScenarioRecord::C15min, true},
    {"C8hour", "Peak 8-hour concentration", "mg/m³", &ScenarioRecord::C8hour, true},
}};

std::string FormatResult(double value) {
  if (!std::isfinite(value)) return std::isnan(value) ? "NAN" : (value > 0 ? "INF" : "-INF");
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.2E", value);
  std::string s(buf);
  auto e = s.find('E');
  int exponent = std::atoi(s.c_str() + e + 1);
  std::snprintf(buf, sizeof buf, "%sE%c%03d", s.substr(0, e).c_str(), exponent < 0 ? '-' : '+',
                std::abs(exponent));
  return buf;
}

double ToPpm(double mgPerCubicMetre, double molecularWeight) {
  return 24.453 * mgPerCubicMetre / molecularWeight;
}

}  // namespace lumo
