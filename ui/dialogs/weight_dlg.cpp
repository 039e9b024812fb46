#include "weight_dlg.h"

#include <QGridLayout>
#include <QVBoxLayout>

#include "dialog_fields.h"
#include "lumo_state.h"
#include "num_edit.h"
#include "unit_conversions.h"

TWeightDlg::TWeightDlg(QWidget *owner, lumo::TLumoState *state)
    : TParamDialog(owner, state, tr("Body Weight")) {
  numedWtKg = MakeNumEdit(this, QStringLiteral("numedWtKg"), 2);
  numedWtLbs = MakeNumEdit(this, QStringLiteral("numedWtLbs"), 2);
  auto *grid = new QGridLayout;
  AddFieldRow(grid, 0, tr("Average Body Weight:"), numedWtKg, tr("kg"), numedWtLbs, tr("pounds"),
              tr("- or -"));
  Body()->addLayout(grid);
  numedWtKg->SetValue(Record().BodyWeight);
  numedWtLbs->SetValue(lumo::KilogramstoPounds(Record().BodyWeight));
  connect(numedWtKg, &TNumEdit::exited, this, [this] { Store(numedWtKg->Value()); });
  connect(numedWtLbs, &TNumEdit::exited, this, [this] {
    if (!LeftAsShown(numedWtLbs, lumo::KilogramstoPounds(Record().BodyWeight)))
      Store(lumo::PoundstoKilograms(numedWtLbs->Value()));
  });
}

void TWeightDlg::Store(double kg) {
  kg = Corrected(nullptr, kg, lumo::kBodyWeightLimits, tr("The body weight"), tr(" kg"));
  numedWtKg->SetValue(kg);
  numedWtLbs->SetValue(lumo::KilogramstoPounds(kg));
  Record().BodyWeight = kg;
}
