// Display texts of the scenario's choices.
#include "scenario_enums.h"

#include <array>
#include <cstddef>

namespace lumo {
namespace {

// The text of `value` in `texts`, or empty when the value lies outside.
template <typename E, std::size_t N>
std::string Lookup(E value, const std::array<const char *, N> &texts) {
  auto i = static_cast<std::size_t>(value);
  return i < N ? texts[i] : std::string();
}

}  // namespace

std::string DaytoString(Days d) {
  static constexpr std::array<const char *, 7> kTexts = {
      "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"};
  return Lookup(d, kTexts);
}

std::string DayAbbreviation(int day) {
  static constexpr std::array<const char *, 7> kTexts = {"Mon", "Tue", "Wed", "Thu",
                                                         "Fri", "Sat", "Sun"};
  if (day < 0) return {};
  return Lookup(static_cast<unsigned>(day), kTexts);
}

std::string SinkModeltoString(SinkModelType s) {
  static constexpr std::array<const char *, 3> kTexts = {"No Sink", "One Way Sink",
                                                         "Reversible Sink"};
  return Lookup(s, kTexts);
}

std::string BldgTypetoString(BldgType t) {
  static constexpr std::array<const char *, 5> kTexts = {"House", "Apartment", "High Rise",
                                                         "Low Rise", "Other"};
  return Lookup(t, kTexts);
}

std::string PaintTypetoString(PaintType t) {
  static constexpr std::array<const char *, 3> kTexts = {"Latex Flat", "Latex Semi-Gloss", "Alkyd"};
  return Lookup(t, kTexts);
}

std::string EmissionsModelTypetoString(EmissionsModelType m) {
  static constexpr std::array<const char *, 2> kTexts = {"Empirical", "VBX"};
  return Lookup(m, kTexts);
}

std::string IndividualTypetoString(IndividualType t) {
  static constexpr std::array<const char *, 4> kTexts = {"Professional Painter", "Adult",
                                                         "Do-it-Yourself Painter", "Child"};
  return Lookup(t, kTexts);
}

std::string IndividualLocationTypetoString(IndividualLocationType l) {
  static constexpr std::array<const char *, 3> kTexts = {"In painted area", "In building",
                                                         "Not in building"};
  return Lookup(l, kTexts);
}

std::string GenderToString(GenderType g) {
  static constexpr std::array<const char *, 3> kTexts = {"Non-Specific", "Male", "Female"};
  return Lookup(g, kTexts);
}

}  // namespace lumo
