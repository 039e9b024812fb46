#include "custom_str_edit.h"

#include <QApplication>
#include <QFontMetrics>

TCustomStrEdit::TCustomStrEdit(QWidget *parent) : QLineEdit(parent) {
  const int system = QFontMetrics(QApplication::font()).height();
  const int own = QFontMetrics(font()).height();
  margin_ = std::min(system, own) / 4;
  setTextMargins(margin_, 0, margin_, 0);
}

void TCustomStrEdit::SetAlignment(TAlignment alignment) {
  alignment_ = alignment;
  ShowAligned(false);
}

void TCustomStrEdit::ShowAligned(bool editing) {
  Qt::Alignment h = Qt::AlignLeft;
  if (!editing && alignment_ == TAlignment::Right) h = Qt::AlignRight;
  if (!editing && alignment_ == TAlignment::Center) h = Qt::AlignHCenter;
  setAlignment(h | Qt::AlignVCenter);
}
