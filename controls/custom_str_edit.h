// TCustomStrEdit: the single-line edit that TNumEdit builds on. It adds a
// text alignment (left, right or centred) and a text margin fixed at
// construction: a quarter of the smaller of the character heights of the
// application font and the field's font.
#pragma once

#include <QLineEdit>

class TCustomStrEdit : public QLineEdit {
  Q_OBJECT

 public:
  enum class TAlignment { Left, Right, Center };

  explicit TCustomStrEdit(QWidget *parent = nullptr);

  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment alignment);
  int TextMargin() const { return margin_; }

 protected:
  // Shows the text left-aligned while editing, else with Alignment().
  void ShowAligned(bool editing);

 private:
  TAlignment alignment_ = TAlignment::Left;
  int margin_ = 0;
};
