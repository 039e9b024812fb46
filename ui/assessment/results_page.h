// The Results page of the probabilistic assessment window: for each of the
// ten results, its mean, SD, percentiles with their 95 % intervals, the
// scenario's own value and its percentile among the iterations, and the
// probability of exceeding the reference value; below, for the result
// chosen, the histogram, the cumulative distribution, the convergence plot,
// the tornado chart and the Spearman or Sobol bars. A stopped run's
// results are marked partial everywhere they are shown.
#pragma once

#include <QString>
#include <QWidget>
#include <memory>

#include "assessment_worker.h"

class QCheckBox;
class QChart;
class QChartView;
class QComboBox;
class QLabel;
class QTableWidget;
class QTabWidget;

namespace lumo::ui {

class ResultsPage : public QWidget {
  Q_OBJECT

 public:
  explicit ResultsPage(QWidget *parent = nullptr);

  void Show(std::shared_ptr<const AssessmentOutcome> outcome, const QString &heading);
  void Clear(const QString &note);
  // The plot on show (for the PNG export), or null.
  QChartView *CurrentPlot() const;
  // The name of the plot on show ("histogram", "cdf", ...).
  QString CurrentPlotName() const;

  // The plots' result (0..9), axis and sensitivity measure, as chosen.
  std::size_t PlotResult() const;
  bool LogAxis() const;
  int Measure() const;

 private:
  void FillTable();
  void Redraw();

  std::shared_ptr<const AssessmentOutcome> outcome_;
  QLabel *heading_;
  QTableWidget *table_;
  QComboBox *result_;
  QCheckBox *log_;
  QComboBox *measure_;
  QTabWidget *plots_;
  std::vector<QChartView *> views_;
};

}  // namespace lumo::ui
