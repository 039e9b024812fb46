// The assessment's plots as Qt Charts, drawn from what the core worked out
// (result_curves.h, the summary): nothing is computed here but positions.
// Each marks what the reader needs to place the scenario: its own
// (deterministic) value, and the reference value where one is given.
#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "assessment_summary.h"
#include "result_curves.h"

class QChart;

namespace lumo::ui {

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
QChart *SensitivityChart(const QString &title, const QString &measure, std::vector<InputBar> bars);

}  // namespace lumo::ui
