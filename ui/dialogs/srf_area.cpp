#include "srf_area.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "dialog_fields.h"
#include "fixed_format.h"
#include "lumo_state.h"
#include "num_edit.h"
#include "unit_conversions.h"

namespace {

QString Fixed1(double v) {
  return QString::fromStdString(lumo::FormatFixed(v, 0, 1));
}

}  // namespace

TSrfArea::TSrfArea(QWidget *owner, lumo::TLumoState *state)
    : TParamDialog(owner, state, tr("Painted Surface Area")) {
  lblPaintedVolume = MakeValueLabel(this, QStringLiteral("lblPaintedVolume"));
  numeditLoading = MakeNumEdit(this, QStringLiteral("numeditLoading"), 2);
  numeditLoading2 = MakeNumEdit(this, QStringLiteral("numeditLoading2"), 2);
  lblCalculatedSurfaceArea = MakeValueLabel(this, QStringLiteral("lblCalculatedSurfaceArea"));
  Body()->addWidget(lblPaintedVolume);
  auto *grid = new QGridLayout;
  AddFieldRow(grid, 0, tr("Wall/Ceiling Loading Ratio = "), numeditLoading, tr("ft²/ft³"),
              numeditLoading2, tr("m²/m³"));
  Body()->addLayout(grid);
  Body()->addWidget(lblCalculatedSurfaceArea);

  numeditLoading->SetValue(Record().LoadingRatio);
  numeditLoading2->SetValue(lumo::LoadingRatiotoMetric(Record().LoadingRatio));
  ShowLabels();
  connect(numeditLoading, &TNumEdit::exited, this, [this] { Store(numeditLoading->Value()); });
  connect(numeditLoading2, &TNumEdit::exited, this, [this] {
    if (!LeftAsShown(numeditLoading2, lumo::LoadingRatiotoMetric(Record().LoadingRatio)))
      Store(lumo::LoadingRatiofromMetric(numeditLoading2->Value()));
  });
}

bool TSrfArea::CanClose() {
  return ScheduleAccepts(lumo::ScheduleInput::LoadingRatio, numeditLoading);
}

void TSrfArea::Store(double ft2PerFt3) {
  ft2PerFt3 = Corrected(nullptr, ft2PerFt3, lumo::kLoadingRatioLimits, tr("The loading ratio"),
                        tr(" ft²/ft³"));
  numeditLoading->SetValue(ft2PerFt3);
  numeditLoading2->SetValue(lumo::LoadingRatiotoMetric(ft2PerFt3));
  Record().LoadingRatio = ft2PerFt3;
  ShowLabels();
}

void TSrfArea::ShowLabels() {
  const auto &r = Record();
  const double volume = r.BldgVolume * r.PercentPainted / 100;
  const double area = State()->GetCalculatedSurfaceArea();
  lblPaintedVolume->setText(tr("Painted Volume = %1 ft³     - or -  %2 m³ ")
                                .arg(Fixed1(volume), Fixed1(lumo::CubicFeettoCubicMeters(volume))));
  lblCalculatedSurfaceArea->setText(
      tr("Calculated Surface Area Painted = %1 ft²     - or -  %2 m² ")
          .arg(Fixed1(area), Fixed1(lumo::SquareFeettoSquareMeters(area))));
}
