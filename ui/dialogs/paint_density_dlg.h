// TSpecificDensityDlg, "Paint Density": the densities of primer and paint
// in grams/gallon, pounds/gallon or grams/cm³. Leaving any field stores
// both densities (in grams/gallon) and converts the other two units. Every
// unit takes the same densities: 1e-5 to 1e8 grams/gallon for primer, to
// 1e9 for paint; a value outside is refused at the field.
#pragma once

#include "param_dialog.h"

class TNumEdit;

class TSpecificDensityDlg : public TParamDialog {
  Q_OBJECT
 public:
  TSpecificDensityDlg(QWidget *owner, lumo::TLumoState *state);

 private:
  struct Density {
    TNumEdit *Grams;
    TNumEdit *Pounds;
    TNumEdit *GramsPerCm3;
  };
  enum class Unit { None, Grams, Pounds, GramsPerCm3 };
  void Left(Unit unit);
  void Show(Density &d, double grams, Unit except);

  Density primer_;
  Density paint_;
};
