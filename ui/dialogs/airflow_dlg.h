// TAirflowDlg, "Airflows": the air exchange rate with the outdoors and the
// interzonal airflow between the painted volume and the rest (ft³/hour or
// m³/hour). Every keystroke in the air exchange rate stores it and
// replaces the interzonal airflow by the one computed from it. When a field
// is left, a value outside its limits (0 to 1000 air changes/hour, 0 to
// 1.0e12 ft³/hour) is corrected to the nearest one; an airflow field left
// without typing in it stores nothing, so the airflow keeps its exact value
// rather than the two decimals the field shows.
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
  double Limited(TRealEdit *field, double value, lumo::FieldLimits limits, const QString &what,
                 const QString &unit);

  TRealEdit *numeditAirExchanges;
  TRealEdit *numeditInterzonalAirExchange;
  TRealEdit *numeditInterzonalAirExchange2;
};
