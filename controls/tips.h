// TTips: the tip dialog as a non-visual object. Execute() opens a TTipForm
// with the title, heading and tip text set here, and tells whether it was
// closed with its Close button.
#pragma once

#include <QObject>
#include <QStringList>

#include "tip_form.h"

class TTips : public QObject {
  Q_OBJECT

 public:
  static constexpr int kMaxTextLength = 2000;

  explicit TTips(QObject *parent = nullptr) : QObject(parent) {}

  QString Title() const { return title_; }
  void SetTitle(const QString &title) { title_ = title; }
  QString Header() const { return header_; }
  void SetHeader(const QString &header) { header_ = header; }
  QString TipHelp() const { return tipHelp_; }
  void SetTipHelp(const QString &help) { tipHelp_ = help; }
  bool ShowAtStart() const { return showAtStart_; }
  void SetShowAtStart(bool on) { showAtStart_ = on; }
  QStringList Tips() const { return tips_; }
  void SetTips(const QStringList &tips) { tips_ = tips; }
  int TipsCount() const { return static_cast<int>(tips_.size()); }
  TScrollStyle VertScroll() const { return scroll_; }
  void SetVertScroll(TScrollStyle scroll) { scroll_ = scroll; }

  // The tip text (at most 2000 characters; longer texts are cut).
  QString Text() const { return text_; }
  void SetText(const QString &text) { text_ = text.left(kMaxTextLength); }

  // Shows the tip window modally; true when it was closed with Close.
  bool Execute(QWidget *parent = nullptr);

 private:
  QString title_, header_, tipHelp_, text_;
  bool showAtStart_ = false;
  QStringList tips_;
  TScrollStyle scroll_ = TScrollStyle::ssVertical;
};
