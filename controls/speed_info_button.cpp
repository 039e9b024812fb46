#include "speed_info_button.h"

#include "glyph.h"

TLUMOSpeedInfo::TLUMOSpeedInfo(QWidget *parent) : QToolButton(parent) {
  setAutoRaise(true);
  LoadGlyph(lumo::controls::SystemGlyphPath(QStringLiteral("help.bmp")));
  connect(this, &QToolButton::clicked, this, [this] { OpenDialog(this); });
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
