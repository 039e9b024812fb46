// The table of inputs that may vary. Each entry says how its dialog
// corrects a typed value, when the window does not offer the dialog, and
// what the dialog stores and the window derives after OK, in the window's
// order (the main window's handlers in ui/main_window_*.cpp and the
// dialogs in ui/dialogs/).
#include "variable_inputs.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "exposure_events.h"
#include "lumoutil.h"
#include "paint_amounts.h"
#include "parameter_edits.h"
#include "readable_number.h"
#include "scenario_rules.h"

namespace lumo {

namespace {

using Record = ScenarioRecord;

// A number as the messages show it: whole numbers grouped by thousands,
// others to ten significant digits.
std::string Num(double v) {
  if (std::isfinite(v) && v == std::trunc(v) && std::fabs(v) < 1e15) return ReadableNumber(v);
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.10g", v);
  return buf;
}

std::string WithUnit(double v, const std::string &unit) {
  return unit.empty() ? Num(v) : Num(v) + " " + unit;
}

// ---- Corrections ----------------------------------------------------------------

// "A Small Correction": the nearest limit.
std::function<double(double)> ToNearest(FieldLimits limits) {
  return [limits](double v) { return NearestInRange(v, limits); };
}

// A field that refuses a value outside its limits; `takes` says what it
// takes.
std::function<double(double)> Refusing(std::string name, std::string unit, FieldLimits limits,
                                       std::string takes = {}) {
  if (takes.empty())
    takes = "from " + WithUnit(limits.Min, unit) + " to " + WithUnit(limits.Max, unit);
  return [=](double v) {
    if (!InRange(v, limits))
      throw EVariableInput(name + " of " + WithUnit(v, unit) + " is refused: it takes values " +
                           takes + ".");
    return v;
  };
}

// A refusal of the window's, as a sentence that names the input.
std::optional<std::string> InThisScenario(const std::string &name,
                                          std::optional<std::string> window) {
  if (!window) return std::nullopt;
  return name + " cannot vary in this scenario: " + *window + ".";
}

// ---- Derivations ------------------------------------------------------------------

// The window's refill: the Standard Box's volume from its sides, and the
// painting schedule rebuilt. A schedule the painting does not fit is left
// as it was; the schedule is judged after the last value.
void Refill(TLumoState &state) {
  (void)rules::ApplyRefillDerivations(state, false);
}

// The Painting Duration dialog as it closes with OK, then the window's
// steps after it. The dialog holds the painters to a whole number within 1
// to 1000 as it opens; leaving one of its number fields stores the five of
// them: both application rates corrected to their limits, and the work
// hours, which a field outside 1 to 12 shows as 1.
void AfterPaintingDuration(TLumoState &state, bool numberFieldLeft) {
  auto &r = state.ScenarioRecord;
  r.NumberOfPainters = WholePainters(r.NumberOfPainters);
  if (numberFieldLeft) {
    r.PrimerApplicationRate = NearestInRange(r.PrimerApplicationRate, kApplicationRateLimits);
    r.PaintApplicationRate = NearestInRange(r.PaintApplicationRate, kApplicationRateLimits);
    for (double *hours : {&r.PrimerWorkHours, &r.PaintWorkHours})
      if (!InRange(*hours, kWorkHourLimits)) *hours = kWorkHourLimits.Min;
  }
  rules::ApplyPaintingDurationEdited(state);
  Refill(state);
}

// ---- Emission models -----------------------------------------------------------------

// The emission dialog opens the semi-empirical model's dialog only for
// alkyd paint with that model stored; otherwise the empirical one, storing
// the empirical model.
bool SemiEmpirical(const Record &r, bool primer) {
  return r.PaintType == PaintType::Alkyd &&
         (primer ? r.PrimerEmissionsModel : r.PaintEmissionsModel) ==
             EmissionsModelType::SemiEmpirical;
}

const char *Side(bool primer) {
  return primer ? "primer" : "paint";
}

std::optional<std::string> EmpiricalOnly(const Record &r, bool primer, const std::string &name) {
  if (!SemiEmpirical(r, primer)) return std::nullopt;
  return name + " is an input of the empirical emission model; this scenario's " + Side(primer) +
         " uses the semi-empirical model.";
}

std::optional<std::string> SemiEmpiricalOnly(const Record &r, bool primer,
                                             const std::string &name) {
  if (SemiEmpirical(r, primer)) return std::nullopt;
  return name + " is an input of the semi-empirical emission model (alkyd paint only); this " +
         "scenario's " + Side(primer) + " uses the empirical model.";
}

// The four fields of the empirical dialog as leaving one of them stores
// them: each corrected to its limits; the empirical model stored.
void StoreEmpirical(Record &r, bool primer) {
  (primer ? r.PrimerEmissionsModel : r.PaintEmissionsModel) = EmissionsModelType::Empirical;
  double *fields[] = {primer ? &r.PrimerChemicalMass : &r.PaintChemicalMass,
                      primer ? &r.PrimerPercentFirstExp : &r.PaintPercentFirstExp,
                      primer ? &r.PrimerRateConstant1 : &r.PaintRateConstant1,
                      primer ? &r.PrimerRateConstant2 : &r.PaintRateConstant2};
  const FieldLimits limits[] = {kChemicalMassLimits, kPercentFirstExpLimits,
                                kEmissionRateConstantLimits, kEmissionRateConstantLimits};
  for (int i = 0; i < 4; ++i) *fields[i] = NearestInRange(*fields[i], limits[i]);
}

// ---- Sinks ------------------------------------------------------------------------

enum class SinkValue { Area, Adsorption, Desorption };

std::optional<std::string> SinkRefusal(const Record &r, SinkValue what, const std::string &name) {
  const SinkModelType model = r.Sinks.SinkModel;
  if (model != SinkModelType::OneWay && model != SinkModelType::Reversible)
    return name + " is a value of the indoor sinks; this scenario has no sinks.";
  if (what == SinkValue::Desorption && model != SinkModelType::Reversible)
    return name + " is a value of reversible sinks; this scenario's sinks are one-way.";
  return std::nullopt;
}

// ---- The table ----------------------------------------------------------------------

struct Builder {
  std::vector<VariableInput> inputs;

