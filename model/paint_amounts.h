// The amounts of primer and paint the paint dialogs show: the painted
// surface area and the gallons it takes at a given coverage, and the number
// of painters as the scenario stores it.
#pragma once

#include <cstdint>

namespace lumo {

// ft² painted: painted volume (ft³) × loading ratio (ft²/ft³).
inline double PaintedSurfaceArea(double volumePainted, double loadingRatio) {
  return volumePainted * loadingRatio;
}

// Gallons for `coats` coats of `area` ft² at `coverage` ft²/gallon; 0 for a
// coverage of 0 (nothing can be computed, and nothing is shown as needed).
double CoatAmount(std::int32_t coats, double area, double coverage);

// The number of painters a typed value stands for: rounded to a whole
// number (halves to even) and held within 1 to 1000; not a number gives 1.
std::int32_t WholePainters(double typed);

}  // namespace lumo
