// TSemiEmpiricalDlg, "Semi-Empirical Model": total mass of chemical, total
// VOC weight fraction and the first-order rate constant of the primer
// (when `primer`) or the paint. The rate constant is computed from the
// chemical, the coverage, the density and the VOC weight fraction when the
// dialog opens and whenever the fraction is left, replacing any typed one;
// a fraction below 0.0001 is corrected to it.
#pragma once

#include "param_dialog.h"

class TNumEdit;

class TSemiEmpiricalDlg : public TParamDialog {
  Q_OBJECT
 public:
  TSemiEmpiricalDlg(QWidget *owner, lumo::TLumoState *state, bool primer);

 private:
  void FractionLeft();

  bool primer_;
  TNumEdit *ednumTotalMass;
  TNumEdit *edVOCWtFraction;
  TNumEdit *edFirstOrderRateConst;
};
