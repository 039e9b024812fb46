#include "custom_num_edit.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLocale>
#include <cmath>

#include "message_box.h"
#include "num_format.h"

using namespace lumo::controls;

namespace {

bool IsWindowSwitch(Qt::FocusReason reason) {
  // The field keeps its editing state while another window (a message box,
  // a menu) has the focus for a moment.
  return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
}

}  // namespace

TCustomNumEdit::TCustomNumEdit(QWidget *parent) : TCustomStrEdit(parent) {
  SetAlignment(TAlignment::Right);
  setContextMenuPolicy(Qt::NoContextMenu);  // no paste past the key check
  setAcceptDrops(false);
  masks_.SetOnChange([this] { FormatText(); });
  resize(85, sizeHint().height());
  FormatText();
}

QSize TCustomNumEdit::sizeHint() const {
  QSize size = TCustomStrEdit::sizeHint();
  size.setWidth(85);
  return size;
}

double TCustomNumEdit::Rounded(double v) const {
  return rounding_ ? std::nearbyint(v) : std::trunc(v);
}

void TCustomNumEdit::SetValue(double v) {
  if (v == value_) return;
  if (!Valid(v)) return;
  value_ = v;
  FormatText();
}

void TCustomNumEdit::SetMin(double v) {
  min_ = v;
  if (min_ > value_) value_ = min_;
}

void TCustomNumEdit::SetMax(double v) {
  max_ = v;
  if (max_ < value_) value_ = max_;
}

void TCustomNumEdit::SetValidate(bool on) {
  validate_ = on;
  if (on && (value_ < min_ || value_ > max_)) {
    value_ = min_;
    FormatText();
  }
}

void TCustomNumEdit::SetDigits(quint16 digits) {
  digits_ = digits;
  FormatText();
}

void TCustomNumEdit::SetDecimals(quint16 decimals) {
  decimals_ = decimals;
  FormatText();
}

void TCustomNumEdit::SetNumericType(TNumericType type) {
  type_ = type;
  FormatText();
}

void TCustomNumEdit::SetUseRounding(bool on) {
  rounding_ = on;
  FormatText();
}

void TCustomNumEdit::FormatText() {
  const QLocale locale;
  double v = type_ == TNumericType::ntPercentage ? value_ * 100 : value_;
  v = RoundToDecimals(v, decimals_, rounding_);
  switch (type_) {
    case TNumericType::ntGeneral:
      setText(FormatWithMask(v, masks_.Combined(), locale));
      break;
    case TNumericType::ntCurrency:
      setText(FormatCurrency(v, digits_, decimals_, locale));
      break;
    case TNumericType::ntPercentage:
      setText(FormatPercentage(v, digits_, decimals_, locale));
      break;
  }
}

void TCustomNumEdit::UnFormatText() {
  setText(EditableText(text(), value_ < 0, QLocale()));
}

bool TCustomNumEdit::Valid(double x) {
  if (!validate_ || (min_ <= x && x <= max_)) return true;
  const QLocale locale;
  ShowMessage(this, tr("Error"),
              tr("Value must be between %1 and %2")
                  .arg(FormatGeneral(min_, locale), FormatGeneral(max_, locale)),
              MsgIcon::Error, MsgButton::Ok);
  return false;
}

void TCustomNumEdit::BeginEditing() {
  editing_ = true;
  UnFormatText();
  textAtEntry_ = text();
  savedMaxLength_ = maxLength();
  // Never shorter than the text already there, which setMaxLength would cut.
  setMaxLength(std::max<int>(digits_, static_cast<int>(text().size())));
  ShowAligned(true);
}

bool TCustomNumEdit::FinishEditing() {
  const QString typed = text();
  setMaxLength(savedMaxLength_);
  if (typed == textAtEntry_) {
    // Passed through without a change: the stored value stays exact.
    editing_ = false;
    FormatText();
    ShowAligned(false);
    return true;
  }
  const EditedNumber number = ParseEditedText(typed, QLocale());
  if (!number.ok) {
    // A lone sign or decimal mark: the previous value stays and shows again.
    editing_ = false;
    ShowMessage(this, tr("A Small Error"),
                tr("\"%1\" is not a number; the previous value is kept.").arg(typed),
                MsgIcon::Error, MsgButton::Ok);
    FormatText();
    ShowAligned(false);
    return false;
  }
  if (!Valid(number.value)) {
    // Refused: the typed text stays for correction and the focus comes back
    // at once, so whoever moved it away sees that it did not stay.
    setMaxLength(std::max<int>(digits_, static_cast<int>(typed.size())));
    setFocus(Qt::OtherFocusReason);
    selectAll();
    return false;
  }
  editing_ = false;
  value_ = type_ == TNumericType::ntPercentage ? number.value / 100 : number.value;
  FormatText();
  ShowAligned(false);
  return true;
}

void TCustomNumEdit::focusInEvent(QFocusEvent *event) {
  if (!editing_) BeginEditing();
  TCustomStrEdit::focusInEvent(event);
  if (event->reason() != Qt::MouseFocusReason && !IsWindowSwitch(event->reason())) selectAll();
}

void TCustomNumEdit::focusOutEvent(QFocusEvent *event) {
  TCustomStrEdit::focusOutEvent(event);
  if (IsWindowSwitch(event->reason()) || !editing_) return;
  if (FinishEditing()) emit exited();
}

void TCustomNumEdit::keyPressEvent(QKeyEvent *event) {
  if (event->matches(QKeySequence::Paste) || event->matches(QKeySequence::Cut)) {
    event->accept();  // typed characters only: pasted text would skip the check
    return;
  }
  const QString typed = event->text();
  const bool command =
      event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
  if (!command && typed.size() == 1 && typed[0].isPrint()) {
    const QChar c = typed[0];
    if (!AcceptsEditChar(c, text(), QLocale())) {
      event->accept();
      return;
    }
    if (c == u'-' || QString(c) == QLocale().decimalPoint()) {
      // setMaxLength resets the caret and selection; the key needs both.
      const int start = selectionStart();
      const int length = static_cast<int>(selectedText().size());
      const int caret = cursorPosition();
      setMaxLength(maxLength() + 1);
      if (start >= 0) {
        setSelection(start, length);
      } else {
        setCursorPosition(caret);
      }
    }
  }
  TCustomStrEdit::keyPressEvent(event);
}

int TCustomNumEdit::AsInteger() const {
  const double r = Rounded(value_);
  return (r > -32768 && r < 32767) ? static_cast<int>(r) : 0;
}

qint32 TCustomNumEdit::AsLongint() const {
  const double r = Rounded(value_);
  return (r > -2147483647.0 && r < 2147483647.0) ? static_cast<qint32>(r) : 0;
}

double TCustomNumEdit::AsReal() const {
  return (value_ > -1.7e38 && value_ < 1.7e38) ? value_ : 0;
}

double TCustomNumEdit::AsDouble() const {
  return (value_ > -1.7e308 && value_ < 1.7e308) ? std::nearbyint(value_) : 0;
}

QString TCustomNumEdit::AsString() const {
  QString out;
  for (QChar c : text()) {
    if (c.isDigit() || c == u',' || c == u'.') out += c;
  }
  return value_ < 0 ? u'-' + out : out;
}
