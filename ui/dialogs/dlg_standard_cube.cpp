#include "dlg_standard_cube.h"

#include <QGridLayout>
#include <QVBoxLayout>

#include "dialog_fields.h"
#include "lumo_state.h"
#include "message_box.h"
#include "num_edit.h"
#include "readable_number.h"
#include "scenario_rules.h"
#include "unit_conversions.h"

using namespace lumo::controls;

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
  connect(d.Meters, &TNumEdit::exited, this, [this, &d] {
    if (!LeftAsShown(d.Meters, lumo::FeettoMeters(d.Feet->Value())))
      SetFeet(d, lumo::MeterstoFeet(d.Meters->Value()));
  });
}

void TdlgStandardCube::SetFeet(Dimension &d, double feet) {
  feet = Corrected(nullptr, feet, lumo::kBoxDimensionLimits, tr("Each side of the box"), tr(" ft"));
  d.Feet->SetValue(feet);
  d.Meters->SetValue(lumo::FeettoMeters(feet));
}

bool TdlgStandardCube::CanClose() {
  const double length = length_.Feet->Value();
  const double width = width_.Feet->Value();
  const double height = height_.Feet->Value();
  const double volume = length * width * height;
  if (!lumo::InRange(volume, lumo::kBuildingVolumeLimits)) {
    auto text = [](double v) { return QString::fromStdString(lumo::ReadableNumber(v)); };
    ShowMessage(this, tr("A Small Problem"),
                tr("A box of %1 × %2 × %3 ft holds %4 ft³; the building volume can be at most "
                   "%5 ft³. Use shorter sides.")
                    .arg(text(length), text(width), text(height), text(volume),
                         text(lumo::kBuildingVolumeLimits.Max)),
                MsgIcon::Error, MsgButton::Ok);
    length_.Feet->setFocus(Qt::OtherFocusReason);
    length_.Feet->selectAll();
    return false;
  }
  const lumo::ScenarioRecord chosen =
      lumo::rules::StandardBoxOutcome(Record(), length, width, height);
  if (!ScheduleAccepts(lumo::ScheduleInput::BoxVolume, length_.Feet, &chosen)) return false;
  auto &r = Record();
  r.BoxLength = length;
  r.BoxWidth = width;
  r.BoxHeight = height;
  r.BldgVolume = volume;
  return true;
}
