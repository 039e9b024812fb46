// TLUMOSpeedInfo: the flat speed-button form of TLUMOBtnMoreInfo: the same
// tip text and dialog, the glyph "help.bmp" from the system directory and
// no caption of its own. Without the glyph it shows "?" so that it can
// still be seen and clicked.
#pragma once

#include <QToolButton>

#include "tip_form.h"

class TTips;

class TLUMOSpeedInfo : public QToolButton {
  Q_OBJECT

 public:
  static constexpr int kMaxTextLength = 2000;

  explicit TLUMOSpeedInfo(QWidget *parent = nullptr);

  TTips *Dialog() const { return dialog_; }
  void SetDialog(TTips *dialog) { dialog_ = dialog; }
  TScrollStyle VertScroll() const { return scroll_; }
  void SetVertScroll(TScrollStyle scroll) { scroll_ = scroll; }
  QString String() const { return text_; }
  void SetString(const QString &text);

  // Sets the glyph from `path`; without one the button shows "?".
  void LoadGlyph(const QString &path);

 private:
  void OpenDialog();

  TTips *dialog_ = nullptr;
  TScrollStyle scroll_ = TScrollStyle::ssVertical;
  QString text_;
};
