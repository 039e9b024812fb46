// TEmpModelDlg, "Empirical Model": total mass of chemical, share of it in
// the first exponential and the two first-order rate constants of the
// primer (when `primer`) or the paint. Leaving any field stores all four,
// each corrected to the nearest limit when outside it (mass 0 to 1e12
// grams, 0 to 100 percent, rate constants 0 to 1e7 per hour).
#pragma once

#include "param_dialog.h"

class TNumEdit;

class TEmpModelDlg : public TParamDialog {
  Q_OBJECT
 public:
  TEmpModelDlg(QWidget *owner, lumo::TLumoState *state, bool primer);

 private:
  void Store();

  bool primer_;
  TNumEdit *ednumTotalMass;
  TNumEdit *edPercent1stExpMass;
  TNumEdit *ednum1stExpRateConst;
  TNumEdit *ednum2ndExpRateConst;
};
