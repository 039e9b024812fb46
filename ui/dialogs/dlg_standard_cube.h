// TdlgStandardCube, "Standard Cube": length, width and height of the
// Standard Box in ft or m. Leaving a field converts its partner; nothing is
// stored until OK, which stores the three dimensions and the volume they
// give. A dimension below 1 ft is corrected to 1 ft (no empty box).
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
