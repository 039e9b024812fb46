// Glyph bitmaps of the information buttons. The colour of a bitmap's
// bottom-left pixel is its transparent colour.
#pragma once

#include <QPixmap>
#include <QString>

namespace lumo::controls {

// The glyph in `path`; a null pixmap when the file is missing or not an
// image.
QPixmap LoadGlyph(const QString &path);

// The system directory's copy of `fileName` (e.g. "help1.bmp").
QString SystemGlyphPath(const QString &fileName);

}  // namespace lumo::controls
