// The first-order rate constant of the semi-empirical (vapour-pressure
// based) emission model of alkyd primer and paint.
#pragma once

#include <optional>

namespace lumo {

// The gas-phase mass transfer factor of a chemical of molecular weight
// `mw` g/mole: (1/mw + 1/29)^0.5 × mw^-0.33 (29 g/mole being air).
double MassTransferFactor(double mw);

// k (1/hour) = 240 × MassTransferFactor(mw) × vp ÷ (0.000623 × wetFilm ×
// vocFraction × density), with vp in torr, the wet film thickness in mils,
// the total VOC weight fraction and the density in grams/gallon. Empty when
// the inputs give no finite, non-negative constant (a molecular weight,
// film, fraction or density of 0 or below).
std::optional<double> SemiEmpiricalRateConstant(double mw, double vp, double wetFilm,
                                                double vocFraction, double density);

}  // namespace lumo
