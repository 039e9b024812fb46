#include "speed_info_button.h"

#include "glyph.h"
#include "tips.h"

TLUMOSpeedInfo::TLUMOSpeedInfo(QWidget *parent) : QToolButton(parent) {
  setAutoRaise(true);
  LoadGlyph(lumo::controls::SystemGlyphPath(QStringLiteral("help.bmp")));
  connect(this, &QToolButton::clicked, this, &TLUMOSpeedInfo::OpenDialog);
}

void TLUMOSpeedInfo::SetString(const QString &text) {
  text_ = text.left(kMaxTextLength);
}

void TLUMOSpeedInfo::LoadGlyph(const QString &path) {
  const QPixmap glyph = lumo::controls::LoadGlyph(path);
  if (glyph.isNull()) {
    setIcon(QIcon());
    setText(QStringLiteral("?"));
    setToolButtonStyle(Qt::ToolButtonTextOnly);
  } else {
    setIcon(QIcon(glyph));
    setIconSize(glyph.size());
    setText(QString());
    setToolButtonStyle(Qt::ToolButtonIconOnly);
  }
}

void TLUMOSpeedInfo::OpenDialog() {
  if (!dialog_) return;
  dialog_->SetText(text_);
  dialog_->SetVertScroll(scroll_);
  dialog_->Execute(this);
}
