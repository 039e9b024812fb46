// TExposureDlg: Exposure events per year and years of exposure, and the events in a
// lifetime they give.
#pragma once

#include "lumo_form.h"

class TExposureDlg : public TLumoForm {
  Q_OBJECT
 public:
  TExposureDlg(QWidget *owner, lumo::TLumoState *state);
};
