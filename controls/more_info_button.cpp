#include "more_info_button.h"

#include "glyph.h"

TLUMOBtnMoreInfo::TLUMOBtnMoreInfo(QWidget *parent) : QPushButton(parent) {
  setText(tr("More Information"));
  setFixedSize(169, 33);
  LoadGlyph(lumo::controls::SystemGlyphPath(QStringLiteral("help1.bmp")));
  connect(this, &QPushButton::clicked, this, [this] { OpenDialog(this); });
}

void TLUMOBtnMoreInfo::LoadGlyph(const QString &path) {
  const QPixmap glyph = lumo::controls::LoadGlyph(path);
  setIcon(glyph.isNull() ? QIcon() : QIcon(glyph));
  if (!glyph.isNull()) setIconSize(glyph.size().boundedTo(QSize(24, 24)));
}
