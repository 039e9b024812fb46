#include "typical_ranges.h"

#include "readable_number.h"
#include "scenario_enums.h"

namespace lumo {
namespace {

struct Description {
  TypicalInput input;
  const char *field;  // as a sentence names it
  const char *unit;   // after the number, with its blank; empty for none
  const char *help;   // the help document's title
};

constexpr Description kInputs[] = {
    {TypicalInput::BuildingVolume, "The building volume", " ft³", "Building Volume"},
    {TypicalInput::AirExchangeRate, "The air exchange rate", " air changes per hour",
     "Air Exchange Rate"},
    {TypicalInput::PrimerWeightFraction, "The weight fraction of the chemical in the primer", "",
     "Weight Fraction"},
    {TypicalInput::PaintWeightFraction, "The weight fraction of the chemical in the paint", "",
     "Weight Fraction"},
    {TypicalInput::LifeTime, "The lifetime", " years", "Years in Lifetime"},
    {TypicalInput::BodyWeight, "The body weight", " kg", "Body Weight"},
};

double ValueOf(TypicalInput input, const ScenarioRecord &s) {
  switch (input) {
    case TypicalInput::BuildingVolume:
      return s.BldgVolume;
    case TypicalInput::AirExchangeRate:
      return s.AirExchangeRate;
    case TypicalInput::PrimerWeightFraction:
      return s.PrimerWeightFraction;
    case TypicalInput::PaintWeightFraction:
      return s.PaintWeightFraction;
    case TypicalInput::LifeTime:
      return s.LifeTime;
    case TypicalInput::BodyWeight:
      return s.BodyWeight;
  }
  return 0.0;
}

// Whose range it is, for the sentence: "of a house", "of a child".
std::string RangeOwner(TypicalInput input, const ScenarioRecord &s) {
  switch (input) {
    case TypicalInput::BuildingVolume:
      switch (s.BldgType) {
        case BldgType::House:
          return "of a house";
        case BldgType::Apartment:
          return "of an apartment";
        case BldgType::HighRise:
          return "of a high-rise office building";
        case BldgType::LowRise:
          return "of a low-rise office building";
        case BldgType::Other:
          break;
      }
      return "of a building";
    case TypicalInput::BodyWeight:
      return s.IndividualType == IndividualType::Child ? "of a child" : "of an adult";
    default:
      return "";
  }
}

}  // namespace

TypicalRange TypicalRangeOf(TypicalInput input, const ScenarioRecord &s) {
  switch (input) {
    case TypicalInput::BuildingVolume:
      switch (s.BldgType) {
        case BldgType::House:
          return {3000, 60000};
        case BldgType::Apartment:
          return {1500, 30000};
        case BldgType::HighRise:
          return {100000, 50000000};
        case BldgType::LowRise:
          return {10000, 5000000};
        case BldgType::Other:
          break;
      }
      return {100, 50000000};
    case TypicalInput::AirExchangeRate:
      return {0.05, 10};
    case TypicalInput::PrimerWeightFraction:
    case TypicalInput::PaintWeightFraction:
      return {0.0, 0.3};
    case TypicalInput::LifeTime:
      return s.IndividualType == IndividualType::Child ? TypicalRange{1, 18}
                                                       : TypicalRange{50, 100};
    case TypicalInput::BodyWeight:
      return s.IndividualType == IndividualType::Child ? TypicalRange{5, 70}
                                                       : TypicalRange{35, 180};
  }
  return {0, 0};
}

std::vector<PlausibilityNote> PlausibilityNotes(const ScenarioRecord &s) {
  std::vector<PlausibilityNote> notes;
  for (const Description &d : kInputs) {
    const double value = ValueOf(d.input, s);
    const TypicalRange range = TypicalRangeOf(d.input, s);
    // Not a number is for the check before a run to refuse, not a note.
    if (!(value < range.min || value > range.max)) continue;
    std::string owner = RangeOwner(d.input, s);
    if (!owner.empty()) owner = " " + owner;
    notes.push_back({d.input, std::string(d.field) + ", " + ReadableNumber(value) + d.unit +
                                  ", is far outside the typical range" + owner + ", " +
                                  ReadableNumber(range.min) + " to " + ReadableNumber(range.max) +
                                  d.unit + " (help: " + d.help +
                                  "). It is used as it is; check it."});
  }
  return notes;
}

}  // namespace lumo
