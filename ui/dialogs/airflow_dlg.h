// TAirflowDlg, "Airflows": the air exchange rate with the outdoors and the
// interzonal airflow between the painted volume and the rest (ft³/hour or
// m³/hour). Every keystroke in the air exchange rate stores it and
// replaces the interzonal airflow by the one computed from it. Negative
// rates are corrected to 0 when a field is left.
#pragma once

#include "param_dialog.h"

class TRealEdit;

class TAirflowDlg : public TParamDialog {
  Q_OBJECT
 public:
  TAirflowDlg(QWidget *owner, lumo::TLumoState *state);

 private:
  void AirExchangeEdited();
  void AirExchangeLeft();
  void StoreInterzonal(double cubicFeetPerHour);
  double NotNegative(TRealEdit *field, double value, const QString &what, const QString &unit);

  TRealEdit *numeditAirExchanges;
  TRealEdit *numeditInterzonalAirExchange;
  TRealEdit *numeditInterzonalAirExchange2;
};
