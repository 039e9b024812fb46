#include "airflow_dlg.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "dialog_fields.h"
#include "lumo_state.h"
#include "parameter_edits.h"
#include "real_edit.h"
#include "unit_conversions.h"

namespace {

TRealEdit *MakeRateEdit(QWidget *parent, const QString &name) {
  auto *edit = new TRealEdit(parent);
  edit->setObjectName(name);
  edit->SetFormatString(QStringLiteral("%10.2f"));
  edit->setAlignment(Qt::AlignRight);
  edit->setMinimumWidth(95);
  return edit;
}

}  // namespace

TAirflowDlg::TAirflowDlg(QWidget *owner, lumo::TLumoState *state)
    : TParamDialog(owner, state, tr("Airflows")) {
  numeditAirExchanges = MakeRateEdit(this, QStringLiteral("numeditAirExchanges"));
  numeditInterzonalAirExchange = MakeRateEdit(this, QStringLiteral("numeditInterzonalAirExchange"));
  numeditInterzonalAirExchange2 =
      MakeRateEdit(this, QStringLiteral("numeditInterzonalAirExchange2"));

  auto *grid = new QGridLayout;
  auto *airLabel = new QLabel(tr("Air Exchange Rate between indoors and outdoors = "));
  grid->addWidget(airLabel, 0, 0, 1, 6);
  grid->addWidget(numeditAirExchanges, 1, 1);
  grid->addWidget(new QLabel(tr("air changes/hour")), 1, 2, 1, 2);
  auto *zoneLabel =
      new QLabel(tr("Interzonal Airflow Rate Between painted volume and  remainder = "));
  grid->addWidget(zoneLabel, 2, 0, 1, 6);
  AddFieldRow(grid, 3, QString(), numeditInterzonalAirExchange, tr("ft³/hour"),
              numeditInterzonalAirExchange2, tr("m³/hour"));
  grid->setColumnMinimumWidth(0, 20);
  Body()->addLayout(grid);

  const auto &r = Record();
  numeditAirExchanges->SetValue(r.AirExchangeRate);
  numeditInterzonalAirExchange->SetValue(r.InterzonalAirflow);
  numeditInterzonalAirExchange2->SetValue(lumo::CubicFeettoCubicMeters(r.InterzonalAirflow));

  // textEdited comes from the user only, never from the values set above.
  connect(numeditAirExchanges, &TRealEdit::textEdited, this, &TAirflowDlg::AirExchangeEdited);
  connect(numeditAirExchanges, &TRealEdit::editingFinished, this, &TAirflowDlg::AirExchangeLeft);
  // The airflow fields show two decimals: one left without typing (isModified
  // is reset whenever a value is shown) keeps the stored airflow, not its
  // rounding to what the field shows.
  connect(numeditInterzonalAirExchange, &TRealEdit::editingFinished, this, [this] {
    if (numeditInterzonalAirExchange->isModified())
      StoreInterzonal(numeditInterzonalAirExchange->Value());
  });
  connect(numeditInterzonalAirExchange2, &TRealEdit::editingFinished, this, [this] {
    if (numeditInterzonalAirExchange2->isModified())
      StoreInterzonal(lumo::CubicMeterstoCubicFeet(numeditInterzonalAirExchange2->Value()));
  });
}

void TAirflowDlg::AirExchangeEdited() {
  lumo::rules::StoreAirExchangeRate(*State(), numeditAirExchanges->Value());
  const double flow = Record().InterzonalAirflow;
  numeditInterzonalAirExchange->SetValue(flow);
  numeditInterzonalAirExchange2->SetValue(lumo::CubicFeettoCubicMeters(flow));
}

void TAirflowDlg::AirExchangeLeft() {
  const double rate = numeditAirExchanges->Value();
  if (Limited(numeditAirExchanges, rate, lumo::kAirExchangeLimits, tr("The air exchange rate"),
              tr(" air changes/hour")) != rate) {
    AirExchangeEdited();
  }
}

void TAirflowDlg::StoreInterzonal(double cubicFeetPerHour) {
  cubicFeetPerHour = Limited(nullptr, cubicFeetPerHour, lumo::kInterzonalAirflowLimits,
                             tr("The interzonal airflow rate"), tr(" ft³/hour"));
  numeditInterzonalAirExchange->SetValue(cubicFeetPerHour);
  numeditInterzonalAirExchange2->SetValue(lumo::CubicFeettoCubicMeters(cubicFeetPerHour));
  Record().InterzonalAirflow = cubicFeetPerHour;
}

double TAirflowDlg::Limited(TRealEdit *field, double value, lumo::FieldLimits limits,
                            const QString &what, const QString &unit) {
  const double corrected = Corrected(nullptr, value, limits, what, unit);
  if (field && corrected != value) field->SetValue(corrected);
  return corrected;
}
