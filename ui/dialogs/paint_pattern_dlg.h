// TPaintPatternDlg, "Pattern During Painting": the painting schedule, one
// work period per line, of which only the breathing rates can be edited.
// The schedule lives beside the scenario record, so the dialog writes it
// only when it closes with OK; Cancel (however reached) leaves it as it
// was. OK refuses a breathing rate that is not a number from 0 to 1000000.
#pragma once

#include "param_dialog.h"

class TLUMOGridOverride;

class TPaintPatternDlg : public TParamDialog {
  Q_OBJECT
 public:
  TPaintPatternDlg(QWidget *owner, lumo::TLumoState *state);

 protected:
  bool CanClose() override;
  void showEvent(QShowEvent *event) override;

 private:
  TLUMOGridOverride *gridOverride;
};
