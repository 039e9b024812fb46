// TSinkDlg, "Sink Model": no sink, one-way or reversible sinks. Choosing
// an item sets the sink model at once; OK opens the sink values
// (TSinkGridDlg) unless "No sink" is chosen, then closes with OK.
#pragma once

#include "param_dialog.h"

class TRadioGroup;

class TSinkDlg : public TParamDialog {
  Q_OBJECT
 public:
  TSinkDlg(QWidget *owner, lumo::TLumoState *state);

 protected:
  bool CanClose() override;

 private:
  TRadioGroup *rgSinkModel;
};
