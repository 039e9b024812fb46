// TPERCENT: the progress bar of a run. A sunken frame around a white box
// that fills with PercentColor from the left (or, when the control is
// higher than wide, from the bottom up), with the percentage or a caption
// centred on top.
#pragma once

#include <QColor>
#include <QWidget>

class TPERCENT : public QWidget {
  Q_OBJECT

 public:
  explicit TPERCENT(QWidget *parent = nullptr);

  int PercentShaded() const { return percent_; }
  // Clamped to 0..100.
  void SetPercentShaded(int percent);
  QColor PercentColor() const { return color_; }
  void SetPercentColor(const QColor &color);
  bool ShowPercent() const { return showPercent_; }
  // On: shows the percentage followed by "%"; off: shows Caption.
  void SetShowPercent(bool on);
  QString Caption() const { return caption_; }
  void SetCaption(const QString &caption);
  bool IsHorizontal() const { return width() >= height(); }

  QSize sizeHint() const override { return QSize(90, 20); }

 protected:
  void paintEvent(QPaintEvent *event) override;

 private:
  int percent_ = 0;
  QColor color_ = Qt::red;
  bool showPercent_ = true;
  QString caption_;
};
