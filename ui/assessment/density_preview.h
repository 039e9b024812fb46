// A small plot of an input's density (result_curves.h: DensityCurve) in the
// unit the input is shown in, with the scenario's own value marked; empty
// with a note while the distribution is refused.
#pragma once

#include <QString>
#include <QWidget>
#include <vector>

#include "result_curves.h"

class QChart;
class QChartView;

namespace lumo::ui {

class DensityPreview : public QWidget {
  Q_OBJECT

 public:
  explicit DensityPreview(QWidget *parent = nullptr);

  // The curve and the marked value (x already in the shown unit).
  void Show(const std::vector<prob::CurvePoint> &curve, double own, const QString &unit);
  void Clear(const QString &note);
  // Points drawn (for tests), and the note shown.
  int Points() const { return points_; }

 private:
  QChart *chart_;
  QChartView *view_;
  int points_ = 0;
};

}  // namespace lumo::ui
