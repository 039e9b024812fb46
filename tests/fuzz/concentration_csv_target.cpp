// Fuzz target: the concentration file a run writes, as the concentration
// plot reads and draws it. The input is
//
//   u8   the most points a curve keeps (0: the plot's own 4000)
//   f64  the molecular weight (raw), for the ppm curves
//   the rest: the file's bytes
//
// Checked: a table that reads has columns of one length and at least one
// row; every curve, in both units and on both axes, holds finite points
// (positive ones on a logarithmic axis), thinned to the most points; and
// the axis range is finite, not empty, and holds every point (the bottom of
// a logarithmic axis excepted, which the smallest values may run off).
#include <QByteArray>
#include <QString>
#include <cmath>
#include <cstddef>
#include <cstdint>

#include "concentration_csv.h"
#include "concentration_series.h"
#include "fuzz_bytes.h"
#include "fuzz_support.h"

namespace {

using namespace lumo::report;
using namespace lumo::fuzz;

void CheckPlot(const ConcentrationTable &table, ConcUnit unit, double molecularWeight, bool logAxis,
               int maxPoints) {
  const std::vector<PlotCurve> curves =
      ConcentrationCurves(table, unit, molecularWeight, logAxis, maxPoints);
  Require(curves.size() == (table.HasZone2() ? 4u : 3u), "one curve per column");
  for (const PlotCurve &curve : curves) {
    Require(maxPoints < 4 || curve.points.size() <= maxPoints, "a curve is thinned to its points");
    for (const QPointF &p : curve.points) {
      Require(std::isfinite(p.x()) && std::isfinite(p.y()), "a curve's points are finite");
      Require(!logAxis || p.y() > 0, "a logarithmic curve's points are positive");
    }
  }
  const PlotRange r = RangeOf(curves, logAxis);
  Require(std::isfinite(r.xMin) && std::isfinite(r.xMax) && std::isfinite(r.yMin) &&
              std::isfinite(r.yMax),
          "the axis range is finite");
  Require(r.xMin < r.xMax && r.yMin < r.yMax, "the axis range is not empty");
  Require(!logAxis || r.yMin > 0, "a logarithmic axis starts above zero");
  for (const PlotCurve &curve : curves) {
    for (const QPointF &p : curve.points) {
      Require(p.x() >= r.xMin && p.x() <= r.xMax, "the time axis holds every point");
      Require(p.y() <= r.yMax && (logAxis || p.y() >= r.yMin),
              "the concentration axis holds every point");
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  FuzzBytes in(data, size);
  const std::uint8_t points = in.U8();
  const int maxPoints = points == 0 ? 4000 : points;
  const double molecularWeight = in.F64();
  const std::string bytes = in.Rest();
  const CsvReadResult read = ParseConcentrationCsv(
      QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())), QStringLiteral("c.CSV"));
  Require(read.table.has_value() != !read.problem.isEmpty(), "a file reads or says why not");
  if (!read.table) return 0;

  const ConcentrationTable &t = *read.table;
  const std::size_t rows = t.days.size();
  Require(rows > 0 && t.outdoor.size() == rows && t.zone1.size() == rows &&
              t.person.size() == rows && (t.zone2.empty() || t.zone2.size() == rows),
          "the columns of a table have one length");
  for (bool logAxis : {false, true}) {
    CheckPlot(t, ConcUnit::MgPerCubicMetre, molecularWeight, logAxis, maxPoints);
    if (PpmAvailable(molecularWeight))
      CheckPlot(t, ConcUnit::Ppm, molecularWeight, logAxis, maxPoints);
  }
  return 0;
}
