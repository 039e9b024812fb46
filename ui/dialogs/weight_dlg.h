// TWeightDlg: The body weight in kg or pounds.
#pragma once

#include "lumo_form.h"

class TWeightDlg : public TLumoForm {
  Q_OBJECT
 public:
  TWeightDlg(QWidget *owner, lumo::TLumoState *state);
};
