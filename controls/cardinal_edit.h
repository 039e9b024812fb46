// TCardinalEdit: a TCommonEdit for 32-bit unsigned integers (digits only),
// shown through FormatString (default "%u").
#pragma once

#include "common_edit.h"

class TCardinalEdit : public TCommonEdit {
  Q_OBJECT

 public:
  explicit TCardinalEdit(QWidget *parent = nullptr);

  quint32 MinValue() const { return min_; }
  void SetMinValue(quint32 v) { min_ = v; }
  quint32 MaxValue() const { return max_; }
  void SetMaxValue(quint32 v) { max_ = v; }

  // The number in the text: 0 when empty, MinValue when it does not read.
  quint32 Value() const;
  void SetValue(quint32 v);
  quint32 CheckValue(quint32 x) { return CheckValueIn(x, min_, max_); }

 protected:
  int CheckKeyChar(QChar c) const override;
  void SetValue2() override { SetValue(Value()); }
  bool SyntaxOk(const QString &candidate) const override;

 private:
  quint32 min_ = 0;
  quint32 max_ = 0;
};
