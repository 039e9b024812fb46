// TSrfArea, "Painted Surface Area": the wall/ceiling loading ratio (ft²
// painted per ft³ of painted volume, or m²/m³) with the painted volume and
// the painted surface area it gives. Leaving either field stores the ratio;
// a ratio outside 0 to 10 ft²/ft³ is corrected to the nearest limit. OK
// keeps the dialog open while the painting schedule cannot hold the
// painting of that surface.
#pragma once

#include "param_dialog.h"

class QLabel;
class TNumEdit;

class TSrfArea : public TParamDialog {
  Q_OBJECT
 public:
  TSrfArea(QWidget *owner, lumo::TLumoState *state);

 protected:
  bool CanClose() override;

 private:
  void Store(double ft2PerFt3);
  void ShowLabels();

  QLabel *lblPaintedVolume;
  TNumEdit *numeditLoading;
  TNumEdit *numeditLoading2;
  QLabel *lblCalculatedSurfaceArea;
};
