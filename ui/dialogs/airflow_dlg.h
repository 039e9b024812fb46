// TAirflowDlg: The air exchange rate with the outdoors and the airflow between the
// painted zone and the rest of the building.
#pragma once

#include "lumo_form.h"

class TAirflowDlg : public TLumoForm {
  Q_OBJECT
 public:
  TAirflowDlg(QWidget *owner, lumo::TLumoState *state);
};
