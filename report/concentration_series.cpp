#include "concentration_series.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <limits>

#include "report_format.h"

namespace lumo::report {
namespace {

class SeriesText {
  Q_DECLARE_TR_FUNCTIONS(ConcentrationPlot)
 public:
  static QString Outdoor() { return tr("Outdoors"); }
  static QString Zone1() { return tr("Zone 1 (painted area)"); }
  static QString Zone2() { return tr("Zone 2 (rest of building)"); }
  static QString Person() { return tr("At the person"); }
};

QList<QPointF> Thin(const QList<QPointF> &points, int maxPoints) {
  if (maxPoints < 4 || points.size() <= maxPoints) return points;
  const qsizetype buckets = maxPoints / 2 - 1;
  const qsizetype inner = points.size() - 2;
  QList<QPointF> out;
  out.reserve(maxPoints);
  out.append(points.first());
  for (qsizetype b = 0; b < buckets; ++b) {
    const qsizetype begin = 1 + b * inner / buckets;
    const qsizetype end = 1 + (b + 1) * inner / buckets;
    if (begin >= end) continue;
    qsizetype lo = begin, hi = begin;
    for (qsizetype i = begin; i < end; ++i) {
      if (points[i].y() < points[lo].y()) lo = i;
      if (points[i].y() > points[hi].y()) hi = i;
    }
    out.append(points[std::min(lo, hi)]);
    if (lo != hi) out.append(points[std::max(lo, hi)]);
  }
  out.append(points.last());
  return out;
}

PlotCurve Curve(const QString &name, const ConcentrationTable &t, const std::vector<double> &c,
                ConcUnit unit, double mw, bool logAxis, int maxPoints) {
  PlotCurve curve;
  curve.name = name;
  QList<QPointF> points;
  points.reserve(static_cast<qsizetype>(c.size()));
  for (std::size_t i = 0; i < c.size() && i < t.days.size(); ++i) {
    const double y = unit == ConcUnit::Ppm ? PpmOf(c[i], mw) : c[i];
    if (!std::isfinite(y) || !std::isfinite(t.days[i])) continue;
    if (logAxis && y <= 0) continue;
    points.append(QPointF(t.days[i], y));
  }
  curve.points = Thin(points, maxPoints);
  return curve;
}

}  // namespace

bool PpmAvailable(double molecularWeight) {
  return std::isfinite(molecularWeight) && molecularWeight > 0;
}

std::vector<PlotCurve> ConcentrationCurves(const ConcentrationTable &table, ConcUnit unit,
                                           double molecularWeight, bool logAxis, int maxPoints) {
  std::vector<PlotCurve> curves;
  curves.push_back(Curve(SeriesText::Outdoor(), table, table.outdoor, unit, molecularWeight,
                         logAxis, maxPoints));
  curves.push_back(
      Curve(SeriesText::Zone1(), table, table.zone1, unit, molecularWeight, logAxis, maxPoints));
  if (table.HasZone2()) {
    curves.push_back(
        Curve(SeriesText::Zone2(), table, table.zone2, unit, molecularWeight, logAxis, maxPoints));
  }
  curves.push_back(
      Curve(SeriesText::Person(), table, table.person, unit, molecularWeight, logAxis, maxPoints));
  return curves;
}

PlotRange RangeOf(const std::vector<PlotCurve> &curves, bool logAxis) {
  double xMin = std::numeric_limits<double>::infinity(), xMax = -xMin;
  double yMin = xMin, yMax = -xMin;
  for (const PlotCurve &c : curves) {
    for (const QPointF &p : c.points) {
      xMin = std::min(xMin, p.x());
      xMax = std::max(xMax, p.x());
      yMin = std::min(yMin, p.y());
      yMax = std::max(yMax, p.y());
    }
  }
  PlotRange r;
  if (!(xMin <= xMax)) return logAxis ? PlotRange{0, 1, 1e-6, 1} : PlotRange{};
  r.xMin = xMin;
  r.xMax = xMax > xMin ? xMax : xMin + 1;
  if (logAxis) {
    const double top = std::ceil(std::log10(yMax));
    const double bottom = std::max(std::floor(std::log10(yMin)), top - kLogDecades);
    r.yMin = std::pow(10.0, bottom);
    r.yMax = std::pow(10.0, top);
    if (r.yMax <= r.yMin) r.yMax = r.yMin * 10;
  } else {
    r.yMin = std::min(0.0, yMin);
    r.yMax = yMax > r.yMin ? yMax + 0.05 * (yMax - r.yMin) : r.yMin + 1;
  }
  return r;
}

}  // namespace lumo::report
