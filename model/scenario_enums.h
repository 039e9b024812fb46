// The scenario's choices, each stored in one byte of the scenario record in
// the order given here (first element = 0), and the texts the windows and the
// report show for them.
//
// A byte read from a file may hold a value outside its type. Such a value is
// kept as read; the display texts give the empty string for it (the window
// keeps what it showed), and no operation uses it as a table index.
#pragma once

#include <cstdint>
#include <string>

namespace lumo {

enum class Days : std::uint8_t { Mon, Tue, Wed, Thu, Fri, Sat, Sun };
enum class SinkModelType : std::uint8_t { None, OneWay, Reversible };
enum class BldgType : std::uint8_t { House, Apartment, HighRise, LowRise, Other };
// Only zero against non-zero matters: zero = the whole building is painted.
enum class BldgArea : std::uint8_t { EntireBldg, OneBedroom, EntireFloor, OneOffice };
enum class BldgSurface : std::uint8_t { Walls, Ceilings, Both };
enum class PaintType : std::uint8_t { LatexFlat, LatexSemiGloss, Alkyd };
enum class PaintInterval : std::uint8_t { PAINTSAMEDAY, PAINTNEXTDAY, PAINTSECONDDAY };
enum class EmissionsModelType : std::uint8_t { Empirical, SemiEmpirical };
enum class IndividualType : std::uint8_t { Pro, Adult, DIY, Child };
enum class IndividualLocationType : std::uint8_t { PaintedArea, Building, NotBuilding };
enum class GenderType : std::uint8_t { NonSpecific, Male, Female };

// A residence is a House or an Apartment; every other value (HighRise,
// LowRise, Other and any value beyond) counts as an office building.
constexpr bool IsResidence(BldgType t) {
  return t == BldgType::House || t == BldgType::Apartment;
}
constexpr bool IsOffice(BldgType t) {
  return !IsResidence(t);
}

// Display texts; the empty string for a value outside the type.
std::string DaytoString(Days d);                               // "Monday" ... "Sunday"
std::string DayAbbreviation(int day);                          // "Mon" ... "Sun" for 0 to 6
std::string SinkModeltoString(SinkModelType s);                // "No Sink", "One Way Sink", ...
std::string BldgTypetoString(BldgType t);                      // "House", ..., "High Rise", ...
std::string PaintTypetoString(PaintType t);                    // "Latex Flat", ...
std::string EmissionsModelTypetoString(EmissionsModelType m);  // "Empirical", "VBX"
std::string IndividualTypetoString(IndividualType t);          // "Professional Painter", ...
std::string IndividualLocationTypetoString(IndividualLocationType l);  // "In painted area", ...
std::string GenderToString(GenderType g);  // "Non-Specific", "Male", "Female"

}  // namespace lumo
