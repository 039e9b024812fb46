// TSemiEmpiricalDlg: The semi-empirical emission model of the primer or the paint, whose rate
// constant is computed from the chemical and the paint.
#pragma once

#include "lumo_form.h"

class TSemiEmpiricalDlg : public TLumoForm {
  Q_OBJECT
 public:
  TSemiEmpiricalDlg(QWidget *owner, lumo::TLumoState *state, bool primer);

 private:
  bool primer_;
};
