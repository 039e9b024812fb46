// TPaintDlg, "Amount of Paint": the coverage of primer and paint in
// ft²/gallon, m²/gallon or mil of wet film, with the painted surface area
// and the gallons of primer and paint that follow. Leaving any field stores
// both coverages; a coverage outside 1 to 100,000 ft²/gallon (in any of the
// three units) is corrected to the nearest limit, since the amounts and
// hours divide by it. OK keeps the dialog open while the painting schedule
// cannot hold the painting at these coverages.
#pragma once

#include "param_dialog.h"

class QLabel;
class TNumEdit;

class TPaintDlg : public TParamDialog {
  Q_OBJECT
 public:
  TPaintDlg(QWidget *owner, lumo::TLumoState *state);

 protected:
  bool CanClose() override;

 private:
  enum class Unit { SquareFeet, SquareMeters, WetFilm };
  struct Coverage {
    TNumEdit *SquareFeet;
    TNumEdit *SquareMeters;
    TNumEdit *WetFilm;
    QString What;  // "The primer coverage"
  };
  void Left(Coverage &c, Unit unit);
  void ShowCoverage(Coverage &c, double squareFeet);
  void ShowAmounts();

  Coverage primer_;
  Coverage paint_;
  Coverage *lastLeft_ = nullptr;  // the coverage changed last, if any
  QLabel *lblPaintedSurfaceArea;
  QLabel *lblPrimer;
  QLabel *lblPaint;
};
