#include "cardinal_edit.h"

#include "number_syntax.h"

using namespace lumo::controls;

TCardinalEdit::TCardinalEdit(QWidget *parent) : TCommonEdit(parent) {
  SetFormatString(QStringLiteral("%u"));
}

quint32 TCardinalEdit::Value() const {
  if (text().trimmed().isEmpty()) return 0;
  return ReadCardinal(text()).value_or(min_);
}

void TCardinalEdit::SetValue(quint32 v) {
  setText(FormatCardinal(FormatString(), CheckValue(v)));
}

int TCardinalEdit::CheckKeyChar(QChar c) const {
  if (c == u'\b') return kBackspace;
  if (c.isDigit()) return kInsert;
  return kRefuse;
}

bool TCardinalEdit::SyntaxOk(const QString &candidate) const {
  return CardinalSyntaxOk(candidate);
}
