#include "life_span_dlg.h"

#include <QGridLayout>
#include <QVBoxLayout>

#include "dialog_fields.h"
#include "exposure_events.h"
#include "lumo_state.h"
#include "num_edit.h"

TLifeSpanDlg::TLifeSpanDlg(QWidget *owner, lumo::TLumoState *state)
    : TParamDialog(owner, state, tr("Years in Lifetime")) {
  numedYears = MakeNumEdit(this, QStringLiteral("numedYears"), 2);
  auto *grid = new QGridLayout;
  AddFieldRow(grid, 0, tr("Number of Years in Lifetime:"), numedYears, QString());
  Body()->addLayout(grid);
  numedYears->SetValue(Record().LifeTime);
  connect(numedYears, &TNumEdit::exited, this, &TLifeSpanDlg::Store);
}

void TLifeSpanDlg::Store() {
  const double years = lumo::WholeYears(numedYears->Value());
  Record().LifeTime =
      Corrected(nullptr, years, lumo::kLifeTimeLimits, tr("The lifetime"), tr(" years"));
  numedYears->SetValue(Record().LifeTime);
}
