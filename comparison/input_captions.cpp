#include "input_captions.h"

#include <array>
#include <utility>

namespace lumo::comparison {

namespace {

constexpr std::array<std::pair<std::string_view, std::string_view>, 58> kCaptions = {{
    {"BldgType", "Building"},
    {"BldgArea", "Part of the building painted"},
    {"BldgSurface", "Surfaces painted"},
    {"BldgVolume", "Building volume"},
    {"BoxLength", "Standard box length"},
    {"BoxWidth", "Standard box width"},
    {"BoxHeight", "Standard box height"},
    {"PercentPainted", "Percent of the volume painted"},
    {"LoadingRatio", "Loading ratio"},
    {"AirExchangeRate", "Air exchange rate"},
    {"InterzonalAirflow", "Interzonal airflow"},
    {"StartDay", "Day painting starts"},
    {"PaintInterval", "Painting after priming"},
    {"PaintDurationDefaults", "Painting rates"},
    {"PrimerCoats", "Primer coats"},
    {"PaintCoats", "Paint coats"},
    {"PrimerCoverage", "Primer coverage"},
    {"PaintCoverage", "Paint coverage"},
    {"PrimerDensity", "Primer density"},
    {"PaintDensity", "Paint density"},
    {"PrimerApplicationRate", "Primer application rate"},
    {"PaintApplicationRate", "Paint application rate"},
    {"PrimerWorkHours", "Priming hours per day"},
    {"PaintWorkHours", "Painting hours per day"},
    {"NumberOfPainters", "Number of painters"},
    {"HoursTillPaint", "Hours from priming to painting"},
    {"PaintType", "Paint type"},
    {"ChemicalName", "Chemical"},
    {"MolecularWeight", "Molecular weight"},
    {"VaporPressure", "Vapor pressure"},
    {"PrimerWeightFraction", "Chemical weight fraction in the primer"},
    {"PaintWeightFraction", "Chemical weight fraction in the paint"},
    {"PrimerEmissionsModel", "Primer emission model"},
    {"PaintEmissionsModel", "Paint emission model"},
    {"PrimerChemicalMass", "Primer: chemical mass emitted"},
    {"PrimerPercentFirstExp", "Primer: share in the first exponential"},
    {"PrimerRateConstant1", "Primer: first rate constant"},
    {"PrimerRateConstant2", "Primer: second rate constant"},
    {"PaintChemicalMass", "Paint: chemical mass emitted"},
    {"PaintPercentFirstExp", "Paint: share in the first exponential"},
    {"PaintRateConstant1", "Paint: first rate constant"},
    {"PaintRateConstant2", "Paint: second rate constant"},
    {"PrimerVOCWeightFraction", "Primer: VOC weight fraction"},
    {"PaintVOCWeightFraction", "Paint: VOC weight fraction"},
    {"PrimerFirstOrderRateConstant", "Primer: first-order rate constant"},
    {"PaintFirstOrderRateConstant", "Paint: first-order rate constant"},
    {"SinkModel", "Indoor sinks"},
    {"IndividualType", "Exposed individual"},
    {"IndividualLocation", "Location during painting"},
    {"Gender", "Gender"},
    {"EventsPerYear", "Events per year"},
    {"YearsofExposure", "Years of exposure"},
    {"EventsinLifeTime", "Events in lifetime"},
    {"LifeTime", "Years in lifetime"},
    {"BodyWeight", "Body weight"},
    {"WeekDayPattern", "Weekday activity pattern"},
    {"WeekEndPattern", "Weekend activity pattern"},
    {"RunLength", "Run length"},
}};

// Sink i (1 to 6): zone 1 carpet, wallboard, other; zone 2 the same.
std::string SinkName(char digit) {
  static const char *const kSinks[] = {"zone 1 carpet", "zone 1 wallboard", "zone 1 other",
                                       "zone 2 carpet", "zone 2 wallboard", "zone 2 other"};
  return kSinks[digit - '1'];
}

}  // namespace

std::string InputCaption(std::string_view name) {
  if (name == "ReportInterval") return "Reporting interval";
  if (name == "PaintingSchedule") return "Painting schedule";
  for (const auto &[key, caption] : kCaptions)
    if (key == name) return std::string(caption);
  static const std::pair<std::string_view, std::string_view> kSinkValues[] = {
      {"SinkArea", "Sink area"},
      {"AdsorptionRate", "Adsorption rate"},
      {"DesorptionRate", "Desorption rate"}};
  for (const auto &[prefix, caption] : kSinkValues) {
    if (name.size() == prefix.size() + 1 && name.substr(0, prefix.size()) == prefix &&
        name.back() >= '1' && name.back() <= '6')
      return std::string(caption) + ", " + SinkName(name.back());
  }
  return std::string(name);
}

}  // namespace lumo::comparison
