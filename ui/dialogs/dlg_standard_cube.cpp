#include "dlg_standard_cube.h"

#include <QGridLayout>
#include <QVBoxLayout>

#include "dialog_fields.h"
#include "lumo_state.h"
#include "num_edit.h"
#include "unit_conversions.h"

TdlgStandardCube::TdlgStandardCube(QWidget *owner, lumo::TLumoState *state)
    : TParamDialog(owner, state, tr("Standard Cube")) {
  auto *grid = new QGridLayout;
  Body()->addLayout(grid);
  const auto &r = Record();
  AddDimension(grid, length_, 0, QStringLiteral("Length"), tr("Length = "), r.BoxLength);
  AddDimension(grid, width_, 1, QStringLiteral("Width"), tr("Width = "), r.BoxWidth);
  AddDimension(grid, height_, 2, QStringLiteral("Height"), tr("Height ="), r.BoxHeight);
}

void TdlgStandardCube::AddDimension(QGridLayout *grid, Dimension &d, int row, const QString &name,
                                    const QString &caption, double feet) {
  d.Feet = MakeNumEdit(this, QStringLiteral("numed") + name, 2);
  d.Meters = MakeNumEdit(this, QStringLiteral("numed") + name + u'2', 2);
  AddFieldRow(grid, row, caption, d.Feet, tr("ft"), d.Meters, tr("m"), tr("-or-"));
  d.Feet->SetValue(feet);
  d.Meters->SetValue(lumo::FeettoMeters(feet));
  connect(d.Feet, &TNumEdit::exited, this, [this, &d] { SetFeet(d, d.Feet->Value()); });
  connect(d.Meters, &TNumEdit::exited, this,
          [this, &d] { SetFeet(d, lumo::MeterstoFeet(d.Meters->Value())); });
}

void TdlgStandardCube::SetFeet(Dimension &d, double feet) {
  feet = Corrected(nullptr, feet, lumo::kBoxDimensionLimits, tr("Each side of the box"), tr(" ft"));
  d.Feet->SetValue(feet);
  d.Meters->SetValue(lumo::FeettoMeters(feet));
}

bool TdlgStandardCube::CanClose() {
  auto &r = Record();
  r.BoxLength = length_.Feet->Value();
  r.BoxWidth = width_.Feet->Value();
  r.BoxHeight = height_.Feet->Value();
  r.BldgVolume = r.BoxLength * r.BoxWidth * r.BoxHeight;
  return true;
}
