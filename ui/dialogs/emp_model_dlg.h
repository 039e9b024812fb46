// TEmpModelDlg: The parameters of the empirical (double exponential) emission model of
// the primer or the paint.
#pragma once

#include "lumo_form.h"

class TEmpModelDlg : public TLumoForm {
  Q_OBJECT
 public:
  TEmpModelDlg(QWidget *owner, lumo::TLumoState *state, bool primer);

 private:
  bool primer_;
};
