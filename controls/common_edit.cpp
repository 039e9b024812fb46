#include "common_edit.h"

#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMimeData>

#include "message_box.h"

using namespace lumo::controls;

TCommonEdit::TCommonEdit(QWidget *parent) : QLineEdit(parent) {
  setContextMenuPolicy(Qt::NoContextMenu);  // no paste past the syntax check
  setAcceptDrops(false);
  SetFontColor(colorNormal_);
}

void TCommonEdit::SetFormatString(const QString &format) {
  format_ = format;
  SetValue2();
}

void TCommonEdit::SetValidate(bool on) {
  validate_ = on;
  SetValue2();
}

QColor TCommonEdit::FontColor() const {
  return palette().color(QPalette::Text);
}

void TCommonEdit::SetFontColor(const QColor &color) {
  QPalette p = palette();
  p.setColor(QPalette::Text, color);
  setPalette(p);
}

bool TCommonEdit::EmptyOrSign() const {
  return candidate_.isEmpty() || candidate_ == QLatin1String("-") ||
         candidate_ == QLatin1String("+");
}

int TCommonEdit::CheckKeyChar(QChar) const {
  return kRefuse;
}

bool TCommonEdit::SyntaxOk(const QString &) const {
  return true;
}

bool TCommonEdit::IsValidChar(QChar c) {
  const QString t = text();
  const int start = hasSelectedText() ? selectionStart() : cursorPosition();
  const int length = hasSelectedText() ? static_cast<int>(selectedText().size()) : 0;
  switch (CheckKeyChar(c)) {
    case kInsert:
      candidate_ = t.left(start) + c + t.mid(start + length, 255);
      break;
    case kBackspace:
      candidate_ = TextWithoutSelection(true);
      break;
    default:
      return false;
  }
  return SyntaxOk(candidate_);
}

QString TCommonEdit::TextWithoutSelection(bool backwards) const {
  QString t = text();
  if (hasSelectedText()) return t.remove(selectionStart(), selectedText().size());
  const int caret = cursorPosition();
  if (backwards && caret > 0) return t.remove(caret - 1, 1);
  if (!backwards && caret < t.size()) return t.remove(caret, 1);
  return t;
}

void TCommonEdit::Paste() {
  const QMimeData *data = QApplication::clipboard()->mimeData();
  const QString clip = data && data->hasText() ? data->text() : QString();
  if (clip.isEmpty()) {
    ShowMessage(this, tr("Information"), tr("No text on the Clipboard"), MsgIcon::Information,
                MsgButton::Ok);
    return;
  }
  // The text exactly as it would be after the paste replaced the selection.
  const QString t = text();
  const int start = hasSelectedText() ? selectionStart() : cursorPosition();
  const int length = hasSelectedText() ? static_cast<int>(selectedText().size()) : 0;
  candidate_ = t.left(start) + clip + t.mid(start + length);
  if (SyntaxOk(candidate_)) insert(upperCase_ ? clip.toUpper() : clip);
}

void TCommonEdit::keyPressEvent(QKeyEvent *event) {
  event->accept();
  if (event->matches(QKeySequence::Copy)) {
    if (hasSelectedText()) QApplication::clipboard()->setText(selectedText());
    return;
  }
  if (event->matches(QKeySequence::Paste)) {
    Paste();
    return;
  }
  if (event->matches(QKeySequence::Cut)) {
    if (!hasSelectedText()) return;
    candidate_ = TextWithoutSelection(false);
    if (SyntaxOk(candidate_)) cut();
    return;
  }
  if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::NoModifier) {
    candidate_ = TextWithoutSelection(false);
    if (SyntaxOk(candidate_)) QLineEdit::keyPressEvent(event);
    return;
  }
  if (event->key() == Qt::Key_Backspace) {
    if (IsValidChar(QChar(u'\b'))) QLineEdit::keyPressEvent(event);
    return;
  }
  const QString typed = event->text();
  const bool command =
      event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
  if (!command && typed.size() == 1 && typed[0].isPrint()) {
    if (IsValidChar(typed[0])) insert(upperCase_ ? typed.toUpper() : typed);
    return;
  }
  event->ignore();
  QLineEdit::keyPressEvent(event);
}

void TCommonEdit::focusInEvent(QFocusEvent *event) {
  QLineEdit::focusInEvent(event);
  if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason) {
    return;
  }
  if (autoSelect_ && !(QApplication::mouseButtons() & Qt::LeftButton)) selectAll();
  SetFontColor(colorNormal_);
}

void TCommonEdit::focusOutEvent(QFocusEvent *event) {
  QLineEdit::focusOutEvent(event);
  if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason) {
    return;
  }
  SetValue2();
}
