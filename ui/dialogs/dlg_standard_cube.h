// TdlgStandardCube, "Standard Cube": length, width and height of the
// Standard Box in ft or m. Leaving a field converts its partner; nothing is
// stored until OK, which stores the three dimensions and the volume they
// give. A dimension outside 1 to 10,000 ft is corrected to the nearest
// limit (no empty box). OK keeps the dialog open while the box holds more
// than the largest building volume, or while the painting schedule cannot
// hold the painting of the box once it is chosen.
#pragma once

#include "param_dialog.h"

class QGridLayout;
class TNumEdit;

class TdlgStandardCube : public TParamDialog {
  Q_OBJECT
 public:
  TdlgStandardCube(QWidget *owner, lumo::TLumoState *state);

 protected:
  bool CanClose() override;

 private:
  struct Dimension {
    TNumEdit *Feet;
    TNumEdit *Meters;
  };
  void AddDimension(QGridLayout *grid, Dimension &d, int row, const QString &name,
                    const QString &caption, double feet);
  void SetFeet(Dimension &d, double feet);

  Dimension length_;
  Dimension width_;
  Dimension height_;
};
