// TTipSource: what the two "More Information" buttons hold in common: a tip
// text of at most 2000 characters, the scroll setting of its text box, and
// the TTips dialog that shows them when the button is clicked.
#pragma once

#include <QString>

#include "tip_form.h"

class QWidget;
class TTips;

class TTipSource {
 public:
  static constexpr int kMaxTextLength = 2000;

  TTips *Dialog() const { return dialog_; }
  void SetDialog(TTips *dialog) { dialog_ = dialog; }
  TScrollStyle VertScroll() const { return scroll_; }
  void SetVertScroll(TScrollStyle scroll) { scroll_ = scroll; }
  QString String() const { return text_; }
  // The tip text; longer texts are cut to kMaxTextLength characters.
  void SetString(const QString &text) { text_ = text.left(kMaxTextLength); }

 protected:
  // Hands text and scroll setting to the dialog and runs it, owned by
  // `owner`; nothing happens without a dialog.
  void OpenDialog(QWidget *owner);

 private:
  TTips *dialog_ = nullptr;
  TScrollStyle scroll_ = TScrollStyle::ssVertical;
  QString text_;
};
