// TSrfArea, "Painted Surface Area": the wall/ceiling loading ratio (ft²
// painted per ft³ of painted volume, or m²/m³) with the painted volume and
// the painted surface area it gives. Leaving either field stores the ratio;
// a negative ratio is corrected to 0.
#pragma once

#include "param_dialog.h"

class QLabel;
class TNumEdit;

class TSrfArea : public TParamDialog {
  Q_OBJECT
 public:
  TSrfArea(QWidget *owner, lumo::TLumoState *state);

 private:
  void Store(double ft2PerFt3);
  void ShowLabels();

  QLabel *lblPaintedVolume;
  TNumEdit *numeditLoading;
  TNumEdit *numeditLoading2;
  QLabel *lblCalculatedSurfaceArea;
};
