// TExposureDlg, "Exposure Events": exposure events per year (0.01 to
// 1000000) times whole years of exposure gives the whole exposure events in
// a lifetime. Leaving either field stores all three; the years field then
// shows the whole years kept, corrected to 0 to 150 when outside.
#pragma once

#include "param_dialog.h"

class TNumEdit;

class TExposureDlg : public TParamDialog {
  Q_OBJECT
 public:
  TExposureDlg(QWidget *owner, lumo::TLumoState *state);

 private:
  void Store();

  TNumEdit *numedExposure;
  TNumEdit *numedYears;
  TNumEdit *numedEvents;
};
