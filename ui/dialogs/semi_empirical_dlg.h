// TSemiEmpiricalDlg, "Semi-Empirical Model": total mass of chemical, total
// VOC weight fraction and the first-order rate constant of the primer
// (when `primer`) or the paint. The rate constant is computed from the
// chemical, the coverage, the density and the VOC weight fraction when the
// dialog opens and whenever the fraction is left, replacing any typed one.
// Values outside their limits (mass 0 to 1e12 grams, fraction 0.0001 to 1,
// rate constant 0 to 1e7 per hour, typed or computed) are corrected to the
// nearest limit.
#pragma once

#include "param_dialog.h"

class TNumEdit;

class TSemiEmpiricalDlg : public TParamDialog {
  Q_OBJECT
 public:
  TSemiEmpiricalDlg(QWidget *owner, lumo::TLumoState *state, bool primer);

 private:
  void FractionLeft();
  void StoreRateConstant(double perHour);

  bool primer_;
  TNumEdit *ednumTotalMass;
  TNumEdit *edVOCWtFraction;
  TNumEdit *edFirstOrderRateConst;
};
