#include "integer_edit.h"

#include "number_syntax.h"

using namespace lumo::controls;

TIntegerEdit::TIntegerEdit(QWidget *parent) : TCommonEdit(parent) {
  SetFormatString(QStringLiteral("%d"));
}

qint32 TIntegerEdit::Value() const {
  if (text().trimmed().isEmpty()) return 0;
  return ReadInteger(text()).value_or(min_);
}

void TIntegerEdit::SetValue(qint32 v) {
  setText(FormatInteger(FormatString(), CheckValue(v)));
}

int TIntegerEdit::CheckKeyChar(QChar c) const {
  if (c == u'\b') return kBackspace;
  if (c.isDigit() || c == u'+' || c == u'-') return kInsert;
  return kRefuse;
}

bool TIntegerEdit::SyntaxOk(const QString &candidate) const {
  return IntegerSyntaxOk(candidate);
}
