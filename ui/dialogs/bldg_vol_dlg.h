// TBldgVolDlg, "Building Volume": the building volume in ft³ or m³.
// Leaving either field converts into the other, stores the volume and
// recomputes the interzonal airflow from it. A volume below 1 ft³ is
// corrected to 1 ft³: the model divides by it.
#pragma once

#include "param_dialog.h"

class TNumEdit;

class TBldgVolDlg : public TParamDialog {
  Q_OBJECT
 public:
  TBldgVolDlg(QWidget *owner, lumo::TLumoState *state);

 private:
  void Store(double cubicFeet);

  TNumEdit *numedBldgVolume;
  TNumEdit *numedBldgVolume2;
};
