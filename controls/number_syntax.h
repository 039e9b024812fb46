// Pure number syntax and printf-style formatting behind the TCommonEdit
// fields (TRealEdit, TIntegerEdit, TCardinalEdit). Numbers are written and
// read with "." as the decimal mark whatever the locale, as the fields only
// let "." be typed.
#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

namespace lumo::controls {

// Whether a candidate text is an acceptable state of the field while typing:
// empty, a lone "-" or "+", or a complete number of the field's kind
// (blanks around the number are allowed).
bool RealSyntaxOk(const QString &candidate);
bool IntegerSyntaxOk(const QString &candidate);   // fits a 32-bit signed integer
bool CardinalSyntaxOk(const QString &candidate);  // 0 to 2^32 - 1

// The number a text stands for, or nothing when it does not read completely.
std::optional<double> ReadReal(const QString &text);
std::optional<qint32> ReadInteger(const QString &text);
std::optional<quint32> ReadCardinal(const QString &text);

// `format` applied to a value, printf style: exactly one conversion of the
// value's kind ("%f", "%e", "%g" and their upper-case forms for reals, "%d"
// or "%i" for integers, "%u" for cardinals) with optional flags, width and
// precision ("#" only with the real conversions, where C defines it), plus
// any literal text and "%%". A format that does not have that shape is not
// applied; the kind's default ("%g", "%d", "%u") is used instead, so a
// format can never read a value of the wrong type or behave in a way C
// leaves undefined. A "%g" without precision shows up to 15 significant
// digits.
QString FormatReal(const QString &format, double v);
QString FormatInteger(const QString &format, qint32 v);
QString FormatCardinal(const QString &format, quint32 v);

}  // namespace lumo::controls
