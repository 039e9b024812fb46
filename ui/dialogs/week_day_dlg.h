// TWeekDayDlg: The exposed person's weekday activity pattern.
#pragma once

#include "lumo_form.h"

class TWeekDayDlg : public TLumoForm {
  Q_OBJECT
 public:
  TWeekDayDlg(QWidget *owner, lumo::TLumoState *state);
};
