// TLUMOSpeedInfo: the flat speed-button form of TLUMOBtnMoreInfo: the same
// tip text and dialog, the glyph "help.bmp" from the system directory and
// no caption of its own. Without the glyph it shows "?" so that it can
// still be seen and clicked.
#pragma once

#include <QToolButton>

#include "tip_source.h"

class TLUMOSpeedInfo : public QToolButton, public TTipSource {
  Q_OBJECT

 public:
  explicit TLUMOSpeedInfo(QWidget *parent = nullptr);

  // Sets the glyph from `path`; without one the button shows "?".
  void LoadGlyph(const QString &path);
};
