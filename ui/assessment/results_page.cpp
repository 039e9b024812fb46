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

#include "number_format.h"
#include "result_charts.h"
#include "result_text.h"

namespace lumo::ui {

namespace {

QString Result(double x) {
  return std::isfinite(x) ? QString::fromStdString(FormatResult(x)) : QStringLiteral("–");
}

QString Percent(double share) {
  return std::isfinite(share) ? QString::number(100 * share, 'g', 3) + " %" : QStringLiteral("–");
}

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
  splitter->setStretchFactor(0, 2);
  splitter->setStretchFactor(1, 3);
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
  const auto &summary = outcome_->summary;
  const auto &assessment = outcome_->assessment;
  QStringList rows{tr("Iterations with results"), tr("Without results"), tr("Mean"), tr("SD")};
  for (double p : assessment.percentiles) {
    const QString name = QString::fromStdString(prob::FormatNumber(p));
    rows << tr("P%1").arg(name) << tr("P%1 95 % interval").arg(name);
  }
  rows << tr("Scenario's value") << tr("its percentile") << tr("Reference value")
       << tr("P(exceeds reference)") << tr("95 % interval");
  table_->clear();
  table_->setRowCount(static_cast<int>(rows.size()));
  table_->setColumnCount(static_cast<int>(summary.results.size()));
  table_->setVerticalHeaderLabels(rows);
  QStringList columns;
  for (std::size_t r = 0; r < summary.results.size(); ++r) {
    const prob::ResultSummary &result = summary.results[r];
    const prob::ResultStatistics &s = result.statistics;
    columns << QString("%1\n%2").arg(QString::fromStdString(result.name), kResultFields[r].unit);
    int row = 0;
    auto put = [&](const QString &text) {
      auto *item = new QTableWidgetItem(text);
      item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      table_->setItem(row++, static_cast<int>(r), item);
    };
    put(QString::number(s.count));
    put(QString::number(s.excluded));
    put(Result(s.mean));
    put(Result(s.sd));
    for (const prob::PercentileEstimate &p : s.percentiles) {
      put(Result(p.value));
      put(QString("%1 – %2").arg(p.low ? Result(*p.low) : tr("open"),
                                 p.high ? Result(*p.high) : tr("open")));
    }
    put(Result(result.deterministic));
    const double rank =
        prob::PercentileRankOf(prob::ResultValues(outcome_->run, r), result.deterministic);
    put(std::isfinite(rank) ? QString::number(rank, 'f', 1) : QStringLiteral("–"));
    if (s.exceedance) {
      put(Result(s.exceedance->reference));
      put(Percent(s.exceedance->probability));
      put(Percent(s.exceedance->low) + " – " + Percent(s.exceedance->high));
    } else {
      put(tr("none"));
      put(QStringLiteral("–"));
      put(QStringLiteral("–"));
    }
  }
  table_->setHorizontalHeaderLabels(columns);
}

void ResultsPage::Redraw() {
  if (!outcome_) return;
  const std::size_t r = static_cast<std::size_t>(std::max(0, result_->currentIndex()));
  const prob::ResultSummary &result = outcome_->summary.results[r];
  ResultPlotData data;
  data.title = QString("%1 (%2)").arg(QString::fromStdString(result.name), kResultFields[r].label);
  data.unit = kResultFields[r].unit;
  data.values = prob::ResultValues(outcome_->run, r);
  data.deterministic = result.deterministic;
  if (result.statistics.exceedance) data.reference = result.statistics.exceedance->reference;
  data.logarithmic = log_->isChecked();
  data.partial = outcome_->stopped;

  const auto &inputs = outcome_->assessment.inputs;
  std::vector<InputBar> tornado, sensitivity;
  const int measure = measure_->currentIndex();
  for (const prob::InputSensitivity &s : result.sensitivity) {
    const QString name = QString::fromStdString(inputs[s.input].name);
    InputBar bar;
    bar.input = name;
    if (s.oatLow && s.oatHigh) {
      bar.low = *s.oatLow;
      bar.high = *s.oatHigh;
      tornado.push_back(bar);
    }
    if (measure == 0 && s.spearman) {
      bar.estimate = *s.spearman;
    } else if (measure > 0 && (measure == 1 ? s.firstOrder : s.total)) {
      const prob::SobolIndex &index = measure == 1 ? *s.firstOrder : *s.total;
      bar.estimate = index.estimate;
      bar.lowEnd = index.low;
      bar.highEnd = index.high;
    } else {
      continue;
    }
    sensitivity.push_back(bar);
  }
  double base = result.deterministic;
  if (!outcome_->run.oneAtATimeResults.empty()) base = outcome_->run.oneAtATimeResults[0][r];
  const QString partial = outcome_->stopped ? tr(" (PARTIAL)") : QString();
  QChart *charts[] = {
      HistogramChart(data), CdfChart(data), ConvergenceChart(data),
      TornadoChart(data.title + tr(" — one input at a time") + partial, data.unit, tornado, base),
      SensitivityChart(data.title + " — " + measure_->currentText() + partial,
                       measure_->currentText(), sensitivity)};
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

QString ResultsPage::CurrentPlotName() const {
  return kPlotNames[std::max(0, plots_->currentIndex())];
}

}  // namespace lumo::ui
