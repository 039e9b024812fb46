// The smallest (and largest) values the parameter dialogs let into the
// scenario for inputs the model divides by or that make no physical sense
// below a bound. A value outside is replaced by the nearest limit, and the
// dialog says so.
#pragma once

#include <cmath>
#include <limits>

namespace lumo {

struct FieldLimits {
  double Min;
  double Max;
};

inline constexpr double kNoUpperLimit = std::numeric_limits<double>::max();

inline constexpr FieldLimits kBuildingVolumeLimits{1.0, kNoUpperLimit};    // ft³
inline constexpr FieldLimits kBoxDimensionLimits{1.0, kNoUpperLimit};      // ft
inline constexpr FieldLimits kPercentPaintedLimits{0.01, 100.0};           // %
inline constexpr FieldLimits kAirflowLimits{0.0, kNoUpperLimit};           // ach, ft³/hour
inline constexpr FieldLimits kLoadingRatioLimits{0.0, kNoUpperLimit};      // ft²/ft³
inline constexpr FieldLimits kCoverageLimits{1.0, 100000.0};               // ft²/gallon
inline constexpr FieldLimits kApplicationRateLimits{0.01, kNoUpperLimit};  // gallons/hour
inline constexpr FieldLimits kWorkHourLimits{1.0, 12.0};                   // hours per day
inline constexpr FieldLimits kPainterLimits{1.0, 1000.0};                  // painters
inline constexpr FieldLimits kVOCWeightFractionLimits{0.0001, kNoUpperLimit};
inline constexpr FieldLimits kLifeTimeLimits{1.0, kNoUpperLimit};    // years
inline constexpr FieldLimits kBodyWeightLimits{1.0, kNoUpperLimit};  // kg

// `value` when it lies within the limits, otherwise the nearest limit. Not a
// number counts as below the range.
inline double NearestInRange(double value, FieldLimits limits) {
  if (std::isnan(value) || value < limits.Min) return limits.Min;
  if (value > limits.Max) return limits.Max;
  return value;
}

inline bool InRange(double value, FieldLimits limits) {
  return value >= limits.Min && value <= limits.Max;
}

}  // namespace lumo
