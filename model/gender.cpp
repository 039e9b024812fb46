// Exposure factors by gender and kind of person.
#include "gender.h"

namespace lumo {
namespace {

// 0, 1, 2 for NonSpecific, Male, Female; NonSpecific for anything else.
int GenderIndex(GenderType g) {
  auto i = static_cast<int>(g);
  return i <= static_cast<int>(GenderType::Female) ? i : 0;
}

}  // namespace

double GetGenderLifeTime(GenderType g) {
  static constexpr double kYears[3] = {75.0, 72.1, 78.9};
  return kYears[GenderIndex(g)];
}

double GetGenderBodyWt(GenderType g) {
  static constexpr double kKg[3] = {71.8, 78.1, 65.4};
  return kKg[GenderIndex(g)];
}

double GetBreathingRate(GenderType g, IndividualType person) {
  static constexpr double kRates[4][3] = {
      {27.5, 30.0, 25.0},  // Pro
      {18.0, 20.4, 16.8},  // Adult
      {27.5, 30.0, 25.0},  // DIY
      {16.8, 16.8, 16.8},  // Child
  };
  auto p = static_cast<int>(person);
  if (p > static_cast<int>(IndividualType::Child)) p = 0;
  return kRates[p][GenderIndex(g)];
}

}  // namespace lumo
