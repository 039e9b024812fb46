// TBldgVolDlg, "Building Volume": the building volume in ft³ or m³.
// Leaving either field converts into the other, stores the volume and
// recomputes the interzonal airflow from it. A volume outside 1 to 1.0e9 ft³
// is corrected to the nearest limit (the model divides by it). OK keeps the
// dialog open while the painting schedule cannot hold the painting of the
// new volume.
#pragma once

#include "param_dialog.h"

class TNumEdit;

class TBldgVolDlg : public TParamDialog {
  Q_OBJECT
 public:
  TBldgVolDlg(QWidget *owner, lumo::TLumoState *state);

 protected:
  bool CanClose() override;

 private:
  void Store(double cubicFeet);

  TNumEdit *numedBldgVolume;
  TNumEdit *numedBldgVolume2;
};
