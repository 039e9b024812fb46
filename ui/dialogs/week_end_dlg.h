// TWeekEndDlg, "Weekend Pattern": the exposed person's activity pattern
// for Saturday and Sunday (see TPatternDlg). Its lines cannot be moved and
// only one cell is selected at a time.
#pragma once

#include "pattern_dlg.h"

class TWeekEndDlg : public TPatternDlg {
  Q_OBJECT
 public:
  TWeekEndDlg(QWidget *owner, lumo::TLumoState *state);
};
