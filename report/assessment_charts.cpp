#include "assessment_charts.h"

#include <QAreaSeries>
#include <QCategoryAxis>
#include <QChart>
#include <QGraphicsScene>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QPainter>
#include <QScatterSeries>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "result_text.h"

namespace lumo::report {

namespace {

const QColor kDeterministic(0xc0, 0x30, 0x20);
const QColor kReference(0x20, 0x70, 0x20);
const QColor kBars(0x40, 0x70, 0xb0);
const QColor kHighBars(0xe0, 0x8a, 0x20);

QString Title(const ResultPlotData &data, const QString &what) {
  QString title = data.title + " — " + what;
  if (data.partial) title += QObject::tr(" (PARTIAL: the run was stopped)");
  return title;
}

// A vertical marker line from y0 to y1 at x, named for the legend.
QLineSeries *Marker(double x, double y0, double y1, const QColor &color, const QString &name) {
  auto *line = new QLineSeries;
  line->append(x, y0);
  line->append(x, y1);
  QPen pen(color);
  pen.setWidth(2);
  pen.setStyle(Qt::DashLine);
  line->setPen(pen);
  line->setName(name);
  return line;
}

QAbstractAxis *XAxis(const ResultPlotData &data, double low, double high) {
  if (data.logarithmic && low > 0) {
    auto *axis = new QLogValueAxis;
    axis->setBase(10);
    axis->setRange(low, high);
    axis->setLabelFormat("%.2g");
    axis->setTitleText(data.unit + QObject::tr(" (log scale)"));
    return axis;
  }
  auto *axis = new QValueAxis;
  axis->setRange(low, high);
  axis->applyNiceNumbers();
  if (low >= 0 && axis->min() < 0) axis->setMin(0);
  axis->setLabelFormat("%.3g");
  axis->setTitleText(data.unit);
  return axis;
}

void Attach(QChart *chart, QAbstractSeries *series, QAbstractAxis *x, QAbstractAxis *y) {
  chart->addSeries(series);
  series->attachAxis(x);
  series->attachAxis(y);
}

// The x range holding the values and the marks, padded a little.
std::pair<double, double> Range(const ResultPlotData &data, double low, double high) {
  for (double mark : {data.deterministic, data.reference.value_or(data.deterministic)})
    if (std::isfinite(mark) && (!data.logarithmic || mark > 0)) {
      low = std::min(low, mark);
      high = std::max(high, mark);
    }
  if (data.logarithmic && low > 0) return {low / 1.1, high * 1.1};
  const double pad = high > low ? (high - low) * 0.03 : std::max(std::abs(low) * 0.1, 1e-12);
  // Results are not negative: the axis does not reach below 0 for them.
  return {low >= 0 ? std::max(0.0, low - pad) : low - pad, high + pad};
}

void AddMarks(QChart *chart, const ResultPlotData &data, QAbstractAxis *x, QAbstractAxis *y,
              double top) {
  if (std::isfinite(data.deterministic) && (!data.logarithmic || data.deterministic > 0))
    Attach(chart,
           Marker(data.deterministic, 0, top, kDeterministic, QObject::tr("Scenario's value")), x,
           y);
  if (data.reference && (!data.logarithmic || *data.reference > 0))
    Attach(chart, Marker(*data.reference, 0, top, kReference, QObject::tr("Reference value")), x,
           y);
}

QChart *NewChart(const QString &title) {
  auto *chart = new QChart;
  chart->setTitle(title);
  chart->legend()->setAlignment(Qt::AlignBottom);
  return chart;
}

}  // namespace

QChart *HistogramChart(const ResultPlotData &data) {
  QChart *chart = NewChart(Title(data, QObject::tr("histogram")));
  const prob::Histogram h = prob::MakeHistogram(data.values, 30, data.logarithmic);
  if (h.counts.empty()) {
    chart->setTitle(chart->title() + QObject::tr(": no values to draw"));
    return chart;
  }
  auto *upper = new QLineSeries;
  std::size_t top = 0;
  for (std::size_t k = 0; k < h.counts.size(); ++k) {
    upper->append(h.edges[k], 0);
    upper->append(h.edges[k], static_cast<double>(h.counts[k]));
    upper->append(h.edges[k + 1], static_cast<double>(h.counts[k]));
    upper->append(h.edges[k + 1], 0);
    top = std::max(top, h.counts[k]);
  }
  auto *bars = new QAreaSeries(upper);
  bars->setName(QObject::tr("Iterations per bin"));
  bars->setColor(kBars);
  bars->setBorderColor(kBars.darker());
  const auto [low, high] = Range(data, h.edges.front(), h.edges.back());
  QAbstractAxis *x = XAxis(data, low, high);
  auto *y = new QValueAxis;
  y->setRange(0, static_cast<double>(top) * 1.1);
  y->applyNiceNumbers();
  y->setLabelFormat("%d");
  y->setTitleText(QObject::tr("iterations"));
  chart->addAxis(x, Qt::AlignBottom);
  chart->addAxis(y, Qt::AlignLeft);
  Attach(chart, bars, x, y);
  AddMarks(chart, data, x, y, static_cast<double>(top) * 1.1);
  if (h.leftOut > 0)
    chart->setTitle(chart->title() +
                    QObject::tr(" (%1 values of 0 or less not on the log axis)").arg(h.leftOut));
  return chart;
}

QChart *CdfChart(const ResultPlotData &data) {
  QChart *chart = NewChart(Title(data, QObject::tr("cumulative distribution")));
  auto curve = prob::EmpiricalCdf(data.values, 2000);
  if (data.logarithmic)
    curve.erase(std::remove_if(curve.begin(), curve.end(), [](auto &p) { return p.x <= 0; }),
                curve.end());
  if (curve.empty()) {
    chart->setTitle(chart->title() + QObject::tr(": no values to draw"));
    return chart;
  }
  auto *line = new QLineSeries;
  line->setName(QObject::tr("Share of iterations at or below"));
  double previous = 0;
  for (const auto &p : curve) {
    line->append(p.x, previous);
    line->append(p.x, p.y);
    previous = p.y;
  }
  QPen pen(kBars);
  pen.setWidth(2);
  line->setPen(pen);
  const auto [low, high] = Range(data, curve.front().x, curve.back().x);
  QAbstractAxis *x = XAxis(data, low, high);
  auto *y = new QValueAxis;
  y->setRange(0, 1);
  y->setTitleText(QObject::tr("cumulative probability"));
  chart->addAxis(x, Qt::AlignBottom);
  chart->addAxis(y, Qt::AlignLeft);
  Attach(chart, line, x, y);
  AddMarks(chart, data, x, y, 1);
  return chart;
}

QChart *ConvergenceChart(const ResultPlotData &data) {
  QChart *chart = NewChart(Title(data, QObject::tr("convergence")));
  const prob::ConvergenceCurve curve = prob::RunningConvergence(data.values, 100);
  if (curve.iterations.empty()) {
    chart->setTitle(chart->title() + QObject::tr(": no values to draw"));
    return chart;
  }
  auto *mean = new QLineSeries;
  mean->setName(QObject::tr("Running mean"));
  auto *p95 = new QLineSeries;
  p95->setName(QObject::tr("Running 95th percentile"));
  double low = curve.mean.front(), high = low;
  for (std::size_t k = 0; k < curve.iterations.size(); ++k) {
    const auto n = static_cast<double>(curve.iterations[k]);
    mean->append(n, curve.mean[k]);
    p95->append(n, curve.p95[k]);
    low = std::min({low, curve.mean[k], curve.p95[k]});
    high = std::max({high, curve.mean[k], curve.p95[k]});
  }
  QPen meanPen(kBars), p95Pen(kHighBars);
  meanPen.setWidth(2);
  p95Pen.setWidth(2);
  mean->setPen(meanPen);
  p95->setPen(p95Pen);
  auto *x = new QValueAxis;
  x->setRange(0, static_cast<double>(curve.iterations.back()));
  x->setLabelFormat("%d");
  x->setTitleText(QObject::tr("iterations with results"));
  auto *y = new QValueAxis;
  const double pad = high > low ? (high - low) * 0.1 : std::max(std::abs(high) * 0.1, 1e-12);
  y->setRange(low - pad, high + pad);
  y->setLabelFormat("%.3g");
  y->setTitleText(data.unit);
  chart->addAxis(x, Qt::AlignBottom);
  chart->addAxis(y, Qt::AlignLeft);
  Attach(chart, mean, x, y);
  Attach(chart, p95, x, y);
  return chart;
}

namespace {

// A horizontal bar from x0 to x1 at row k (rows centred on 0, 1, ...).
QAreaSeries *Bar(double x0, double x1, int k, const QColor &color) {
  auto *upper = new QLineSeries;
  auto *lower = new QLineSeries;
  upper->append(std::min(x0, x1), k + 0.35);
  upper->append(std::max(x0, x1), k + 0.35);
  lower->append(std::min(x0, x1), k - 0.35);
  lower->append(std::max(x0, x1), k - 0.35);
  auto *bar = new QAreaSeries(upper, lower);
  bar->setColor(color);
  bar->setBorderColor(color.darker());
  return bar;
}

QCategoryAxis *InputAxis(const std::vector<InputBar> &bars) {
  auto *axis = new QCategoryAxis;
  axis->setStartValue(-0.5);
  for (std::size_t k = 0; k < bars.size(); ++k)
    axis->append(bars[k].input, static_cast<double>(k) + 0.5);
  axis->setRange(-0.5, static_cast<double>(bars.size()) - 0.5);
  axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionCenter);
  axis->setGridLineVisible(false);
  return axis;
}

}  // namespace

