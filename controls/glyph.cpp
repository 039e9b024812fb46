#include "glyph.h"

#include <QBitmap>
#include <QImage>

#include "platform.h"

namespace lumo::controls {

QPixmap LoadGlyph(const QString &path) {
  QImage image(path);
  if (image.isNull()) return QPixmap();
  QPixmap pixmap = QPixmap::fromImage(image);
  const QRgb transparent = image.pixel(0, image.height() - 1);
  pixmap.setMask(QBitmap::fromImage(image.createMaskFromColor(transparent, Qt::MaskInColor)));
  return pixmap;
}

QString SystemGlyphPath(const QString &fileName) {
  return QString::fromStdString(lumo::platform::SystemDirectory()) +
         QChar::fromLatin1(lumo::platform::PathSeparator()) + fileName;
}

}  // namespace lumo::controls
