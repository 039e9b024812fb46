#include "report_format.h"

#include "fixed_format.h"
#include "result_text.h"

namespace lumo::report {
namespace {

QString WithMark(QString text, const QString &mark) {
  if (mark != QLatin1String(".")) text.replace(QLatin1Char('.'), mark);
  return text;
}

}  // namespace

// printf rounds the exact binary value; a value exactly halfway goes to the
// even neighbour, as everywhere else in the program.
QString Fixed(double value, int width, int decimals, const QString &mark) {
  return WithMark(QString::fromStdString(lumo::FormatFixed(value, width, decimals)), mark);
}

QString Sci3(double value, const QString &mark) {
  return WithMark(QString::fromStdString(lumo::FormatResult(value)), mark);
}

double PpmOf(double mgPerCubicMetre, double molecularWeight) {
  return lumo::ToPpm(mgPerCubicMetre, molecularWeight);
}

}  // namespace lumo::report
