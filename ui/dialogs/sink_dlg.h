// TSinkDlg: The indoor sink model: none, one-way or reversible; then the sink values.
#pragma once

#include "lumo_form.h"

class TSinkDlg : public TLumoForm {
  Q_OBJECT
 public:
  TSinkDlg(QWidget *owner, lumo::TLumoState *state);
};
