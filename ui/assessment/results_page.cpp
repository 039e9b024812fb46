#include "results_page.h"

#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSplitter>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cmath>

#include "assessment_charts.h"
#include "probabilistic_report.h"
#include "result_text.h"

namespace lumo::ui {

using report::MeasureName;
using report::ResultCharts;
using report::SensitivityMeasure;

namespace {

const char *const kPlotNames[] = {"histogram", "cdf", "convergence", "tornado", "sensitivity"};

}  // namespace

ResultsPage::ResultsPage(QWidget *parent) : QWidget(parent) {
  heading_ = new QLabel;
  heading_->setObjectName("lblResultsHeading");
  heading_->setWordWrap(true);
  heading_->setTextFormat(Qt::PlainText);
  table_ = new QTableWidget;
  table_->setObjectName("tblResults");
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  table_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);

  result_ = new QComboBox;
  result_->setObjectName("cbPlotResult");
  for (const ResultField &f : kResultFields)
    result_->addItem(QString("%1 (%2)").arg(f.name, f.label));
  log_ = new QCheckBox(tr("&Logarithmic axis"));
  log_->setObjectName("chkLogAxis");
  measure_ = new QComboBox;
  measure_->setObjectName("cbSensitivityMeasure");
  measure_->addItems(
      {tr("Spearman correlation"), tr("Sobol first-order index"), tr("Sobol total index")});
  plots_ = new QTabWidget;
  plots_->setObjectName("tabsPlots");
  const QString captions[] = {tr("&Histogram"), tr("C&umulative"), tr("Con&vergence"),
                              tr("&Tornado"), tr("Se&nsitivity")};
  for (int k = 0; k < 5; ++k) {
    auto *view = new QChartView(new QChart);
    view->setObjectName(QStringLiteral("chart_%1").arg(kPlotNames[k]));
    view->setRenderHint(QPainter::Antialiasing);
    views_.push_back(view);
    plots_->addTab(view, captions[k]);
  }
  auto *controls = new QHBoxLayout;
  controls->addWidget(new QLabel(tr("Result:")));
  controls->addWidget(result_);
  controls->addWidget(log_);
  controls->addSpacing(16);
  controls->addWidget(new QLabel(tr("Sensitivity:")));
  controls->addWidget(measure_);
  controls->addStretch();
  auto *lower = new QWidget;
  auto *lowerLayout = new QVBoxLayout(lower);
  lowerLayout->setContentsMargins(0, 0, 0, 0);
  lowerLayout->addLayout(controls);
  lowerLayout->addWidget(plots_, 1);
  auto *splitter = new QSplitter(Qt::Vertical);
  splitter->addWidget(table_);
  splitter->addWidget(lower);
  splitter->setStretchFactor(0, 1);
  splitter->setStretchFactor(1, 3);
  splitter->setSizes({220, 520});
  auto *layout = new QVBoxLayout(this);
  layout->addWidget(heading_);
  layout->addWidget(splitter, 1);

  connect(result_, &QComboBox::currentIndexChanged, this, &ResultsPage::Redraw);
  connect(log_, &QCheckBox::toggled, this, &ResultsPage::Redraw);
  connect(measure_, &QComboBox::currentIndexChanged, this, &ResultsPage::Redraw);
  Clear(tr("No results yet: press Run."));
}

void ResultsPage::Clear(const QString &note) {
  outcome_.reset();
  heading_->setText(note);
  table_->clear();
  table_->setRowCount(0);
  table_->setColumnCount(0);
  for (QChartView *view : views_) {
    QChart *old = view->chart();
    view->setChart(new QChart);
    delete old;
  }
}

void ResultsPage::Show(std::shared_ptr<const AssessmentOutcome> outcome, const QString &heading) {
  outcome_ = std::move(outcome);
  heading_->setText(heading);
  heading_->setStyleSheet(outcome_->stopped ? "color: #a04000; font-weight: bold;" : QString());
  FillTable();
  Redraw();
}

void ResultsPage::FillTable() {
  const report::TextTable text =
      report::AssessmentResultsTable(outcome_->assessment, outcome_->run, outcome_->summary);
  table_->clear();
  table_->setRowCount(static_cast<int>(text.rows.size()));
  table_->setColumnCount(static_cast<int>(text.columns.size()));
  table_->setVerticalHeaderLabels(text.rows);
  table_->setHorizontalHeaderLabels(text.columns);
  for (int row = 0; row < text.cells.size(); ++row)
    for (int column = 0; column < text.cells[row].size(); ++column) {
      auto *item = new QTableWidgetItem(text.cells[row][column]);
      item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      table_->setItem(row, column, item);
    }
}

void ResultsPage::Redraw() {
  if (!outcome_) return;
  const std::size_t r = static_cast<std::size_t>(std::max(0, result_->currentIndex()));
  const auto charts =
      ResultCharts(outcome_->assessment, outcome_->run, outcome_->summary, r, log_->isChecked(),
                   static_cast<SensitivityMeasure>(measure_->currentIndex()), outcome_->stopped);
  for (std::size_t k = 0; k < views_.size(); ++k) {
    QChart *old = views_[k]->chart();
    views_[k]->setChart(charts[k]);
    delete old;
  }
}

QChartView *ResultsPage::CurrentPlot() const {
  const int k = plots_->currentIndex();
  return outcome_ && k >= 0 ? views_[static_cast<std::size_t>(k)] : nullptr;
}

std::size_t ResultsPage::PlotResult() const {
  return static_cast<std::size_t>(std::max(0, result_->currentIndex()));
}

bool ResultsPage::LogAxis() const {
  return log_->isChecked();
}

int ResultsPage::Measure() const {
  return measure_->currentIndex();
}

QString ResultsPage::CurrentPlotName() const {
  return kPlotNames[std::max(0, plots_->currentIndex())];
}

}  // namespace lumo::ui
