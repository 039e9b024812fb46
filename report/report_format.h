// The number formats of the results report. Every function writes "." as
// the decimal mark unless told another (the report passes the locale's).
#pragma once

#include <QString>

namespace lumo::report {

// `value` rounded to `decimals` places (no decimal mark for 0), padded on
// the left with blanks to at least `width` characters: the [w:d] fields of
// the report and the printf "%w.df" formats. Fixed(7, 3, 0) is "  7".
// A value exactly halfway goes to the even neighbour: Fixed(2.5, 1, 0) is "2".
QString Fixed(double value, int width, int decimals, const QString &mark = QStringLiteral("."));

// Scientific notation with three significant digits, a capital E, an
// exponent sign that is always there and at least three exponent digits:
// 0.0025 gives "2.50E-003", 123456 gives "1.23E+005"; the same text as the
// main window's result fields.
QString Sci3(double value, const QString &mark = QStringLiteral("."));

// mg/m³ to ppm at 25 °C and 1 atm: 24.453 × C / MW, MW in g/mole.
double PpmOf(double mgPerCubicMetre, double molecularWeight);

}  // namespace lumo::report
