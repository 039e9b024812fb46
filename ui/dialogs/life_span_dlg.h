// TLifeSpanDlg: The number of years in a lifetime.
#pragma once

#include "lumo_form.h"

class TLifeSpanDlg : public TLumoForm {
  Q_OBJECT
 public:
  TLifeSpanDlg(QWidget *owner, lumo::TLumoState *state);
};
