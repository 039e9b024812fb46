// TWeightDlg, "Body Weight": the average body weight in kg or pounds
// (2.2 pounds to the kg). Leaving either field stores it in kg; a weight
// below 1 kg is corrected to 1 kg: the doses divide by it.
#pragma once

#include "param_dialog.h"

class TNumEdit;

class TWeightDlg : public TParamDialog {
  Q_OBJECT
 public:
  TWeightDlg(QWidget *owner, lumo::TLumoState *state);

 private:
  void Store(double kg);

  TNumEdit *numedWtKg;
  TNumEdit *numedWtLbs;
};
