// TLifeSpanDlg, "Years in Lifetime": the lifetime in whole years (the
// fraction of a typed value is dropped). A lifetime below 1 year is
// corrected to 1: the lifetime averages divide by it.
#pragma once

#include "param_dialog.h"

class TNumEdit;

class TLifeSpanDlg : public TParamDialog {
  Q_OBJECT
 public:
  TLifeSpanDlg(QWidget *owner, lumo::TLumoState *state);

 private:
  void Store();

  TNumEdit *numedYears;
};
