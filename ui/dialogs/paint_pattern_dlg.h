// TPaintPatternDlg: The painting schedule; only its breathing rates can be edited.
#pragma once

#include "lumo_form.h"

class TPaintPatternDlg : public TLumoForm {
  Q_OBJECT
 public:
  TPaintPatternDlg(QWidget *owner, lumo::TLumoState *state);
};