QChart *TornadoChart(const QString &title, const QString &unit, std::vector<InputBar> bars,
                     double base) {
  QChart *chart = NewChart(title);
  if (bars.empty()) {
    chart->setTitle(title + QObject::tr(": no one-at-a-time results"));
    return chart;
  }
  // Widest swing on top: the last row is drawn highest.
  std::sort(bars.begin(), bars.end(), [](const InputBar &a, const InputBar &b) {
    return std::abs(a.high - a.low) < std::abs(b.high - b.low);
  });
  double low = base, high = base;
  for (const auto &b : bars)
    for (double v : {b.low, b.high})
      if (std::isfinite(v)) {
        low = std::min(low, v);
        high = std::max(high, v);
      }
  auto *x = new QValueAxis;
  const double pad = high > low ? (high - low) * 0.05 : std::max(std::abs(base) * 0.1, 1e-12);
  x->setRange(low - pad, high + pad);
  x->applyNiceNumbers();
  x->setLabelFormat("%.3g");
  x->setTitleText(unit);
  QCategoryAxis *y = InputAxis(bars);
  chart->addAxis(x, Qt::AlignBottom);
  chart->addAxis(y, Qt::AlignLeft);
  bool named = false;
  for (std::size_t k = 0; k < bars.size(); ++k) {
    const int row = static_cast<int>(k);
    if (std::isfinite(bars[k].low)) {
      QAreaSeries *bar = Bar(base, bars[k].low, row, kBars);
      bar->setName(named ? QString() : QObject::tr("Input at its 5th percentile"));
      Attach(chart, bar, x, y);
    }
    if (std::isfinite(bars[k].high)) {
      QAreaSeries *bar = Bar(base, bars[k].high, row, kHighBars);
      bar->setName(named ? QString() : QObject::tr("Input at its 95th percentile"));
      Attach(chart, bar, x, y);
    }
    named = true;
  }
  Attach(chart,
         Marker(base, -0.5, static_cast<double>(bars.size()) - 0.5, kDeterministic,
                QObject::tr("All inputs at their medians")),
         x, y);
  // Only the first bar of each colour keeps a legend entry.
  for (auto *marker : chart->legend()->markers())
    if (marker->label().isEmpty()) marker->setVisible(false);
  return chart;
}

