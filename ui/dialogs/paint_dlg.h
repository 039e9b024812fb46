// TPaintDlg: Coverage of primer and paint (ft²/gallon, m²/gallon or wet film
// thickness) with the amounts of primer and paint that follow.
#pragma once

#include "lumo_form.h"

class TPaintDlg : public TLumoForm {
  Q_OBJECT
 public:
  TPaintDlg(QWidget *owner, lumo::TLumoState *state);
};
