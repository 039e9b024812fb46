#include "scenario_check.h"

#include <cmath>
#include <cstdio>

#include "field_limits.h"
#include "lumoutil.h"
#include "readable_number.h"
#include "schedule_fit.h"
#include "zone_air.h"

namespace lumo {

namespace {

// A value or limit as the message shows it: whole numbers grouped by
// thousands and exact, others to ten significant digits ("1e-30").
std::string Num(double v) {
  if (std::isfinite(v) && v == std::trunc(v) && std::fabs(v) < 1e15) return ReadableNumber(v);
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.10g", v);
  return buf;
}

// A cell's text as the sentence quotes it: a file may hold any bytes, and a
// control character (a NUL would end the message) shows as "?".
std::string Quoted(std::string text) {
  for (char &ch : text)
    if (static_cast<unsigned char>(ch) < 0x20 || ch == 0x7f) ch = '?';
  return text;
}

// Collects the first problem; every check after it is skipped.
class Checker {
 public:
  std::optional<std::string> problem;

  bool Ok() const { return !problem; }

  void Fail(std::string text) {
    if (!problem) problem = std::move(text);
  }

  // lo <= v <= hi, and v a finite number.
  void Range(const std::string &field, double v, double lo, double hi, const char *unit = "") {
    if (!problem && !(std::isfinite(v) && v >= lo && v <= hi))
      Fail(field + " is " + Num(v) + "; it must be from " + Num(lo) + " to " + Num(hi) + unit +
           ".");
  }
  void Range(const std::string &field, double v, FieldLimits limits, const char *unit = "") {
    Range(field, v, limits.Min, limits.Max, unit);
  }
  template <typename E>
  void Choice(const std::string &field, E value, int count) {
    int v = static_cast<int>(value);
    if (!problem && (v < 0 || v >= count))
      Fail(field + " holds the choice " + std::to_string(v) + "; it must be one of 0 to " +
           std::to_string(count - 1) + ".");
  }
};

void CheckPattern(Checker &c, const char *name, const ActivityPattern &p) {
  std::string field = std::string("The ") + name + " activity pattern";
  if (!(p.Count >= 1 && p.Count <= ActivityPattern::kMaxEntries)) {
    c.Fail(field + " has " + std::to_string(p.Count) + " entries; it must have from 1 to 20.");
    return;
  }
  double previous = -1;
  for (int i = 0; i < p.Count && c.Ok(); ++i) {
    std::string entry = field + ", entry " + std::to_string(i + 1) + ":";
    double zone = p.Zone[i];
    if (!(zone == 0 || zone == 1 || zone == 2))
      c.Fail(entry + " the zone is " + Num(zone) + "; it must be 0, 1 or 2.");
    c.Range(entry + " the hour", p.EnterHour[i], 0, 24);
    c.Range(entry + " the minute", p.EnterMinute[i], 0, 59);
    c.Range(entry + " the breathing rate", p.BreathingRate[i], kBreathingRateLimits, " m³/day");
    if (!c.Ok()) return;
    double t = p.EnterHour[i] * 60 + p.EnterMinute[i];
    if (t < previous)
      c.Fail(entry + " it starts before the entry above it; the entries must be in time order.");
    previous = t;
  }
}

void CheckSchedule(Checker &c, const PaintDurationGrid &g) {
  using G = PaintDurationGrid;
  if (!(g.RowCount >= 0 && g.RowCount <= G::kMaxRows)) {
    c.Fail("The painting schedule has " + std::to_string(g.RowCount) +
           " rows; it can have from 0 to 800.");
    return;
  }
  for (int r = 0; r < g.RowCount && c.Ok(); ++r) {
    std::string row = "The painting schedule, row " + std::to_string(r + 1) + ":";
    auto cell = [&](int column, const char *what, double lo, double hi, bool whole) {
      if (!c.Ok()) return 0.0;
      auto v = g.CellNumber(column, r);
      if (!v || *v < lo || *v > hi || (whole && *v != std::floor(*v)))
        c.Fail(row + " the " + what + " reads \"" + Quoted(g.Cell(column, r)) + "\"; it must be " +
               (whole ? "a whole number" : "a number") + " from " + Num(lo) + " to " + Num(hi) +
               ".");
      return v.value_or(0.0);
    };
    auto day = [&](int column, const char *what) {
      if (c.Ok() && DaytoInt(g.Cell(column, r)) < 0)
        c.Fail(row + " the " + what + " reads \"" + Quoted(g.Cell(column, r)) +
               "\"; it must be one of Mon, Tue, Wed, Thu, Fri, Sat, Sun.");
    };
    cell(G::kZone, "zone", 0, 2, true);
    day(G::kStartDay, "start day");
    double sh = cell(G::kStartHour, "start hour", 0, 23, true);
    double sm = cell(G::kStartMinute, "start minute", 0, 59, true);
    day(G::kEndDay, "end day");
    double eh = cell(G::kEndHour, "end hour", 0, 23, true);
    double em = cell(G::kEndMinute, "end minute", 0, 59, true);
    cell(G::kBreathingRate, "breathing rate", kBreathingRateLimits.Min, kBreathingRateLimits.Max,
         false);
    if (c.Ok() && eh * 60 + em <= sh * 60 + sm)
      c.Fail(row + " it ends at or before its start; a work period must have a length.");
  }
}

}  // namespace

std::optional<std::string> FindScenarioProblem(const ScenarioRecord &s,
                                               const PaintDurationGrid &schedule) {
  Checker c;
  // Run settings first: they bound the length of the run and of its CSV.
  c.Range("The length of the model run", s.RunLength, 1, 999, " days");
  c.Range("The reporting interval", s.ReportInterval, 1, 60, " minutes");

  // Choices.
  c.Choice("The building type", s.BldgType, 5);
  c.Choice("The painted part of the building", s.BldgArea, 4);
  c.Choice("The painted surfaces", s.BldgSurface, 3);
  c.Choice("The start day", s.StartDay, 7);
  c.Choice("The primer/paint interval", s.PaintInterval, 3);
  c.Choice("The type of paint", s.PaintType, 3);
  c.Choice("The primer emission model", s.PrimerEmissionsModel, 2);
  c.Choice("The paint emission model", s.PaintEmissionsModel, 2);
  c.Choice("The sink model", s.Sinks.SinkModel, 3);
  c.Choice("The exposed individual", s.IndividualType, 4);
  c.Choice("The location of the individual", s.IndividualLocation, 3);
  c.Choice("The gender", s.Gender, 3);

  // Building and airflow.
  c.Range("The building volume", s.BldgVolume, kBuildingVolumeLimits, " ft³");
  if (s.BldgType == BldgType::Other) {
    c.Range("The length of the Standard Box", s.BoxLength, kBoxDimensionLimits, " ft");
    c.Range("The width of the Standard Box", s.BoxWidth, kBoxDimensionLimits, " ft");
    c.Range("The height of the Standard Box", s.BoxHeight, kBoxDimensionLimits, " ft");
  }
  c.Range("The percent painted", s.PercentPainted, kPercentPaintedLimits, " %");
  c.Range("The loading ratio", s.LoadingRatio, kLoadingRatioLimits, " ft²/ft³");
  c.Range("The air exchange rate", s.AirExchangeRate, kAirExchangeLimits, " air changes/hour");
  c.Range("The interzonal airflow", s.InterzonalAirflow, kInterzonalAirflowLimits, " ft³/hour");

  // Paint and painting.
  c.Range("The number of primer coats", s.PrimerCoats, kCoatLimits);
  c.Range("The number of paint coats", s.PaintCoats, kCoatLimits);
  c.Range("The primer coverage", s.PrimerCoverage, kCoverageLimits, " ft²/gallon");
  c.Range("The paint coverage", s.PaintCoverage, kCoverageLimits, " ft²/gallon");
  c.Range("The primer application rate", s.PrimerApplicationRate, kApplicationRateLimits,
          " gallons/hour");
  c.Range("The paint application rate", s.PaintApplicationRate, kApplicationRateLimits,
          " gallons/hour");
  c.Range("The maximum hours per day for priming", s.PrimerWorkHours, kWorkHourLimits, " hours");
  c.Range("The maximum hours per day for painting", s.PaintWorkHours, kWorkHourLimits, " hours");
  c.Range("The hours between priming and painting", s.HoursTillPaint, kHoursTillPaintLimits,
          " hours");
  c.Range("The number of painters", s.NumberOfPainters, kPainterLimits);
  c.Range("The primer density", s.PrimerDensity, kPrimerDensityLimits, " grams/gallon");
  c.Range("The paint density", s.PaintDensity, kPaintDensityLimits, " grams/gallon");

  // Chemical and emissions.
  c.Range("The molecular weight", s.MolecularWeight, kMolecularWeightLimits, " g/mole");
  c.Range("The vapour pressure", s.VaporPressure, kVaporPressureLimits, " torr");
  c.Range("The primer weight fraction", s.PrimerWeightFraction, kWeightFractionLimits);
  c.Range("The paint weight fraction", s.PaintWeightFraction, kWeightFractionLimits);
  c.Range("The primer's mass of chemical", s.PrimerChemicalMass, kChemicalMassLimits, " grams");
  c.Range("The paint's mass of chemical", s.PaintChemicalMass, kChemicalMassLimits, " grams");
  c.Range("The primer's percent of mass in the first exponential", s.PrimerPercentFirstExp,
          kPercentFirstExpLimits, " %");
  c.Range("The paint's percent of mass in the first exponential", s.PaintPercentFirstExp,
          kPercentFirstExpLimits, " %");
  const FieldLimits rates = kEmissionRateConstantLimits;
  c.Range("The primer's first rate constant", s.PrimerRateConstant1, rates, " 1/hour");
  c.Range("The primer's second rate constant", s.PrimerRateConstant2, rates, " 1/hour");
  c.Range("The paint's first rate constant", s.PaintRateConstant1, rates, " 1/hour");
  c.Range("The paint's second rate constant", s.PaintRateConstant2, rates, " 1/hour");
  c.Range("The primer's first-order rate constant", s.PrimerFirstOrderRateConstant, rates,
          " 1/hour");
  c.Range("The paint's first-order rate constant", s.PaintFirstOrderRateConstant, rates, " 1/hour");
  // The VOC weight fraction only feeds the semi-empirical model's rate.
  if (s.PrimerEmissionsModel == EmissionsModelType::SemiEmpirical)
    c.Range("The primer's total VOC weight fraction", s.PrimerVOCWeightFraction,
            kVOCWeightFractionLimits);
  if (s.PaintEmissionsModel == EmissionsModelType::SemiEmpirical)
    c.Range("The paint's total VOC weight fraction", s.PaintVOCWeightFraction,
            kVOCWeightFractionLimits);

  // Sinks, when a sink model is chosen.
  if (c.Ok() && s.Sinks.SinkModel != SinkModelType::None) {
    for (int i = 0; i < SinkBlock::kSinks; ++i) {
      std::string sink = "Sink " + std::to_string(i + 1) + ": the ";
      c.Range(sink + "area", s.Sinks.SinkArea[i], kSinkAreaLimits, " m²");
      c.Range(sink + "adsorption rate constant", s.Sinks.AdsorptionRate[i], kAdsorptionRateLimits,
              " m/hour");
      if (s.Sinks.SinkModel == SinkModelType::Reversible)
        c.Range(sink + "desorption rate constant", s.Sinks.DesorptionRate[i], kDesorptionRateLimits,
                " 1/hour");
    }
  }

  // The exposed person.
  c.Range("The exposure events per year", s.EventsPerYear, kEventsPerYearLimits);
  c.Range("The years of exposure", s.YearsofExposure, kYearsOfExposureLimits, " years");
  c.Range("The lifetime", s.LifeTime, kLifeTimeLimits, " years");
  c.Range("The body weight", s.BodyWeight, kBodyWeightLimits, " kg");
  CheckPattern(c, "weekday", s.WeekDayPattern);
  if (c.Ok()) CheckPattern(c, "weekend", s.WeekEndPattern);
  if (c.Ok()) CheckSchedule(c, schedule);

  // Combinations the engine cannot run.
  if (c.Ok() && s.BldgArea == BldgArea::EntireBldg && s.PercentPainted <= 99)
    c.Fail("The whole building is painted (\"Entire Building\") but the percent painted is " +
           Num(s.PercentPainted) +
           " %; with the whole building painted it must be 100 %. Choose the painted part again "
           "on the Painting Scenario page.");
  if (c.Ok()) {
    if (auto refusal = ScheduleRefusal(s, ScheduleInput::Choice)) c.Fail(*refusal);
  }
  if (c.Ok()) {
    if (auto problem = FindExchangeProblem(s)) c.Fail(*problem);
  }
  return c.problem;
}

}  // namespace lumo
