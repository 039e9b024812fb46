#include "bldg_vol_dlg.h"

#include <QGridLayout>
#include <QVBoxLayout>

#include "dialog_fields.h"
#include "lumo_state.h"
#include "num_edit.h"
#include "parameter_edits.h"
#include "unit_conversions.h"

TBldgVolDlg::TBldgVolDlg(QWidget *owner, lumo::TLumoState *state)
    : TParamDialog(owner, state, tr("Building Volume")) {
  numedBldgVolume = MakeNumEdit(this, QStringLiteral("numedBldgVolume"), 2);
  numedBldgVolume2 = MakeNumEdit(this, QStringLiteral("numedBldgVolume2"), 2);
  auto *grid = new QGridLayout;
  AddFieldRow(grid, 0, tr("Building Volume = "), numedBldgVolume, tr("ft³"), numedBldgVolume2,
              tr("m³"), tr("-or-"));
  Body()->addLayout(grid);

  numedBldgVolume->SetValue(Record().BldgVolume);
  numedBldgVolume2->SetValue(lumo::CubicFeettoCubicMeters(Record().BldgVolume));

  connect(numedBldgVolume, &TNumEdit::exited, this, [this] { Store(numedBldgVolume->Value()); });
  connect(numedBldgVolume2, &TNumEdit::exited, this, [this] {
    if (!LeftAsShown(numedBldgVolume2, lumo::CubicFeettoCubicMeters(Record().BldgVolume)))
      Store(lumo::CubicMeterstoCubicFeet(numedBldgVolume2->Value()));
  });
}

bool TBldgVolDlg::CanClose() {
  return ScheduleAccepts(lumo::ScheduleInput::BuildingVolume, numedBldgVolume);
}

void TBldgVolDlg::Store(double cubicFeet) {
  cubicFeet = Corrected(nullptr, cubicFeet, lumo::kBuildingVolumeLimits, tr("The building volume"),
                        tr(" ft³"));
  numedBldgVolume->SetValue(cubicFeet);
  numedBldgVolume2->SetValue(lumo::CubicFeettoCubicMeters(cubicFeet));
  lumo::rules::StoreBuildingVolume(*State(), cubicFeet);
}
