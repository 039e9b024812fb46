#include "scenario_check.h"

#include <cmath>
#include <cstdio>

#include "lumoutil.h"

namespace lumo {

namespace {

std::string Num(double v) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.10g", v);
  return buf;
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
  void Positive(const std::string &field, double v, const char *unit = "") {
    if (!problem && !(std::isfinite(v) && v > 0))
      Fail(field + " is " + Num(v) + "; it must be a number greater than 0" + unit + ".");
  }
  void NotNegative(const std::string &field, double v, const char *unit = "") {
    if (!problem && !(std::isfinite(v) && v >= 0))
      Fail(field + " is " + Num(v) + "; it must be a number of at least 0" + unit + ".");
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
    c.NotNegative(entry + " the breathing rate", p.BreathingRate[i], " m³/day");
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
        c.Fail(row + " the " + what + " reads \"" + g.Cell(column, r) + "\"; it must be " +
               (whole ? "a whole number" : "a number") + " from " + Num(lo) + " to " + Num(hi) +
               ".");
      return v.value_or(0.0);
    };
    auto day = [&](int column, const char *what) {
      if (c.Ok() && DaytoInt(g.Cell(column, r)) < 0)
        c.Fail(row + " the " + what + " reads \"" + g.Cell(column, r) +
               "\"; it must be one of Mon, Tue, Wed, Thu, Fri, Sat, Sun.");
    };
    cell(G::kZone, "zone", 0, 2, true);
    day(G::kStartDay, "start day");
    double sh = cell(G::kStartHour, "start hour", 0, 23, true);
    double sm = cell(G::kStartMinute, "start minute", 0, 59, true);
    day(G::kEndDay, "end day");
    double eh = cell(G::kEndHour, "end hour", 0, 23, true);
    double em = cell(G::kEndMinute, "end minute", 0, 59, true);
    cell(G::kBreathingRate, "breathing rate", 0, 1e6, false);
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
  c.Positive("The building volume", s.BldgVolume, " ft³");
  if (c.Ok() &&
      !(std::isfinite(s.PercentPainted) && s.PercentPainted > 0 && s.PercentPainted <= 100))
    c.Fail("The percent painted is " + Num(s.PercentPainted) +
           "; it must be greater than 0 and at most 100 %.");
  c.NotNegative("The loading ratio", s.LoadingRatio, " ft²/ft³");
  c.NotNegative("The air exchange rate", s.AirExchangeRate, " air changes/hour");
  c.NotNegative("The interzonal airflow", s.InterzonalAirflow, " ft³/hour");

  // Paint and painting.
  c.Range("The number of primer coats", s.PrimerCoats, 0, 1e6);
  c.Range("The number of paint coats", s.PaintCoats, 0, 1e6);
  c.Positive("The primer coverage", s.PrimerCoverage, " ft²/gallon");
  c.Positive("The paint coverage", s.PaintCoverage, " ft²/gallon");
  c.Positive("The primer application rate", s.PrimerApplicationRate, " gallons/hour");
  c.Positive("The paint application rate", s.PaintApplicationRate, " gallons/hour");
  c.Range("The maximum hours per day for priming", s.PrimerWorkHours, 1, 12, " hours");
  c.Range("The maximum hours per day for painting", s.PaintWorkHours, 1, 12, " hours");
  c.Range("The hours between priming and painting", s.HoursTillPaint, 0, 12, " hours");
  c.Range("The number of painters", s.NumberOfPainters, 1, 1000);
  c.Positive("The primer density", s.PrimerDensity, " grams/gallon");
  c.Positive("The paint density", s.PaintDensity, " grams/gallon");

  // Chemical and emissions.
  c.Range("The molecular weight", s.MolecularWeight, 0.01, 1e7, " g/mole");
  c.Range("The vapour pressure", s.VaporPressure, 1e-7, 10000, " torr");
  c.Range("The primer weight fraction", s.PrimerWeightFraction, 0, 1);
  c.Range("The paint weight fraction", s.PaintWeightFraction, 0, 1);
  c.NotNegative("The primer's mass of chemical", s.PrimerChemicalMass, " grams");
  c.NotNegative("The paint's mass of chemical", s.PaintChemicalMass, " grams");
  c.Range("The primer's percent of mass in the first exponential", s.PrimerPercentFirstExp, 0, 100);
  c.Range("The paint's percent of mass in the first exponential", s.PaintPercentFirstExp, 0, 100);
  c.NotNegative("The primer's first rate constant", s.PrimerRateConstant1, " 1/hour");
  c.NotNegative("The primer's second rate constant", s.PrimerRateConstant2, " 1/hour");
  c.NotNegative("The paint's first rate constant", s.PaintRateConstant1, " 1/hour");
  c.NotNegative("The paint's second rate constant", s.PaintRateConstant2, " 1/hour");
  c.NotNegative("The primer's first-order rate constant", s.PrimerFirstOrderRateConstant,
                " 1/hour");
  c.NotNegative("The paint's first-order rate constant", s.PaintFirstOrderRateConstant, " 1/hour");

  // Sinks, when a sink model is chosen.
  if (c.Ok() && s.Sinks.SinkModel != SinkModelType::None) {
    for (int i = 0; i < SinkBlock::kSinks; ++i) {
      std::string sink = "Sink " + std::to_string(i + 1) + ": the ";
      c.NotNegative(sink + "area", s.Sinks.SinkArea[i], " m²");
      c.NotNegative(sink + "adsorption rate constant", s.Sinks.AdsorptionRate[i], " m/hour");
      if (s.Sinks.SinkModel == SinkModelType::Reversible)
        c.NotNegative(sink + "desorption rate constant", s.Sinks.DesorptionRate[i], " 1/hour");
    }
  }

  // The exposed person.
  c.Range("The exposure events per year", s.EventsPerYear, 0.01, 1000000);
  c.NotNegative("The years of exposure", s.YearsofExposure, " years");
  c.Positive("The lifetime", s.LifeTime, " years");
  c.Positive("The body weight", s.BodyWeight, " kg");
  CheckPattern(c, "weekday", s.WeekDayPattern);
  if (c.Ok()) CheckPattern(c, "weekend", s.WeekEndPattern);
  if (c.Ok()) CheckSchedule(c, schedule);
  return c.problem;
}

}  // namespace lumo
