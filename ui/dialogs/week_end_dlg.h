// TWeekEndDlg: The exposed person's weekend activity pattern.
#pragma once

#include "lumo_form.h"

class TWeekEndDlg : public TLumoForm {
  Q_OBJECT
 public:
  TWeekEndDlg(QWidget *owner, lumo::TLumoState *state);
};
