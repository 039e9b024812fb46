// TSinkGridDlg: The areas and rate constants of the six indoor sinks.
#pragma once

#include "lumo_form.h"

class TSinkGridDlg : public TLumoForm {
  Q_OBJECT
 public:
  TSinkGridDlg(QWidget *owner, lumo::TLumoState *state);
};