QChart *SensitivityChart(const QString &title, const QString &measure, std::vector<InputBar> bars,
                         bool correlation) {
  QChart *chart = NewChart(title);
  if (bars.empty()) {
    chart->setTitle(title + QObject::tr(": not computed"));
    return chart;
  }
  std::sort(bars.begin(), bars.end(), [](const InputBar &a, const InputBar &b) {
    const double x = std::isfinite(a.estimate) ? std::abs(a.estimate) : -1;
    const double y = std::isfinite(b.estimate) ? std::abs(b.estimate) : -1;
    return x < y;
  });
  double low = 0, high = 0;
  for (const auto &b : bars)
    for (double v : {b.estimate, b.lowEnd.value_or(0), b.highEnd.value_or(0)})
      if (std::isfinite(v)) {
        low = std::min(low, v);
        high = std::max(high, v);
      }
  auto *x = new QValueAxis;
  if (correlation) {
    x->setRange(-1, 1);  // a correlation's whole range, so bars compare across results
    x->setTickCount(9);
  } else {
    x->setRange(std::min(low * 1.05, 0.0), std::max(high * 1.05, 0.05));
    x->applyNiceNumbers();
  }
  x->setLabelFormat("%.2f");
  x->setTitleText(measure);
  QCategoryAxis *y = InputAxis(bars);
  chart->addAxis(x, Qt::AlignBottom);
  chart->addAxis(y, Qt::AlignLeft);
  for (std::size_t k = 0; k < bars.size(); ++k) {
    const int row = static_cast<int>(k);
    if (std::isfinite(bars[k].estimate)) {
      QAreaSeries *bar = Bar(0, bars[k].estimate, row, bars[k].estimate < 0 ? kHighBars : kBars);
      Attach(chart, bar, x, y);
    }
    if (bars[k].lowEnd && bars[k].highEnd) {
      auto *interval = new QLineSeries;
      interval->append(*bars[k].lowEnd, row);
      interval->append(*bars[k].highEnd, row);
      QPen pen(Qt::black);
      pen.setWidth(2);
      interval->setPen(pen);
      Attach(chart, interval, x, y);
    }
  }
  chart->legend()->hide();
  return chart;
}

