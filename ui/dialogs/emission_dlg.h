// TEmissionDlg: The emission model of the primer or the paint, then that model's
// parameters.
#pragma once

#include "lumo_form.h"

class TEmissionDlg : public TLumoForm {
  Q_OBJECT
 public:
  TEmissionDlg(QWidget *owner, lumo::TLumoState *state, bool primer);

 private:
  bool primer_;
};