  VariableInput &Add(std::string name, std::string unit, FieldLimits limits, InputGroup group,
                     std::string editedIn, double Record::*field) {
    VariableInput in;
    in.name = std::move(name);
    in.unit = std::move(unit);
    in.limits = limits;
    in.group = group;
    in.editedIn = std::move(editedIn);
    in.get = [field](const Record &r) { return r.*field; };
    in.correct = ToNearest(limits);
    in.refusal = [](const Record &) { return std::optional<std::string>(); };
    in.apply = [field](TLumoState &s, double v) { s.ScenarioRecord.*field = v; };
    inputs.push_back(std::move(in));
    return inputs.back();
  }
  VariableInput &AddInt(std::string name, std::string unit, FieldLimits limits, InputGroup group,
                        std::string editedIn, std::int32_t Record::*field) {
    VariableInput &in =
        Add(std::move(name), std::move(unit), limits, group, std::move(editedIn), nullptr);
    in.integer = true;
    in.get = [field](const Record &r) { return double(r.*field); };
    in.apply = [field](TLumoState &s, double v) {
      s.ScenarioRecord.*field = static_cast<std::int32_t>(v);
    };
    return in;
  }
};

void AddBuilding(Builder &b) {
  const auto G = InputGroup::Building;
  {
    auto &in = b.Add("BldgVolume", "ft³", kBuildingVolumeLimits, G, "Building Volume dialog",
                     &Record::BldgVolume);
    in.schedule = ScheduleInput::BuildingVolume;
    in.ReappliesIndividual = true;
    in.refusal = [name = in.name](const Record &r) {
      return InThisScenario(name, rules::EditVolumeRefusal(r));
    };
    in.apply = [](TLumoState &s, double v) {
      rules::StoreBuildingVolume(s, v);
      rules::ApplyBuildingVolumeEdited(s);
      Refill(s);
    };
  }
  {
    // The field takes 0.01 to 100; OK refuses 100 or more.
    const FieldLimits limits{kPercentPaintedLimits.Min, std::nextafter(100.0, 0.0)};
    auto &in =
        b.Add("PercentPainted", "%", limits, G, "Percent Painted dialog", &Record::PercentPainted);
    in.correct = Refusing(in.name, in.unit, limits, "from 0.01 % to less than 100 %");
    in.schedule = ScheduleInput::PercentPainted;
    in.ReappliesIndividual = true;
    in.refusal = [name = in.name](const Record &r) {
      return InThisScenario(name, rules::EditPercentPaintedRefusal(r));
    };
    in.apply = [](TLumoState &s, double v) {
      s.ScenarioRecord.PercentPainted = v;
      rules::ApplyPercentPaintedEdited(s);
      Refill(s);
    };
  }
  {
    auto &in = b.Add("LoadingRatio", "ft²/ft³", kLoadingRatioLimits, G,
                     "Painted Surface Area dialog", &Record::LoadingRatio);
    in.schedule = ScheduleInput::LoadingRatio;
    in.ReappliesIndividual = true;
    in.apply = [](TLumoState &s, double v) {
      s.ScenarioRecord.LoadingRatio = v;
      Refill(s);
      s.SetDefaultEmissions();
    };
  }
  {
    auto &in = b.Add("AirExchangeRate", "air changes/hour", kAirExchangeLimits, G,
                     "Airflows dialog", &Record::AirExchangeRate);
    in.apply = [](TLumoState &s, double v) { rules::StoreAirExchangeRate(s, v); };
  }
  b.Add("InterzonalAirflow", "ft³/hour", kInterzonalAirflowLimits, G, "Airflows dialog",
        &Record::InterzonalAirflow);
}

void AddPaint(Builder &b) {
  const auto G = InputGroup::Paint;
  for (bool primer : {true, false}) {
    auto &in = b.AddInt(primer ? "PrimerCoats" : "PaintCoats", "coats", kCoatLimits, G,
                        primer ? "coats of primer field" : "coats of paint field",
                        primer ? &Record::PrimerCoats : &Record::PaintCoats);
    in.correct = [](double v) { return double(rules::WholeCoats(v)); };
    in.schedule = primer ? ScheduleInput::PrimerCoats : ScheduleInput::PaintCoats;
    in.ReappliesIndividual = true;
    in.apply = [primer](TLumoState &s, double v) {
      rules::ApplyCoats(s, primer, static_cast<std::int32_t>(v));
      Refill(s);
      s.SetDefaultEmissions();
    };
  }
  for (bool primer : {true, false}) {
    auto &in =
        b.Add(primer ? "PrimerCoverage" : "PaintCoverage", "ft²/gallon", kCoverageLimits, G,
              "Amount of Paint dialog", primer ? &Record::PrimerCoverage : &Record::PaintCoverage);
    in.schedule = primer ? ScheduleInput::PrimerCoverage : ScheduleInput::PaintCoverage;
    in.ReappliesIndividual = true;
    in.apply = [primer](TLumoState &s, double v) {
      (primer ? s.ScenarioRecord.PrimerCoverage : s.ScenarioRecord.PaintCoverage) = v;
      s.SetDefaultEmissions();
      Refill(s);
    };
  }
  for (bool primer : {true, false}) {
    const FieldLimits limits = primer ? kPrimerDensityLimits : kPaintDensityLimits;
    auto &in =
        b.Add(primer ? "PrimerDensity" : "PaintDensity", "g/gallon", limits, G,
              "Paint Density dialog", primer ? &Record::PrimerDensity : &Record::PaintDensity);
    in.correct = Refusing(in.name, in.unit, limits);
    in.apply = [primer](TLumoState &s, double v) {
      (primer ? s.ScenarioRecord.PrimerDensity : s.ScenarioRecord.PaintDensity) = v;
      s.SetDefaultEmissions();
    };
  }
  const std::string duration = "Painting Duration dialog";
  for (bool primer : {true, false}) {
    auto &in = b.Add(primer ? "PrimerApplicationRate" : "PaintApplicationRate",
                     "gallons/hour per painter", kApplicationRateLimits, G, duration,
                     primer ? &Record::PrimerApplicationRate : &Record::PaintApplicationRate);
    in.schedule =
        primer ? ScheduleInput::PrimerApplicationRate : ScheduleInput::PaintApplicationRate;
    in.apply = [primer](TLumoState &s, double v) {
      (primer ? s.ScenarioRecord.PrimerApplicationRate : s.ScenarioRecord.PaintApplicationRate) = v;
      AfterPaintingDuration(s, true);
    };
  }
  for (bool primer : {true, false}) {
    auto &in =
        b.Add(primer ? "PrimerWorkHours" : "PaintWorkHours", "hours per day", kWorkHourLimits, G,
              duration, primer ? &Record::PrimerWorkHours : &Record::PaintWorkHours);
    in.correct = Refusing(in.name, in.unit, kWorkHourLimits);
    in.schedule = primer ? ScheduleInput::PrimerWorkHours : ScheduleInput::PaintWorkHours;
    in.apply = [primer](TLumoState &s, double v) {
      (primer ? s.ScenarioRecord.PrimerWorkHours : s.ScenarioRecord.PaintWorkHours) = v;
      AfterPaintingDuration(s, true);
    };
  }
  {
    auto &in = b.AddInt("NumberOfPainters", "painters", kPainterLimits, G, duration,
                        &Record::NumberOfPainters);
    in.correct = [](double v) { return double(WholePainters(v)); };
    in.schedule = ScheduleInput::Painters;
    in.apply = [](TLumoState &s, double v) {
      s.ScenarioRecord.NumberOfPainters = static_cast<std::int32_t>(v);
      AfterPaintingDuration(s, true);
    };
  }
  {
    // A spin field of whole hours: a fraction cannot be typed, the nearest
    // whole hour is taken; a value outside 0 to 12 is refused.
    auto &in = b.AddInt("HoursTillPaint", "hours", kHoursTillPaintLimits, G, duration,
                        &Record::HoursTillPaint);
    auto refuse = Refusing(in.name, in.unit, kHoursTillPaintLimits);
    in.correct = [refuse](double v) { return refuse(std::nearbyint(v)); };
    in.refusal = [](const Record &r) -> std::optional<std::string> {
      if (r.PaintInterval == PaintInterval::PAINTSAMEDAY) return std::nullopt;
      return std::string(
          "HoursTillPaint applies only when painting starts on the day priming "
          "ends; this scenario paints on a later day.");
    };
    in.apply = [](TLumoState &s, double v) {
      s.ScenarioRecord.HoursTillPaint = static_cast<std::int32_t>(v);
      AfterPaintingDuration(s, false);
    };
  }
}

void AddChemical(Builder &b) {
  const auto G = InputGroup::Chemical;
  {
    // The chemical list's field refuses a negative weight or one above
    // 1e7, and corrects one below 0.01 to 0.01.
    auto &in = b.Add("MolecularWeight", "g/mole", kMolecularWeightLimits, G, "chemical list",
                     &Record::MolecularWeight);
    in.correct = [refuse = Refusing(in.name, in.unit, kMolecularWeightLimits)](double v) {
      return refuse(v >= 0 ? std::max(v, kMolecularWeightLimits.Min) : v);
    };
    in.apply = [](TLumoState &s, double v) {
      s.ScenarioRecord.MolecularWeight = v;
      s.SetDefaultEmissions();
    };
  }
  {
    auto &in = b.Add("VaporPressure", "torr", kVaporPressureLimits, G, "chemical list",
                     &Record::VaporPressure);
    in.apply = [](TLumoState &s, double v) {
      s.ScenarioRecord.VaporPressure = v;
      s.SetDefaultEmissions();
    };
  }
  for (bool primer : {true, false}) {
    // Above 1 the field sets 1; below 9.99e-7 the window stores 1.0e-6.
    const FieldLimits limits{rules::kWeightFractionFloor, kWeightFractionLimits.Max};
    auto &in =
        b.Add(primer ? "PrimerWeightFraction" : "PaintWeightFraction", "mass fraction", limits, G,
              primer ? "weight fraction in primer field" : "weight fraction in paint field",
              primer ? &Record::PrimerWeightFraction : &Record::PaintWeightFraction);
    in.correct = [](double v) {
      (void)rules::LimitWeightFraction(v);
      return v >= rules::kWeightFractionFloor ? v : rules::kMinWeightFraction;
    };
    in.apply = [primer](TLumoState &s, double v) { rules::ApplyWeightFraction(s, primer, v); };
  }
}

void AddEmissions(Builder &b) {
  const auto G = InputGroup::Emissions;
  for (bool primer : {true, false}) {
    const std::string side = primer ? "Primer" : "Paint";
    const std::string dialog = primer ? "Primer Emissions dialogs" : "Paint Emissions dialogs";
    {
      auto &in = b.Add(side + "ChemicalMass", "grams", kChemicalMassLimits, G, dialog,
                       primer ? &Record::PrimerChemicalMass : &Record::PaintChemicalMass);
      // Either model's dialog; the semi-empirical one computes its rate
      // constant as it opens.
      in.apply = [primer](TLumoState &s, double v) {
        auto &r = s.ScenarioRecord;
        if (SemiEmpirical(r, primer)) {
          rules::StoreSemiEmpiricalRate(r, primer);
          (primer ? r.PrimerChemicalMass : r.PaintChemicalMass) = v;
        } else {
          (primer ? r.PrimerChemicalMass : r.PaintChemicalMass) = v;
          StoreEmpirical(r, primer);
        }
      };
    }
    const std::pair<const char *, double Record::*> empirical[] = {
        {"PercentFirstExp",
         primer ? &Record::PrimerPercentFirstExp : &Record::PaintPercentFirstExp},
        {"RateConstant1", primer ? &Record::PrimerRateConstant1 : &Record::PaintRateConstant1},
        {"RateConstant2", primer ? &Record::PrimerRateConstant2 : &Record::PaintRateConstant2}};
    for (const auto &[suffix, field] : empirical) {
      const bool percent = std::string(suffix) == "PercentFirstExp";
      auto &in =
          b.Add(side + suffix, percent ? "percent" : "1/hr",
                percent ? kPercentFirstExpLimits : kEmissionRateConstantLimits, G, dialog, field);
      in.refusal = [primer, name = in.name](const Record &r) {
        return EmpiricalOnly(r, primer, name);
      };
      in.apply = [primer, member = field](TLumoState &s, double v) {
        s.ScenarioRecord.*member = v;
        StoreEmpirical(s.ScenarioRecord, primer);
      };
    }
    {
      auto &in =
          b.Add(side + "VOCWeightFraction", "mass fraction", kVOCWeightFractionLimits, G, dialog,
                primer ? &Record::PrimerVOCWeightFraction : &Record::PaintVOCWeightFraction);
      in.refusal = [primer, name = in.name](const Record &r) {
        return SemiEmpiricalOnly(r, primer, name);
      };
      in.apply = [primer](TLumoState &s, double v) {
        auto &r = s.ScenarioRecord;
        rules::StoreSemiEmpiricalRate(r, primer);
        (primer ? r.PrimerVOCWeightFraction : r.PaintVOCWeightFraction) = v;
        rules::StoreSemiEmpiricalRate(r, primer);
      };
    }
    {
      auto &in = b.Add(
          side + "FirstOrderRateConstant", "1/hr", kEmissionRateConstantLimits, G, dialog,
          primer ? &Record::PrimerFirstOrderRateConstant : &Record::PaintFirstOrderRateConstant);
      in.refusal = [primer, name = in.name](const Record &r) {
        return SemiEmpiricalOnly(r, primer, name);
      };
      in.apply = [primer](TLumoState &s, double v) {
        auto &r = s.ScenarioRecord;
        rules::StoreSemiEmpiricalRate(r, primer);
        (primer ? r.PrimerFirstOrderRateConstant : r.PaintFirstOrderRateConstant) = v;
      };
    }
  }
}

void AddSinks(Builder &b) {
  const auto G = InputGroup::Sinks;
  const std::pair<SinkValue, std::pair<const char *, const char *>> kinds[] = {
      {SinkValue::Area, {"SinkArea", "m²"}},
      {SinkValue::Adsorption, {"AdsorptionRate", "m/hr"}},
      {SinkValue::Desorption, {"DesorptionRate", "1/hr"}}};
  for (const auto &[what, text] : kinds) {
    const FieldLimits limits = what == SinkValue::Area         ? kSinkAreaLimits
                               : what == SinkValue::Adsorption ? kAdsorptionRateLimits
                                                               : kDesorptionRateLimits;
    for (int i = 0; i < SinkBlock::kSinks; ++i) {
      double(SinkBlock::*column)[SinkBlock::kSinks] = what == SinkValue::Area ? &SinkBlock::SinkArea
                                                      : what == SinkValue::Adsorption
                                                          ? &SinkBlock::AdsorptionRate
                                                          : &SinkBlock::DesorptionRate;
      auto &in = b.Add(text.first + std::to_string(i + 1), text.second, limits, G,
                       "Indoor Sinks dialogs", nullptr);
      in.get = [column, i](const Record &r) { return (r.Sinks.*column)[i]; };
      // A cell that is not a number of at least 0 is not stored (its
      // correction dialog asks for another); one above the limit is set to
      // the limit.
      in.correct = [refuse = Refusing(in.name, in.unit, limits), limits](double v) {
        return refuse(std::min(v, limits.Max));
      };
      in.refusal = [value = what, name = in.name](const Record &r) {
        return SinkRefusal(r, value, name);
      };
      in.apply = [column, i](TLumoState &s, double v) { (s.ScenarioRecord.Sinks.*column)[i] = v; };
    }
  }
}

void AddPerson(Builder &b) {
  const auto G = InputGroup::Person;
  {
    auto &in = b.Add("EventsPerYear", "events/year", kEventsPerYearLimits, G,
                     "Exposure Events dialog", &Record::EventsPerYear);
    in.correct = Refusing(in.name, in.unit, kEventsPerYearLimits);
    in.apply = [](TLumoState &s, double v) {
      auto &r = s.ScenarioRecord;
      rules::StoreExposureEvents(r, v, r.YearsofExposure);
    };
  }
  {
    auto &in = b.AddInt("YearsofExposure", "years", kYearsOfExposureLimits, G,
                        "Exposure Events dialog", &Record::YearsofExposure);
    in.correct = [](double v) {
      return double(WholeYears(NearestInRange(v, kYearsOfExposureLimits)));
    };
    in.apply = [](TLumoState &s, double v) {
      auto &r = s.ScenarioRecord;
      rules::StoreExposureEvents(r, r.EventsPerYear, v);
    };
  }
  {
    auto &in = b.Add("LifeTime", "years", kLifeTimeLimits, G, "Years in Lifetime dialog",
                     &Record::LifeTime);
    in.integer = true;
    in.correct = [](double v) { return rules::WholeLifetimeYears(v); };
  }
  b.Add("BodyWeight", "kg", kBodyWeightLimits, G, "Body Weight dialog", &Record::BodyWeight);
}

std::vector<VariableInput> MakeTable() {
  Builder b;
  AddBuilding(b);
  AddPaint(b);
  AddChemical(b);
  AddEmissions(b);
  AddSinks(b);
  AddPerson(b);
  return std::move(b.inputs);
}

// Stores the value unless it is no edit; the schedule is not judged.
bool ApplyOne(TLumoState &state, const VariableInput &input, double value) {
  if (std::isnan(value)) throw EVariableInput(input.name + ": the value drawn is not a number.");
  const Record &r = state.ScenarioRecord;
  const double stored = input.get(r);
  if (value == stored) return false;
  const double corrected = input.correct(value);
  if (corrected == stored) return false;
  if (auto why = input.refusal(r)) throw EVariableInput(*why);
  input.apply(state, corrected);
  return true;
}

// After an edit: a painting the schedule cannot hold is refused, naming
// `input`.
void JudgeSchedule(const TLumoState &state, const VariableInput &input) {
  const Record &r = state.ScenarioRecord;
  if (ScheduleFits(r)) return;
  const auto why = ScheduleRefusal(r, input.schedule);
  throw EVariableInput(input.name + ": " + why.value_or("the painting schedule cannot hold it."));
}

}  // namespace

const std::vector<VariableInput> &VariableInputs() {
  static const std::vector<VariableInput> table = MakeTable();
  return table;
}

const VariableInput *FindVariableInput(std::string_view name) {
  for (const VariableInput &in : VariableInputs())
    if (in.name == name) return &in;
  return nullptr;
}

std::vector<VariableInputLimits> VariableInputLimitsList() {
  std::vector<VariableInputLimits> list;
  for (const VariableInput &in : VariableInputs())
    list.push_back({in.name, in.limits.Min, in.limits.Max, in.integer, in.unit});
  return list;
}

std::optional<std::string> VariationRefusal(const ScenarioRecord &scenario,
                                            const VariableInput &input) {
  return input.refusal(scenario);
}

bool ApplyVariableInput(TLumoState &state, const VariableInput &input, double value) {
  const bool edited = ApplyOne(state, input, value);
  if (edited) JudgeSchedule(state, input);
  return edited;
}

void ApplyVariableInputs(TLumoState &state, std::span<const VariedValue> values) {
  const std::vector<VariableInput> &table = VariableInputs();
  const VariableInput *first = table.data();
  // The order is the position in the table, so every input must be one of
  // its entries (as FindVariableInput gives them), not a copy.
  for (const VariedValue &v : values)
    if (!std::any_of(table.begin(), table.end(),
                     [&v](const VariableInput &in) { return &in == v.input; }))
      throw EVariableInput(std::string(v.input ? v.input->name : "A varied value") +
                           " is not an entry of the table of inputs that may vary.");
  std::vector<VariedValue> ordered(values.begin(), values.end());
  std::stable_sort(ordered.begin(), ordered.end(),
                   [first](const VariedValue &a, const VariedValue &b) {
                     return a.input - first < b.input - first;
                   });
  // The refusal names the last edited input that changes the work, or else
  // the last edited one.
  const VariableInput *named = nullptr;
  for (std::size_t i = 0; i < ordered.size(); ++i) {
    const VariableInput &input = *ordered[i].input;
    if (i > 0 && ordered[i - 1].input == ordered[i].input)
      throw EVariableInput(input.name + " is given more than once.");
    if (!ApplyOne(state, input, ordered[i].value)) continue;
    if (!named || named->schedule == ScheduleInput::Choice ||
        input.schedule != ScheduleInput::Choice)
      named = &input;
  }
  if (named) JudgeSchedule(state, *named);
}

}  // namespace lumo
