// TEmissionDlg, "Emissions Model": the emission model of the primer (when
// `primer`) or the paint: empirical, or semi-empirical (alkyd paint only).
// OK stores the choice and opens the chosen model's parameter dialog; the
// model choice then closes with OK. Cancel in the parameter dialog undoes
// what that dialog changed, keeping the model choice.
#pragma once

#include "param_dialog.h"

class QRadioButton;

class TEmissionDlg : public TParamDialog {
  Q_OBJECT
 public:
  TEmissionDlg(QWidget *owner, lumo::TLumoState *state, bool primer);

 protected:
  bool CanClose() override;

 private:
  void StoreModel(lumo::EmissionsModelType model);

  bool primer_;
  QRadioButton *rbEmpiricalModel;
  QRadioButton *rbSemiEmpiricalModel;
};
