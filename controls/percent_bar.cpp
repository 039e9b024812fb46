#include "percent_bar.h"

#include <QPainter>

#include "percent_geometry.h"

TPERCENT::TPERCENT(QWidget *parent) : QWidget(parent) {
  resize(90, 20);
}

void TPERCENT::SetPercentShaded(int percent) {
  percent_ = std::clamp(percent, 0, 100);
  update();
}

void TPERCENT::SetPercentColor(const QColor &color) {
  color_ = color;
  update();
}

void TPERCENT::SetShowPercent(bool on) {
  showPercent_ = on;
  update();
}

void TPERCENT::SetCaption(const QString &caption) {
  caption_ = caption;
  update();
}

void TPERCENT::paintEvent(QPaintEvent *) {
  QPainter p(this);
  const int w = width(), h = height();
  // Sunken frame: grey up the left and along the top, white down the right
  // and along the bottom.
  p.setPen(QColor(0x80, 0x80, 0x80));
  p.drawLine(0, 0, 0, h - 1);
  p.drawLine(0, 0, w - 1, 0);
  p.setPen(Qt::white);
  p.drawLine(w - 1, 0, w - 1, h - 1);
  p.drawLine(0, h - 1, w - 1, h - 1);
  // White box with a black outline, from (1, 1) to (w - 1, h - 1).
  p.fillRect(QRect(QPoint(1, 1), QPoint(w - 2, h - 2)), Qt::white);
  p.setPen(Qt::black);
  p.drawRect(QRect(QPoint(1, 1), QPoint(w - 3, h - 3)));
  p.fillRect(lumo::controls::PercentFillRect(w, h, percent_), color_);
  p.setFont(font());
  p.setPen(palette().color(QPalette::WindowText));
  p.drawText(rect(), Qt::AlignCenter, showPercent_ ? QString::number(percent_) + u'%' : caption_);
}
