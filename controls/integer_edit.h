// TIntegerEdit: a TCommonEdit for 32-bit signed integers (digits and
// signs), shown through FormatString (default "%d").
#pragma once

#include "common_edit.h"

class TIntegerEdit : public TCommonEdit {
  Q_OBJECT

 public:
  explicit TIntegerEdit(QWidget *parent = nullptr);

  qint32 MinValue() const { return min_; }
  void SetMinValue(qint32 v) { min_ = v; }
  qint32 MaxValue() const { return max_; }
  void SetMaxValue(qint32 v) { max_ = v; }

  // The number in the text: 0 when empty, MinValue when it does not read.
  qint32 Value() const;
  void SetValue(qint32 v);
  qint32 CheckValue(qint32 x) { return CheckValueIn(x, min_, max_); }

 protected:
  int CheckKeyChar(QChar c) const override;
  void SetValue2() override { SetValue(Value()); }
  bool SyntaxOk(const QString &candidate) const override;

 private:
  qint32 min_ = 0;
  qint32 max_ = 0;
};
