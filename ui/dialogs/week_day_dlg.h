// TWeekDayDlg, "Weekday Pattern": the exposed person's activity pattern
// for Monday to Friday (see TPatternDlg).
#pragma once

#include "pattern_dlg.h"

class TWeekDayDlg : public TPatternDlg {
  Q_OBJECT
 public:
  TWeekDayDlg(QWidget *owner, lumo::TLumoState *state);
};
