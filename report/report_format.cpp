#include "report_format.h"

#include <cmath>
#include <cstdio>
#include <cstring>

namespace lumo::report {
namespace {

// printf rounds a value that lies exactly halfway to the even neighbour
// (2.5 gives "2"); the report rounds such a value away from zero, as people
// do by hand. `format` is "%.*f" or "%.*E" and `digits` the precision the
// report asks for: the value is moved one unit in the last place away from
// zero when its exact expansion stops with a 5 right after those digits.
double AwayFromZeroAtTie(double value, const char *format, int digits) {
  if (!std::isfinite(value) || value == 0 || digits < 0 || digits > 300) return value;
  char buffer[512];
  std::snprintf(buffer, sizeof buffer, format, digits + 30, value);
  const char *end = buffer + std::strlen(buffer);
  const char *e = std::strchr(buffer, 'E');
  if (e) end = e;
  const char *point = std::strchr(buffer, '.');
  if (!point || point + digits + 1 >= end) return value;
  const char *next = point + digits + 1;
  if (*next != '5') return value;
  for (const char *p = next + 1; p < end; ++p) {
    if (*p != '0') return value;
  }
  return std::nextafter(value, value > 0 ? HUGE_VAL : -HUGE_VAL);
}

QString WithMark(QString text, const QString &mark) {
  if (mark != QLatin1String(".")) text.replace(QLatin1Char('.'), mark);
  return text;
}

}  // namespace

QString Fixed(double value, int width, int decimals, const QString &mark) {
  char buffer[512];
  value = AwayFromZeroAtTie(value, "%.*f", decimals);
  std::snprintf(buffer, sizeof buffer, "%*.*f", width, decimals, value);
  return WithMark(QString::fromLatin1(buffer), mark);
}

QString Sci3(double value, const QString &mark) {
  char buffer[64];
  value = AwayFromZeroAtTie(value, "%.*E", 2);
  std::snprintf(buffer, sizeof buffer, "%.2E", value);
  QString text = QString::fromLatin1(buffer);
  // printf writes at least two exponent digits; the report shows three.
  const qsizetype e = text.indexOf(QLatin1Char('E'));
  if (e >= 0 && e + 2 < text.size()) {
    const qsizetype digits = text.size() - (e + 2);
    if (digits < 3) text.insert(e + 2, QString(3 - digits, QLatin1Char('0')));
  }
  return WithMark(text, mark);
}

double PpmOf(double mgPerCubicMetre, double molecularWeight) {
  return 24.453 * mgPerCubicMetre / molecularWeight;
}

}  // namespace lumo::report
