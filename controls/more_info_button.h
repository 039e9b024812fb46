// TLUMOBtnMoreInfo: the "More Information" button. It holds a tip text and
// opens its TTips dialog with it. Its glyph is "help1.bmp" from the system
// directory; without that file the button shows its caption alone.
#pragma once

#include <QPushButton>

#include "tip_form.h"

class TTips;

class TLUMOBtnMoreInfo : public QPushButton {
  Q_OBJECT

 public:
  static constexpr int kMaxTextLength = 2000;

  explicit TLUMOBtnMoreInfo(QWidget *parent = nullptr);

  TTips *Dialog() const { return dialog_; }
  void SetDialog(TTips *dialog) { dialog_ = dialog; }
  TScrollStyle VertScroll() const { return scroll_; }
  void SetVertScroll(TScrollStyle scroll) { scroll_ = scroll; }
  QString String() const { return text_; }
  // The tip text (at most 2000 characters; longer texts are cut).
  void SetString(const QString &text);

  // Sets the glyph from `path`; a missing or unreadable file leaves none.
  void LoadGlyph(const QString &path);

 private:
  void OpenDialog();

  TTips *dialog_ = nullptr;
  TScrollStyle scroll_ = TScrollStyle::ssVertical;
  QString text_;
};
