// TCustomNumEdit: a numeric field that shows its value through a display
// mask while it does not have the focus and the plain number while it is
// edited. Leaving the field reads the typed number, checks it against
// Min..Max when Validate is on (refusing it with a message and taking the
// focus back), stores it and re-formats. TNumEdit is the field the windows
// place; this class holds all of its behaviour.
#pragma once

#include <QtGlobal>

#include "custom_str_edit.h"
#include "masks.h"

enum class TNumericType { ntGeneral, ntCurrency, ntPercentage };

class TCustomNumEdit : public TCustomStrEdit {
  Q_OBJECT

 public:
  explicit TCustomNumEdit(QWidget *parent = nullptr);

  double Value() const { return value_; }
  // Stores `v` and re-formats, unless it equals Value() or Valid() refuses it.
  void SetValue(double v);

  double Min() const { return min_; }
  double Max() const { return max_; }
  // A new Min above Value (or Max below it) moves Value there, without
  // refreshing the text.
  void SetMin(double v);
  void SetMax(double v);

  bool Validate() const { return validate_; }
  // Switching on with Value outside Min..Max resets Value to Min.
  void SetValidate(bool on);

  quint16 Digits() const { return digits_; }
  void SetDigits(quint16 digits);
  quint16 Decimals() const { return decimals_; }
  void SetDecimals(quint16 decimals);
  TNumericType NumericType() const { return type_; }
  void SetNumericType(TNumericType type);
  bool UseRounding() const { return rounding_; }
  void SetUseRounding(bool on);
  TMasks &Masks() { return masks_; }
  const TMasks &Masks() const { return masks_; }

  // Writes the display text from Value.
  void FormatText();
  // Replaces the text by the plain number for editing.
  void UnFormatText();
  // True when Validate is off or Min <= x <= Max; otherwise shows "Value
  // must be between Min and Max" and returns false.
  bool Valid(double x);

  int AsInteger() const;
  qint32 AsLongint() const;
  double AsReal() const;
  double AsDouble() const;
  QString AsString() const;

  QSize sizeHint() const override;

 signals:
  // Emitted after leaving the field stored an accepted value.
  void exited();

 protected:
  void focusInEvent(QFocusEvent *event) override;
  void focusOutEvent(QFocusEvent *event) override;
  void keyPressEvent(QKeyEvent *event) override;

 private:
  void BeginEditing();
  // Reads the edited text back; false when it was refused.
  bool FinishEditing();
  double Rounded(double v) const;

  double value_ = 0;
  double min_ = 0;
  double max_ = 0;
  bool validate_ = false;
  quint16 digits_ = 12;
  quint16 decimals_ = 2;
  TNumericType type_ = TNumericType::ntCurrency;
  bool rounding_ = true;
  TMasks masks_;
  bool editing_ = false;
  int savedMaxLength_ = 32767;
  // The text the field showed when editing began: leaving it unchanged keeps
  // the exact value rather than the rounded text.
  QString textAtEntry_;
};
