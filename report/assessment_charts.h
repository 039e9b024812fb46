// The assessment's plots as Qt Charts, drawn from what the core worked out
// (result_curves.h, the summary): nothing is computed here but positions.
// Each marks what the reader needs to place the scenario: its own
// (deterministic) value, and the reference value where one is given.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <optional>
#include <vector>

#include "assessment.h"
#include "assessment_run.h"
#include "assessment_summary.h"
#include "result_curves.h"

class QChart;

namespace lumo::report {

struct ResultPlotData {
  QString title;  // "LADD, mg/kg/day"
  QString unit;
  std::vector<double> values;  // the main sample's values with results
  double deterministic;
  std::optional<double> reference;
  bool logarithmic = false;
  bool partial = false;
};

QChart *HistogramChart(const ResultPlotData &data);
QChart *CdfChart(const ResultPlotData &data);
QChart *ConvergenceChart(const ResultPlotData &data);

// One bar per varied input, named.
struct InputBar {
  QString input;
  double low = 0, high = 0;               // tornado: the result at P5 and P95
  double estimate = 0;                    // correlation or index
  std::optional<double> lowEnd, highEnd;  // its interval
};
// Bars from the base case's result to each end, widest swing on top.
QChart *TornadoChart(const QString &title, const QString &unit, std::vector<InputBar> bars,
                     double base);
// Bars of an estimate from 0 (Spearman's rho, or a Sobol index) with the
// interval as a line where there is one.
// A correlation's axis spans -1 to 1.
QChart *SensitivityChart(const QString &title, const QString &measure, std::vector<InputBar> bars,
                         bool correlation);

// The sensitivity measure of the bar chart.
enum class SensitivityMeasure { Spearman, FirstOrder, Total };
QString MeasureName(SensitivityMeasure measure);

// The five plots of result r (0..9, the engine's order): histogram,
// cumulative distribution, convergence, tornado, sensitivity bars. The
// caller owns them.
std::vector<QChart *> ResultCharts(const prob::Assessment &assessment,
                                   const prob::AssessmentRun &run,
                                   const prob::AssessmentSummary &summary, std::size_t r,
                                   bool logarithmic, SensitivityMeasure measure, bool partial);

// Draws the chart into an image of `size` pixels and deletes it.
QImage ChartImage(QChart *chart, QSize size);

}  // namespace lumo::report
