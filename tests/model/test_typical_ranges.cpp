// Inputs far outside their typical ranges are noted with the field, the
// value and the range; the factory defaults of every building and person
// are not.
#include <gtest/gtest.h>

#include "lumo_state.h"
#include "scenario_rules.h"
#include "typical_ranges.h"

namespace lumo {
namespace {

TEST(TypicalRanges, DefaultsPassAndSlipsAreNamed) {
  for (BldgType type :
       {BldgType::House, BldgType::Apartment, BldgType::HighRise, BldgType::LowRise}) {
    for (IndividualType person : {IndividualType::Pro, IndividualType::Adult}) {
      TLumoState state;
      rules::ApplyBuildingChoice(state, type, false);
      state.ApplyIndividualDefaults(person);
      EXPECT_TRUE(PlausibilityNotes(state.ScenarioRecord).empty()) << int(type) << int(person);
    }
  }
  TLumoState child;
  child.ApplyIndividualDefaults(IndividualType::Child);
  EXPECT_TRUE(PlausibilityNotes(child.ScenarioRecord).empty());

  TLumoState state;
  auto &r = state.ScenarioRecord;
  ASSERT_EQ(r.BldgType, BldgType::House);
  r.BldgVolume = 2000000;
  r.AirExchangeRate = 40;
  const auto notes = PlausibilityNotes(r);
  ASSERT_EQ(notes.size(), 2u);
  EXPECT_EQ(notes[0].input, TypicalInput::BuildingVolume);
  EXPECT_EQ(notes[0].text,
            "The building volume, 2,000,000 ft³, is far outside the typical range of a house, "
            "3,000 to 60,000 ft³ (help: Building Volume). It is used as it is; check it.");
  EXPECT_EQ(notes[1].input, TypicalInput::AirExchangeRate);
  EXPECT_NE(notes[1].text.find("40 air changes per hour"), std::string::npos) << notes[1].text;

  // The same volume is an ordinary high-rise; a child's weight is not an
  // adult's.
  r.AirExchangeRate = 1.0;
  r.BldgType = BldgType::HighRise;
  EXPECT_TRUE(PlausibilityNotes(r).empty());
  r.BodyWeight = 20.3;
  EXPECT_EQ(PlausibilityNotes(r).size(), 1u);
  r.IndividualType = IndividualType::Child;
  r.LifeTime = 10;
  EXPECT_TRUE(PlausibilityNotes(r).empty());
}

}  // namespace
}  // namespace lumo
