// TPercentPaintedDlg, "Percent Painted": the share of the building volume
// that is painted (zone 1), with the painted volume it gives. The field
// takes 0.01 to 100 (no painted zone of zero volume); OK stores the value
// and refuses to close while it is 100 or more ("Percent must be less than
// 100%") or while the painting schedule cannot hold the painting of that
// share.
#pragma once

#include "param_dialog.h"

class QLabel;
class TNumEdit;

class TPercentPaintedDlg : public TParamDialog {
  Q_OBJECT
 public:
  TPercentPaintedDlg(QWidget *owner, lumo::TLumoState *state);

 protected:
  bool CanClose() override;

 private:
  void ShowPercent(double percent);

  TNumEdit *numeditPercentPainted;
  QLabel *lblPaintedVolume;
};
