// TBldgVolDlg: The building volume in ft³ or m³; leaving either field stores it and
// recomputes the interzonal airflow.
#pragma once

#include "lumo_form.h"

class TBldgVolDlg : public TLumoForm {
  Q_OBJECT
 public:
  TBldgVolDlg(QWidget *owner, lumo::TLumoState *state);
};
