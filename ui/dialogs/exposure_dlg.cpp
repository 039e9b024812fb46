#include "exposure_dlg.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "dialog_fields.h"
#include "lumo_state.h"
#include "num_edit.h"
#include "parameter_edits.h"

TExposureDlg::TExposureDlg(QWidget *owner, lumo::TLumoState *state)
    : TParamDialog(owner, state, tr("Exposure Events")) {
  numedExposure = MakeNumEdit(this, QStringLiteral("numedExposure"), 3);
  numedExposure->SetMin(lumo::kEventsPerYearLimits.Min);
  numedExposure->SetMax(lumo::kEventsPerYearLimits.Max);
  numedYears = MakeNumEdit(this, QStringLiteral("numedYears"), 2);
  numedEvents = MakeNumEdit(this, QStringLiteral("numedEvents"), 0);
  numedEvents->setReadOnly(true);
  numedEvents->setEnabled(false);
  auto *grid = new QGridLayout;
  AddFieldRow(grid, 0, QString(), numedExposure, tr("exposure events per year"));
  AddFieldRow(grid, 1, tr("times "), numedYears, tr("years of exposure"));
  AddFieldRow(grid, 2, tr("equals"), numedEvents, tr("exposure events in lifetime"));
  Body()->addLayout(grid);

  const auto &r = Record();
  numedExposure->SetValue(r.EventsPerYear);
  numedExposure->SetValidate(true);
  numedYears->SetValue(r.YearsofExposure);
  numedEvents->SetValue(r.EventsinLifeTime);
  connect(numedExposure, &TNumEdit::exited, this, &TExposureDlg::Store);
  connect(numedYears, &TNumEdit::exited, this, &TExposureDlg::Store);
}

void TExposureDlg::Store() {
  auto &r = Record();
  const double years = Corrected(numedYears, numedYears->Value(), lumo::kYearsOfExposureLimits,
                                 tr("The years of exposure"), tr(" years"));
  lumo::rules::StoreExposureEvents(r, numedExposure->Value(), years);
  numedYears->SetValue(r.YearsofExposure);
  numedEvents->SetValue(r.EventsinLifeTime);
}
