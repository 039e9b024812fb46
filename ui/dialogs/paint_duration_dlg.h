// TPaintDurationDlg: Application rates, working hours, painters, start day and the interval
// between priming and painting, with the hours and days that follow.
#pragma once

#include "lumo_form.h"

class TPaintDurationDlg : public TLumoForm {
  Q_OBJECT
 public:
  TPaintDurationDlg(QWidget *owner, lumo::TLumoState *state);
};