QString MeasureName(SensitivityMeasure measure) {
  switch (measure) {
    case SensitivityMeasure::Spearman:
      return QObject::tr("Spearman correlation");
    case SensitivityMeasure::FirstOrder:
      return QObject::tr("Sobol first-order index");
    case SensitivityMeasure::Total:
      return QObject::tr("Sobol total index");
  }
  return {};
}

std::vector<QChart *> ResultCharts(const prob::Assessment &assessment,
                                   const prob::AssessmentRun &run,
                                   const prob::AssessmentSummary &summary, std::size_t r,
                                   bool logarithmic, SensitivityMeasure measure, bool partial) {
  const prob::ResultSummary &result = summary.results[r];
  ResultPlotData data;
  data.title = QString("%1 (%2)").arg(QString::fromStdString(result.name), kResultFields[r].label);
  data.unit = kResultFields[r].unit;
  data.values = prob::ResultValues(run, r);
  data.deterministic = result.deterministic;
  if (result.statistics.exceedance) data.reference = result.statistics.exceedance->reference;
  data.logarithmic = logarithmic;
  data.partial = partial;

  std::vector<InputBar> tornado, sensitivity;
  for (const prob::InputSensitivity &s : result.sensitivity) {
    InputBar bar;
    bar.input = QString::fromStdString(assessment.inputs[s.input].name);
    if (s.oatLow && s.oatHigh) {
      bar.low = *s.oatLow;
      bar.high = *s.oatHigh;
      tornado.push_back(bar);
    }
    const auto &index = measure == SensitivityMeasure::FirstOrder ? s.firstOrder : s.total;
    if (measure == SensitivityMeasure::Spearman && s.spearman) {
      bar.estimate = *s.spearman;
    } else if (measure != SensitivityMeasure::Spearman && index) {
      bar.estimate = index->estimate;
      bar.lowEnd = index->low;
      bar.highEnd = index->high;
    } else {
      continue;
    }
    sensitivity.push_back(bar);
  }
  // The tornado's bars start from the case with every input at its median.
  const double base =
      run.oneAtATimeResults.empty() ? result.deterministic : run.oneAtATimeResults[0][r];
  const QString mark = partial ? QObject::tr(" (PARTIAL)") : QString();
  return {HistogramChart(data), CdfChart(data), ConvergenceChart(data),
          TornadoChart(data.title + QObject::tr(" — one input at a time") + mark, data.unit,
                       tornado, base),
          SensitivityChart(data.title + " — " + MeasureName(measure) + mark, MeasureName(measure),
                           sensitivity, measure == SensitivityMeasure::Spearman)};
}

QImage ChartImage(QChart *chart, QSize size) {
  QGraphicsScene scene;
  scene.addItem(chart);
  chart->resize(size);
  QImage image(size, QImage::Format_ARGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  scene.render(&painter, QRectF(QPointF(0, 0), size), QRectF(QPointF(0, 0), size));
  painter.end();
  scene.removeItem(chart);
  delete chart;
  return image;
}

}  // namespace lumo::report
