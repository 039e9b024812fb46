// The curves of the concentration plot, made from a run's concentration
// table: what is drawn, in which unit, and over which range.
#pragma once

#include <QList>
#include <QPointF>
#include <QString>
#include <vector>

#include "concentration_csv.h"

namespace lumo::report {

enum class ConcUnit { MgPerCubicMetre, Ppm };

struct PlotCurve {
  QString name;           // legend text
  QList<QPointF> points;  // x: days, y: concentration
};

struct PlotRange {
  double xMin = 0, xMax = 1, yMin = 0, yMax = 1;
};

// Outdoors, zone 1, zone 2 (only for a two-zone run) and at the person, in
// that order. In ppm each value is 24.453 × C / MW. Non-finite values are
// left out, and so are values of zero or below on a logarithmic axis, which
// cannot show them. A curve longer than `maxPoints` is thinned to the lowest
// and the highest point of each stretch of time (first and last kept), so
// peaks stay where they are.
std::vector<PlotCurve> ConcentrationCurves(const ConcentrationTable &table, ConcUnit unit,
                                           double molecularWeight, bool logAxis,
                                           int maxPoints = 4000);

// At most this many decades on a logarithmic concentration axis: lower
// values (the outdoor air of a run without outdoor sources holds traces of
// 1e-56 mg/m³) run off the bottom instead of squashing the rest.
inline constexpr int kLogDecades = 6;

// The axis ranges that show the curves: time from the first to the last
// point; concentrations from 0 (linear) or from the decade below the
// smallest value, but no more than kLogDecades below the decade above the
// largest (logarithmic), to a little above the largest (linear) or the
// decade above it. A sensible range when there is nothing to show.
PlotRange RangeOf(const std::vector<PlotCurve> &curves, bool logAxis);

// Whether ppm can be computed with this molecular weight.
bool PpmAvailable(double molecularWeight);

}  // namespace lumo::report
