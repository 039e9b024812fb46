// The one table of limits of the scenario's numeric inputs. The parameter
// dialogs correct a typed value to the nearest limit (and say so), and the
// check before a run refuses a scenario (a file may hold anything) with a
// value outside them, naming the field, its value and this range.
//
// The limits are generous for real buildings and painting jobs, and tight
// enough that no scenario within all of them can overflow the engine's
// 32-bit floats: with at most 1e12 g of chemical per coat type, a painted
// zone of at least 2.8e-6 m³, breathing rates of at most 1e6 m³/day, 999
// days, 1e6 events a year and 150 years, the largest result stays below
// 1e36 (a float holds 3.4e38). How fast the air of a zone may be exchanged
// is checked on the combination of inputs (the scenario check), not here.
#pragma once

#include <cmath>
#include <limits>

namespace lumo {

struct FieldLimits {
  double Min;
  double Max;
};

// ---- Building and air ---------------------------------------------------
// ft³: the model divides by the volume; the main window's field shows at
// most 1.0e9 ft³ (a tower of 300 floors of 3.3 million ft³).
inline constexpr FieldLimits kBuildingVolumeLimits{1.0, 1.0e9};
// ft, each side of the Standard Box: no empty box; 10,000 ft is nearly two
// miles. The box's volume must also stay within the building volume.
inline constexpr FieldLimits kBoxDimensionLimits{1.0, 10000.0};
// %: no painted zone of zero volume.
inline constexpr FieldLimits kPercentPaintedLimits{0.01, 100.0};
// Air changes per hour between indoors and outdoors (a fume hood reaches
// a few hundred).
inline constexpr FieldLimits kAirExchangeLimits{0.0, 1000.0};
// ft³/hour between the painted zone and the rest: above the 3.9e11 ft³/hour
// the residential formula gives at 1000 air changes and 1.0e9 ft³.
inline constexpr FieldLimits kInterzonalAirflowLimits{0.0, 1.0e12};
// ft² painted per ft³ of painted volume (the defaults are 0.10 to 0.42; a
// 1 ft cube painted all round is 6).
inline constexpr FieldLimits kLoadingRatioLimits{0.0, 10.0};

// ---- Paint and painting -------------------------------------------------
// Coats of primer or of paint, whole numbers.
inline constexpr FieldLimits kCoatLimits{0.0, 100.0};
// ft²/gallon: the amounts and hours divide by it.
inline constexpr FieldLimits kCoverageLimits{1.0, 100000.0};
// Gallons/hour per painter (a brush does 0.3 to 1, a spray rig a few).
inline constexpr FieldLimits kApplicationRateLimits{0.01, 1000.0};
// Maximum hours of priming or painting per day.
inline constexpr FieldLimits kWorkHourLimits{1.0, 12.0};
// Hours between the end of priming and painting, whole numbers.
inline constexpr FieldLimits kHoursTillPaintLimits{0.0, 12.0};
// Painters, whole numbers.
inline constexpr FieldLimits kPainterLimits{1.0, 1000.0};
// g/gallon, as the density dialog's grams fields take them (water is
// about 3785 g/gallon).
inline constexpr FieldLimits kPrimerDensityLimits{1.0e-5, 1.0e8};
inline constexpr FieldLimits kPaintDensityLimits{1.0e-5, 1.0e9};

// ---- Chemical and emissions ----------------------------------------------
// g/mole and torr, as the chemical list takes them.
inline constexpr FieldLimits kMolecularWeightLimits{0.01, 1.0e7};
inline constexpr FieldLimits kVaporPressureLimits{1.0e-7, 10000.0};
// Mass of the chemical in primer or paint, per mass of primer or paint.
inline constexpr FieldLimits kWeightFractionLimits{0.0, 1.0};
// g of chemical released from the primer or from the paint (a million
// tonnes; a whole tower's paint holds about 1e10 g).
inline constexpr FieldLimits kChemicalMassLimits{0.0, 1.0e12};
// % of that mass in the first exponential.
inline constexpr FieldLimits kPercentFirstExpLimits{0.0, 100.0};
// 1/hour, every emission rate constant (empirical and semi-empirical):
// 1e7 per hour releases everything within a millisecond; the latex default
// 233.25 × vapour pressure stays below it for every vapour pressure above.
inline constexpr FieldLimits kEmissionRateConstantLimits{0.0, 1.0e7};
// Total VOC weight fraction of the semi-empirical model.
inline constexpr FieldLimits kVOCWeightFractionLimits{0.0001, 1.0};

// ---- Indoor sinks -------------------------------------------------------
// m²: above the 3.9e7 m² of wallboard the default areas give for 1.0e9 ft³.
inline constexpr FieldLimits kSinkAreaLimits{0.0, 1.0e9};
// m/hour and 1/hour.
inline constexpr FieldLimits kAdsorptionRateLimits{0.0, 10000.0};
inline constexpr FieldLimits kDesorptionRateLimits{0.0, 10000.0};

// ---- The exposed person -------------------------------------------------
inline constexpr FieldLimits kEventsPerYearLimits{0.01, 1.0e6};
// Years of exposure, whole numbers.
inline constexpr FieldLimits kYearsOfExposureLimits{0.0, 150.0};
// Years: the lifetime averages divide by it.
inline constexpr FieldLimits kLifeTimeLimits{1.0, 150.0};
// kg: the doses divide by it.
inline constexpr FieldLimits kBodyWeightLimits{1.0, 1000.0};
// m³/day, in the activity patterns and in the painting schedule (a person
// at rest breathes about 15, at hard work about 70).
inline constexpr FieldLimits kBreathingRateLimits{0.0, 1.0e6};

// `value` when it lies within the limits, otherwise the nearest limit. Not a
// number counts as below the range.
inline double NearestInRange(double value, FieldLimits limits) {
  if (std::isnan(value) || value < limits.Min) return limits.Min;
  if (value > limits.Max) return limits.Max;
  return value;
}

// Min <= value <= Max; false for not a number.
inline bool InRange(double value, FieldLimits limits) {
  return value >= limits.Min && value <= limits.Max;
}

}  // namespace lumo
