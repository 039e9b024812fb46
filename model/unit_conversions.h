// The unit conversions of the parameter dialogs. The scenario keeps every
// quantity in the unit the user sees first (ft³, ft, ft², ft²/gallon,
// grams/gallon, kg); the dialogs show a second (and third) unit beside it.
#pragma once

namespace lumo {

inline constexpr double kCubicFeetToCubicMeters = 0.02831685;    // ft³ → m³, ft³/h → m³/h
inline constexpr double kFeetToMeters = 0.3048;                  // ft → m
inline constexpr double kSquareFeetToSquareMeters = 0.09290304;  // ft² → m²
inline constexpr double kPoundsToGrams = 453.6;                  // lb/gal → g/gal
inline constexpr double kGallonsPerCubicCentimetre = 0.26417 / 1000;  // g/gal → g/cm³
inline constexpr double kPoundsPerKilogram = 2.2;                     // kg → lb

inline double CubicFeettoCubicMeters(double ft3) {
  return ft3 * kCubicFeetToCubicMeters;
}
inline double CubicMeterstoCubicFeet(double m3) {
  return m3 / kCubicFeetToCubicMeters;
}
inline double FeettoMeters(double ft) {
  return ft * kFeetToMeters;
}
inline double MeterstoFeet(double m) {
  return m / kFeetToMeters;
}
inline double SquareFeettoSquareMeters(double ft2) {
  return ft2 * kSquareFeetToSquareMeters;
}
inline double SquareMeterstoSquareFeet(double m2) {
  return m2 / kSquareFeetToSquareMeters;
}

// Loading ratio: ft² per ft³ is 1 ÷ 0.3048 times as many m² per m³.
inline double LoadingRatiotoMetric(double ft2PerFt3) {
  return ft2PerFt3 / kFeetToMeters;
}
inline double LoadingRatiofromMetric(double m2PerM3) {
  return m2PerM3 * kFeetToMeters;
}

// Density: grams/gallon against pounds/gallon and grams/cm³.
inline double PoundsPerGallontoGrams(double lbPerGal) {
  return lbPerGal * kPoundsToGrams;
}
inline double GramsPerGallontoPounds(double gPerGal) {
  return gPerGal / kPoundsToGrams;
}
inline double GramsPerGallontoGramsPerCm3(double gPerGal) {
  return gPerGal * kGallonsPerCubicCentimetre;
}
inline double GramsPerCm3toGramsPerGallon(double gPerCm3) {
  return gPerCm3 / kGallonsPerCubicCentimetre;
}

// Body weight.
inline double KilogramstoPounds(double kg) {
  return kg * kPoundsPerKilogram;
}
inline double PoundstoKilograms(double lb) {
  return lb / kPoundsPerKilogram;
}

}  // namespace lumo
