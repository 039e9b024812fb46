#include "density_preview.h"

#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>

namespace lumo::ui {

DensityPreview::DensityPreview(QWidget *parent) : QWidget(parent) {
  chart_ = new QChart;
  chart_->legend()->hide();
  chart_->setMargins(QMargins(2, 2, 2, 2));
  view_ = new QChartView(chart_, this);
  view_->setRenderHint(QPainter::Antialiasing);
  view_->setObjectName("chartDensity");
  auto *layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(view_);
  setMinimumHeight(170);
}

void DensityPreview::Clear(const QString &note) {
  // A new chart each time: series and axes of the last one go with it.
  QChart *old = chart_;
  chart_ = new QChart;
  chart_->legend()->hide();
  chart_->setMargins(QMargins(2, 2, 2, 2));
  chart_->setTitle(note);
  view_->setChart(chart_);
  delete old;
  points_ = 0;
}

void DensityPreview::Show(const std::vector<prob::CurvePoint> &curve, double own,
                          const QString &unit) {
  Clear(QString());
  if (curve.empty()) return;
  auto *density = new QLineSeries;
  double top = 0, left = own, right = own;
  for (const auto &p : curve) {
    density->append(p.x, p.y);
    top = std::max(top, p.y);
    left = std::min(left, p.x);
    right = std::max(right, p.x);
  }
  density->setName(tr("Density"));
  auto *mark = new QLineSeries;
  mark->setName(tr("Scenario's value"));
  mark->append(own, 0);
  mark->append(own, top > 0 ? top : 1);
  QPen pen(QColor(0xc0, 0x30, 0x20));
  pen.setStyle(Qt::DashLine);
  pen.setWidth(2);
  mark->setPen(pen);
  chart_->addSeries(density);
  chart_->addSeries(mark);
  auto *x = new QValueAxis;
  auto *y = new QValueAxis;
  const double margin = right > left ? (right - left) * 0.03 : std::max(std::abs(own) * 0.1, 1.0);
  x->setRange(left - margin, right + margin);
  x->setTitleText(unit);
  x->setLabelFormat("%.3g");
  y->setRange(0, top > 0 ? top * 1.08 : 1);
  y->setLabelsVisible(false);
  chart_->addAxis(x, Qt::AlignBottom);
  chart_->addAxis(y, Qt::AlignLeft);
  for (auto *s : {density, mark}) {
    s->attachAxis(x);
    s->attachAxis(y);
  }
  chart_->setTitle(tr("Density; dashed: the scenario's value"));
  points_ = static_cast<int>(curve.size());
}

}  // namespace lumo::ui
