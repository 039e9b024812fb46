// The rules that tie the scenario's choices together, as the main window
// applies them: the building choice with its default percent painted,
// volume and air exchange, the Standard Box, the exposed individual, the
// location, gender, painted surfaces, coats, paint type and weight
// fractions, and the refusals with the sentences the user is shown.
//
// Each Apply... function runs the whole sequence of derivations of one
// rule on the scenario (the scenario never recomputes on its own). Each
// ...Refusal function tells whether a choice is refused and why; it changes
// nothing. The window only shows, asks and refills.
//
// The painting schedule may throw ETooManyOverrideRows from any rule that
// rebuilds it; the caller reports it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "field_limits.h"
#include "lumo_state.h"
#include "scenario_enums.h"

namespace lumo::rules {

// ---- Building choice ------------------------------------------------------

// The default percent painted for a building and area choice (`part` =
// one bedroom / one office / part of the building).
double DefaultPercentPainted(BldgType type, bool part);
// The stored building area for a building and area choice: 0/1 for a
// residence or the Standard Box, 2/3 for an office building.
BldgArea AreaFor(BldgType type, bool part);
// The default building volume in ft³. The Standard Box has no default of
// its own: its volume is always length × width × height of the box.
double DefaultBldgVolume(const TLumoState &state, BldgType type);
// Length × width × height of the Standard Box, in that order.
double BoxVolume(const ScenarioRecord &r);
// 0.45 air changes per hour for a residence, 1.0 otherwise.
double DefaultAirExchangeRate(BldgType type);

// Why the building choice `type` is refused for the stored individual, or
// nothing: an office building cannot be chosen for a do-it-yourself painter
// or a child.
std::optional<std::string> BuildingRefusal(const ScenarioRecord &r, BldgType type);
// Why the Standard Box is refused for the stored individual, or nothing.
std::optional<std::string> StandardBoxRefusal(const ScenarioRecord &r);

// The building choice: percent painted, type and area (`part` unset keeps
// the stored area), volume, air exchange, interzonal airflow, loading
// ratio, events per year and years of exposure, painting schedule, activity
// patterns, events in lifetime, location and sink areas, in that order.
// The caller refills its display and then calls SetDefaultEmissions.
void ApplyBuildingChoice(TLumoState &state, BldgType type, std::optional<bool> part);
// The first steps of the building choice alone, which set the building's
// inputs: percent painted, type and area, volume, air exchange, interzonal
// airflow and loading ratio.
void ApplyBuildingInputs(TLumoState &state, BldgType type, std::optional<bool> part);
// Which area choice a stored area stands for: true for one bedroom or one
// office, false for the entire building or floor, unset for anything else.
std::optional<bool> PartOf(BldgArea area);

// The Standard Box dialog ended with OK: type Standard Box, percent painted
// 100, default loading ratio.
void ApplyStandardBoxAccepted(TLumoState &state);
// The record as choosing the Standard Box with these sides (ft) would leave
// it once the building choice has followed (percent painted, volume and
// loading ratio of the box), so that its painting can be held against the
// schedule before anything is stored. `r` is not changed.
ScenarioRecord StandardBoxOutcome(const ScenarioRecord &r, double length, double width,
                                  double height);

// ---- Parameter edits ------------------------------------------------------

// Why the building volume cannot be edited, or nothing.
std::optional<std::string> EditVolumeRefusal(const ScenarioRecord &r);
// Why percent painted cannot be edited, or nothing: the whole residence or
// Standard Box is painted.
std::optional<std::string> EditPercentPaintedRefusal(const ScenarioRecord &r);
// After the percent-painted dialog ended with OK: interzonal airflow from
// the new share, then the default emissions.
void ApplyPercentPaintedEdited(TLumoState &state);
// After the painting-duration dialog: events per year and events in
// lifetime from the new schedule.
void ApplyPaintingDurationEdited(TLumoState &state);

// ---- Exposed individual, location, gender ---------------------------------

// Why `person` is refused for the stored building, or nothing.
std::optional<std::string> IndividualRefusal(const ScenarioRecord &r, IndividualType person);
// The individual and every default that follows from it (lifetime, body
// weight, events, years, events in lifetime, patterns, location).
void ApplyIndividual(TLumoState &state, IndividualType person);

// Why the location is refused, or nothing: "in building, not in the painted
// area" when a whole high-rise is painted.
std::optional<std::string> LocationRefusal(const ScenarioRecord &r,
                                           IndividualLocationType location);
// The notice for a painter placed outside the painted area, or nothing. The
// choice is kept.
std::optional<std::string> LocationNotice(const ScenarioRecord &r, IndividualLocationType location);
// Stores the location and rebuilds the schedule.
void ApplyLocation(TLumoState &state, IndividualLocationType location);

// Stores the gender; unless a file is being loaded, also lifetime, body
// weight, the schedule (its breathing rates follow the gender) and the
// activity patterns from their defaults.
void ApplyGender(TLumoState &state, GenderType gender, bool fileLoading);

// ---- Surfaces, coats, paint -----------------------------------------------

// Stores the painted surfaces, then loading ratio and sink areas.
void ApplySurface(TLumoState &state, BldgSurface surface);
// Primer or paint coats (whole numbers 0 to 100).
constexpr std::int32_t kMaxCoats = static_cast<std::int32_t>(kCoatLimits.Max);
void ApplyCoats(TLumoState &state, bool primer, std::int32_t coats);
// Paint type and the densities that go with it (g/gal), then emissions.
void ApplyPaintType(TLumoState &state, PaintType type);
constexpr double kLatexDensity = 4600.0;
constexpr double kAlkydPrimerDensity = 5800.0;

// The smallest weight fraction a scenario can hold, and the value below
// which a typed fraction is raised to it.
constexpr double kMinWeightFraction = 1.0e-6;
constexpr double kWeightFractionFloor = 9.99e-7;
// Stores a primer or paint weight fraction (raised to 1.0e-6 when below
// 9.99e-7), then the emissions. Returns the notice when it was raised.
std::optional<std::string> ApplyWeightFraction(TLumoState &state, bool primer, double value);

// The whole days of a model run (the fraction cut off), kept within 1 to
// 999; returns a notice when the value had to be moved into that range.
constexpr std::int32_t kMaxRunLength = 999;
std::optional<std::string> ApplyRunLength(TLumoState &state, double days);
// A weight fraction above 1 is set to 1; returns the notice when it was.
std::optional<std::string> LimitWeightFraction(double &value);

// ---- Start-up and refill ------------------------------------------

// The scenario at start-up and after New, once the defaults are set:
// default activity patterns, painting schedule and sink areas.
void PrepareDefaultScenario(TLumoState &state);
// What a refill of the display derives: the Standard Box's volume from its
// dimensions; unless a file is being loaded, the painting schedule. A
// schedule that would not fit its rows is left as it was, and the sentence
// that says why is returned.
std::optional<std::string> ApplyRefillDerivations(TLumoState &state, bool fileLoading);

// ---- Sentences --------------------------------------------------------------

inline constexpr const char *kOfficeRefusedText =
    "You cannot select an office when the painter is DIY or a Child occupant";
inline constexpr const char *kStandardBoxRefusedText =
    "To Select a Standard Box, the Exposed Individual must be a Professional Painter or "
    "Adult Occupant";
inline constexpr const char *kEditVolumeRefusedText =
    "Volume Cannot be Set when \"Standard Box\" is Checked";
inline constexpr const char *kEditPercentRefusedText =
    "When Entire Building is selected, Percent Painted is always 100%";
inline constexpr const char *kIndividualRefusedText = "This choice is not applicable for ";
inline constexpr const char *kLocationRefusedText =
    "This choice is not applicable when in an office building";
inline constexpr const char *kPainterLocationNotice =
    "A Painter Should be in the Painted Area During the Painting Event";
inline constexpr const char *kWeightFractionNotice = "Weight fraction cannot be less than 1.0e-6";
inline constexpr const char *kWeightFractionAboveOne = "Weight fraction cannot be more than 1.0";
inline constexpr const char *kRunLengthNotice =
    "The length of the model run must be between 1 and 999 days";

}  // namespace lumo::rules
