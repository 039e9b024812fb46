// TRealEdit: a TCommonEdit for real numbers (digits, signs, ".", "E"),
// shown in upper case through FormatString (default "%g").
#pragma once

#include "common_edit.h"

class TRealEdit : public TCommonEdit {
  Q_OBJECT

 public:
  explicit TRealEdit(QWidget *parent = nullptr);

  double MinValue() const { return min_; }
  void SetMinValue(double v) { min_ = v; }
  double MaxValue() const { return max_; }
  void SetMaxValue(double v) { max_ = v; }

  // The number in the text: 0 when empty, MinValue when it does not read.
  double Value() const;
  // Shows CheckValue(v) through FormatString.
  void SetValue(double v);
  double CheckValue(double x) { return CheckValueIn(x, min_, max_); }

 protected:
  int CheckKeyChar(QChar c) const override;
  void SetValue2() override { SetValue(Value()); }
  bool SyntaxOk(const QString &candidate) const override;

 private:
  double min_ = 0;
  double max_ = 0;
};
