#include "real_edit.h"

#include "number_syntax.h"

using namespace lumo::controls;

TRealEdit::TRealEdit(QWidget *parent) : TCommonEdit(parent) {
  SetUpperCase(true);
  SetFormatString(QStringLiteral("%g"));
}

double TRealEdit::Value() const {
  if (text().trimmed().isEmpty()) return 0;
  return ReadReal(text()).value_or(min_);
}

void TRealEdit::SetValue(double v) {
  setText(FormatReal(FormatString(), CheckValue(v)).toUpper());
}

int TRealEdit::CheckKeyChar(QChar c) const {
  if (c == u'\b') return kBackspace;
  if (c.isDigit() || c == u'+' || c == u'-' || c == u'.' || c == u'E' || c == u'e') return kInsert;
  return kRefuse;
}

bool TRealEdit::SyntaxOk(const QString &candidate) const {
  return RealSyntaxOk(candidate);
}
