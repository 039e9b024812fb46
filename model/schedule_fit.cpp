#include "schedule_fit.h"

#include <cmath>
#include <functional>

#include "field_limits.h"
#include "lumo_errors.h"
#include "lumo_state.h"
#include "readable_number.h"

namespace lumo {
namespace {

constexpr int kMaxDays = PaintDurationGrid::kMaxRows;

// A scenario of its own whose record can be changed and its schedule
// counted, leaving the caller's scenario alone.
class Probe {
 public:
  explicit Probe(const ScenarioRecord &record) { state_.ScenarioRecord = record; }
  ScenarioRecord &Record() { return state_.ScenarioRecord; }
  const TLumoState &State() const { return state_; }
  bool Fits() const {
    try {
      state_.CountPaintDurationGridRows();
      return true;
    } catch (const ETooManyOverrideRows &) {
      return false;
    }
  }

 private:
  TLumoState state_;
};

// One number the schedule depends on: how to read and set it, its limits,
// whether more of it means more work, and the words for it.
struct Knob {
  std::function<double(const ScenarioRecord &)> get;
  std::function<void(ScenarioRecord &, double)> set;
  FieldLimits limits;
  bool grows;  // more of it, more days of work
  bool whole;
  // "A building volume of 5 ft³ needs", with the value put in.
  std::function<std::string(double)> lead;
  // "the building volume can be at most about 5 ft³", with the bound put in.
  std::function<std::string(double)> bound;
  std::string nothingFits;  // when no value within the limits fits
};

std::string N(double x) {
  return ReadableNumber(x);
}

std::string Coats(double n, const char *what) {
  return ReadableNumber(n) + (n == 1 ? " coat of " : " coats of ") + what;
}

Knob KnobFor(ScheduleInput input) {
  using R = ScenarioRecord;
  auto field = [](double R::*member) {
    return std::pair{[member](const R &r) { return r.*member; },
                     [member](R &r, double v) { r.*member = v; }};
  };
  auto whole = [](std::int32_t R::*member) {
    return std::pair{[member](const R &r) { return double(r.*member); },
                     [member](R &r, double v) { r.*member = static_cast<std::int32_t>(v); }};
  };
  auto make = [](auto access, FieldLimits limits, bool grows, bool isWhole, auto lead, auto bound,
                 std::string nothing) {
    return Knob{access.first, access.second, limits, grows,
                isWhole,      lead,          bound,  std::move(nothing)};
  };
  switch (input) {
    case ScheduleInput::BuildingVolume:
    case ScheduleInput::BoxVolume: {
      const bool box = input == ScheduleInput::BoxVolume;
      return make(
          field(&R::BldgVolume), kBuildingVolumeLimits, true, false,
          [box](double x) {
            return (box ? "A Standard Box of " : "A building volume of ") + N(x) + " ft³ needs";
          },
          [box](double x) {
            return (box ? "the box can hold at most about "
                        : "the building volume can be at most about ") +
                   N(x) + " ft³";
          },
          "not even the smallest building volume fits");
    }
    case ScheduleInput::PercentPainted:
      return make(
          field(&R::PercentPainted), kPercentPaintedLimits, true, false,
          [](double x) { return "Painting " + N(x) + " % of the building needs"; },
          [](double x) { return "at most about " + N(x) + " % of it can be painted"; },
          "not even the smallest percent painted fits");
    case ScheduleInput::LoadingRatio:
      return make(
          field(&R::LoadingRatio), kLoadingRatioLimits, true, false,
          [](double x) { return "A loading ratio of " + N(x) + " ft²/ft³ needs"; },
          [](double x) { return "the loading ratio can be at most about " + N(x) + " ft²/ft³"; },
          "not even the smallest loading ratio fits");
    case ScheduleInput::PrimerCoats:
    case ScheduleInput::PaintCoats: {
      const bool primer = input == ScheduleInput::PrimerCoats;
      const char *what = primer ? "primer" : "paint";
      return make(
          whole(primer ? &R::PrimerCoats : &R::PaintCoats), kCoatLimits, true, true,
          [what](double x) { return Coats(x, what) + (x == 1 ? " needs" : " need"); },
          [what](double x) { return "at most " + Coats(x, what) + (x == 1 ? " fits" : " fit"); },
          std::string("no number of coats of ") + what + " fits");
    }
    case ScheduleInput::PrimerCoverage:
    case ScheduleInput::PaintCoverage: {
      const bool primer = input == ScheduleInput::PrimerCoverage;
      const std::string what = primer ? "primer coverage" : "paint coverage";
      return make(
          field(primer ? &R::PrimerCoverage : &R::PaintCoverage), kCoverageLimits, false, false,
          [what](double x) { return "A " + what + " of " + N(x) + " ft²/gallon needs"; },
          [what](double x) {
            return "the " + what + " must be at least about " + N(x) + " ft²/gallon";
          },
          "not even the largest " + what + " fits");
    }
    case ScheduleInput::PrimerApplicationRate:
    case ScheduleInput::PaintApplicationRate: {
      const bool primer = input == ScheduleInput::PrimerApplicationRate;
      const std::string what = primer ? "primer application rate" : "paint application rate";
      return make(
          field(primer ? &R::PrimerApplicationRate : &R::PaintApplicationRate),
          kApplicationRateLimits, false, false,
          [what](double x) {
            return "A " + what + " of " + N(x) + " gallons/hour per painter needs";
          },
          [what](double x) {
            return "the " + what + " must be at least about " + N(x) + " gallons/hour";
          },
          "not even the highest " + what + " fits");
    }
    case ScheduleInput::Painters:
      return make(
          whole(&R::NumberOfPainters), kPainterLimits, false, true,
          [](double x) { return N(x) + (x == 1 ? " painter needs" : " painters need"); },
          [](double x) { return "at least " + N(x) + " painters are needed"; },
          "not even the largest number of painters fits");
    case ScheduleInput::PrimerWorkHours:
    case ScheduleInput::PaintWorkHours: {
      const bool primer = input == ScheduleInput::PrimerWorkHours;
      const std::string what = primer ? "priming" : "painting";
      return make(
          field(primer ? &R::PrimerWorkHours : &R::PaintWorkHours), kWorkHourLimits, false, false,
          [what](double x) { return N(x) + " hours of " + what + " a day need"; },
          [what](double x) {
            return "at least about " + N(x) + " hours of " + what + " a day are needed";
          },
          "not even 12 hours of " + what + " a day fit");
    }
    case ScheduleInput::Choice:
      break;
  }
  return {};
}

// `v` cut to `digits` significant digits, down or up.
double Rounded(double v, int digits, bool up) {
  if (!(v > 0)) return v;
  const double scale = std::pow(10.0, digits - 1 - std::floor(std::log10(v)));
  return (up ? std::ceil(v * scale - 1e-9) : std::floor(v * scale + 1e-9)) / scale;
}

// The largest (for an input that grows the work) or smallest value that
// fits, found by halving; nothing when no value within the limits fits.
std::optional<double> FittingBound(Probe &probe, const Knob &knob) {
  const double current = knob.get(probe.Record());
  auto fits = [&](double v) {
    knob.set(probe.Record(), v);
    return probe.Fits();
  };
  // `good` always fits and `bad` never does.
  double good = knob.grows ? knob.limits.Min : knob.limits.Max;
  double bad = current;
  if (!fits(good)) return std::nullopt;
  for (int i = 0; i < 200; ++i) {
    double middle = (good + bad) / 2;
    if (knob.whole) middle = knob.grows ? std::floor(middle) : std::ceil(middle);
    if (middle == good || middle == bad) break;
    if (std::fabs(bad - good) <= 1e-6 * std::fabs(good)) break;
    (fits(middle) ? good : bad) = middle;
  }
  if (knob.whole) return good;
  // A rounder number on the safe side, when it still fits.
  for (int digits = 3; digits <= 6; ++digits) {
    const double round = Rounded(good, digits, !knob.grows);
    if (InRange(round, knob.limits) && fits(round)) return round;
  }
  return good;
}

const char *const kAdvice =
    "Fewer coats, a larger coverage (Edit Amount of Paint), or more painters, higher application "
    "rates or more hours a day (Edit Painting Duration) also shorten the work.";

}  // namespace

bool ScheduleFits(const ScenarioRecord &record) {
  return Probe(record).Fits();
}

std::int64_t ScheduleDaysNeeded(const ScenarioRecord &record) {
  Probe probe(record);
  return std::int64_t(probe.State().GetPrimerDays()) + probe.State().GetPaintDays();
}

std::optional<std::string> ScheduleRefusal(const ScenarioRecord &record, ScheduleInput edited) {
  Probe probe(record);
  if (probe.Fits()) return std::nullopt;
  // The rows the schedule would need can exceed the whole days by one
  // (priming and painting on the same day); it needs more than 800 either way.
  std::int64_t days = ScheduleDaysNeeded(record);
  if (days <= kMaxDays) days = kMaxDays + 1;
  const std::string needs = " " + ReadableNumber(double(days)) +
                            " days of priming and painting; the painting schedule holds at most " +
                            std::to_string(kMaxDays) + " days of work. ";

  if (edited == ScheduleInput::Choice) {
    const TLumoState &s = probe.State();
    return "The painting of this scenario (" + ReadableNumber(s.GetPrimeVolume()) +
           " gallons of primer and " + ReadableNumber(s.GetPaintVolume()) +
           " gallons of paint) needs" + needs +
           "Use a smaller painted volume (Edit Volume, Edit % Painted). " + kAdvice;
  }
  const Knob knob = KnobFor(edited);
  const double value = knob.get(record);
  std::string text = knob.lead(value) + needs;
  if (auto bound = FittingBound(probe, knob)) {
    text += "With the other inputs as they are, " + knob.bound(*bound) + ". ";
  } else {
    text += "With the other inputs as they are, " + knob.nothingFits + ". ";
  }
  return text + kAdvice;
}

}  // namespace lumo
