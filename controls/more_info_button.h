// TLUMOBtnMoreInfo: the "More Information" button. It holds a tip text and
// opens its TTips dialog with it. Its glyph is "help1.bmp" from the system
// directory; without that file the button shows its caption alone.
#pragma once

#include <QPushButton>

#include "tip_source.h"

class TLUMOBtnMoreInfo : public QPushButton, public TTipSource {
  Q_OBJECT

 public:
  explicit TLUMOBtnMoreInfo(QWidget *parent = nullptr);

  // Sets the glyph from `path`; a missing or unreadable file leaves none.
  void LoadGlyph(const QString &path);
};
