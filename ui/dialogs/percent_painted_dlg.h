// TPercentPaintedDlg: The share of the building volume that is painted (zone 1), below 100 %.
#pragma once

#include "lumo_form.h"

class TPercentPaintedDlg : public TLumoForm {
  Q_OBJECT
 public:
  TPercentPaintedDlg(QWidget *owner, lumo::TLumoState *state);
};
