// Typical ranges of the inputs, as the help documents give them, and the
// notes on inputs far outside them.
//
// A value outside its typical range is not refused (the model can use it;
// the limits of field_limits.h say what it cannot use), but a house of two
// million ft³ or forty air changes an hour is more likely a slip than a
// building, so the window flags it beside its field and the report lists
// it. The ranges are those the help documents state; keep the two in step.
#pragma once

#include <string>
#include <vector>

#include "scenario_record.h"

namespace lumo {

enum class TypicalInput {
  BuildingVolume,
  AirExchangeRate,
  PrimerWeightFraction,
  PaintWeightFraction,
  LifeTime,
  BodyWeight,
};

struct TypicalRange {
  double min;
  double max;
};

// The typical range of `input` for the scenario's building and person.
TypicalRange TypicalRangeOf(TypicalInput input, const ScenarioRecord &scenario);

struct PlausibilityNote {
  TypicalInput input;
  // Names the field, its value, the typical range and the help document,
  // e.g. "The building volume, 2,000,000 ft³, is far outside the typical
  // range of a house, 5,000 to 50,000 ft³ (help: Building Volume). It is
  // used as it is; check it."
  std::string text;
};

// One note for each input outside its typical range, in the order above.
std::vector<PlausibilityNote> PlausibilityNotes(const ScenarioRecord &scenario);

}  // namespace lumo
