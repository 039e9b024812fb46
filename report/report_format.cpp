#include "report_format.h"

#include <cmath>
#include <cstdio>

namespace lumo::report {
namespace {

QString WithMark(QString text, const QString &mark) {
  if (mark != QLatin1String(".")) text.replace(QLatin1Char('.'), mark);
  return text;
}

}  // namespace

QString Fixed(double value, int width, int decimals, const QString &mark) {
  char buffer[512];
  std::snprintf(buffer, sizeof buffer, "%*.*f", width, decimals, value);
  return WithMark(QString::fromLatin1(buffer), mark);
}

QString Sci3(double value, const QString &mark) {
  char buffer[64];
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
