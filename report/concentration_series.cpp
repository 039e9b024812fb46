#include "concentration_series.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <limits>
#include <tuple>

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
  // A range must be finite and have a width, even for values at the ends of
  // what a double holds (a file edited by hand, a tiny molecular weight).
  constexpr double kMax = std::numeric_limits<double>::max();
  auto widen = [](double lo, double hi, double width) {
    if (hi > lo) return std::pair{lo, hi};
    if (lo + width > lo && std::isfinite(lo + width)) return std::pair{lo, lo + width};
    return std::pair{lo - width, lo};
  };
  std::tie(r.xMin, r.xMax) = widen(xMin, xMax, std::max(1.0, std::fabs(xMin) * 1e-6));
  if (logAxis) {
    // Decades a double can show without running to zero or infinity.
    const double top = std::clamp(std::ceil(std::log10(yMax)), -306.0, 308.0);
    const double bottom = std::max({std::floor(std::log10(yMin)), top - kLogDecades, -307.0});
    r.yMin = std::pow(10.0, bottom);
    // Above 1e308 the next decade is beyond a double: the largest one ends it.
    r.yMax = top >= 308.0 ? kMax : std::pow(10.0, top);
    if (r.yMax <= r.yMin) r.yMax = std::min(r.yMin * 10, kMax);
  } else {
    r.yMin = std::min(0.0, yMin);
    const double margin = 0.05 * (yMax / 2 - r.yMin / 2) * 2;  // no overflow on the way
    r.yMax = yMax > r.yMin ? std::min(yMax + margin, kMax) : r.yMin + 1;
    std::tie(r.yMin, r.yMax) = widen(r.yMin, r.yMax, std::max(1.0, std::fabs(r.yMin) * 1e-6));
  }
  return r;
}

}  // namespace lumo::report
