// TCommonEdit: the base of the edit fields that check every keystroke,
// paste, cut and delete against the number syntax of their kind before the
// text changes (TRealEdit, TIntegerEdit, TCardinalEdit). They show their
// value through a printf-style FormatString and, with Validate on, clamp it
// to their range, show it in ColorWarning and signal overflow/underflow.
#pragma once

#include <QColor>
#include <QLineEdit>

class TCommonEdit : public QLineEdit {
  Q_OBJECT

 public:
  explicit TCommonEdit(QWidget *parent = nullptr);

  QColor ColorNormal() const { return colorNormal_; }
  void SetColorNormal(const QColor &color) { colorNormal_ = color; }
  QColor ColorWarning() const { return colorWarning_; }
  void SetColorWarning(const QColor &color) { colorWarning_ = color; }

  QString FormatString() const { return format_; }
  // Changing the format or Validate re-reads and re-formats the text.
  void SetFormatString(const QString &format);
  bool Validate() const { return validate_; }
  void SetValidate(bool on);
  bool AutoSelect() const { return autoSelect_; }
  void SetAutoSelect(bool on) { autoSelect_ = on; }

  // The font colour in use (ColorNormal or ColorWarning).
  QColor FontColor() const;

  // The text the field would have if the key under consideration were
  // accepted; true when it is empty, "-" or "+".
  QString CandidateText() const { return candidate_; }
  bool EmptyOrSign() const;

 signals:
  void overflow();   // a value was clamped to its maximum
  void underflow();  // a value was clamped to its minimum

 protected:
  enum KeyClass { kInsert = 0, kBackspace = 1, kRefuse = 2 };

  // True when the candidate text for `c` passes SyntaxOk.
  virtual bool IsValidChar(QChar c);
  // The class of a typed character; the base refuses everything.
  virtual int CheckKeyChar(QChar c) const;
  // Re-reads, checks and re-formats the current text; the base does nothing.
  virtual void SetValue2() {}
  // Whether a candidate text is acceptable; the base accepts everything.
  virtual bool SyntaxOk(const QString &candidate) const;

  // The clamp shared by the kinds: ColorNormal and x when in range or when
  // Validate is off; otherwise the nearest limit, ColorWarning and the
  // matching signal.
  template <typename T>
  T CheckValueIn(T x, T minValue, T maxValue) {
    SetFontColor(colorNormal_);
    if (!validate_) return x;
    if (x < minValue) {
      SetFontColor(colorWarning_);
      emit underflow();
      return minValue;
    }
    if (x > maxValue) {
      SetFontColor(colorWarning_);
      emit overflow();
      return maxValue;
    }
    return x;
  }

  void SetFontColor(const QColor &color);
  // Typed characters are shown in upper case (TRealEdit's "E").
  void SetUpperCase(bool on) { upperCase_ = on; }

  void keyPressEvent(QKeyEvent *event) override;
  void focusInEvent(QFocusEvent *event) override;
  void focusOutEvent(QFocusEvent *event) override;

 private:
  // The text with the selection removed, or with the character before
  // (backwards) or after the caret removed when nothing is selected.
  QString TextWithoutSelection(bool backwards) const;
  void Paste();

  QColor colorNormal_ = Qt::black;
  QColor colorWarning_ = Qt::red;
  QString format_;
  bool validate_ = false;
  bool autoSelect_ = true;
  bool upperCase_ = false;
  QString candidate_;
};
