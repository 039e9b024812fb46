// Exposure factors that depend only on the person's gender and kind: life
// expectancy, body weight and the breathing rate while painting goes on.
#pragma once

#include "scenario_enums.h"

namespace lumo {

// Years: NonSpecific 75.0, Male 72.1, Female 78.9. A value outside the type
// is treated as NonSpecific.
double GetGenderLifeTime(GenderType g);

// kg: NonSpecific 71.8, Male 78.1, Female 65.4. A value outside the type is
// treated as NonSpecific.
double GetGenderBodyWt(GenderType g);

// m³/day during the painting event:
//            NonSpecific  Male  Female
//   Pro         27.5      30.0   25.0
//   Adult       18.0      20.4   16.8
//   DIY         27.5      30.0   25.0
//   Child       16.8      16.8   16.8
// A gender outside its type is treated as NonSpecific; a person outside
// their type as a professional painter (the highest rates).
double GetBreathingRate(GenderType g, IndividualType person);

}  // namespace lumo
